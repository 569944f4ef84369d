#include "support/RecordingProgress.h"
#include "support/SimFixture.h"

#include "core/transfer/HandsetInfoTransfer.h"
#include "core/transfer/ProtocolCodes.h"

#include <gtest/gtest.h>

namespace {

class HandsetInformation : public SimFixture {
protected:
    void SetUp() override
    {
        SimFixture::SetUp();
        transfer.SetProgressDialog(&progress);
    }

    RecordingProgress progress;
    HandsetInfoTransfer transfer;
};

TEST_F(HandsetInformation, ReadsNameIdentityAndTag)
{
    SimConfig c;
    c.name = "ABCDEFGHIJKLMNOP";
    c.identity = {1, 2, 3, 4, 5, 6};
    StartHandset(c);
    HandsetInfo info;
    ASSERT_EQ(transfer.GetInfo(info), Msg::Ok);
    EXPECT_EQ(info.name, "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(info.identity, (HandsetIdentity{0x04030201, 0x0605}));
    EXPECT_EQ(info.tag, (RecordTag{CLASS_HANDSET_INFO, 0, 0}));
    EXPECT_TRUE(progress.texts.isEmpty());
    EXPECT_TRUE(progress.ranges.empty());
}

TEST_F(HandsetInformation, ARecordOfAnyOtherSizeIsRefused)
{
    SimHandset& h = StartHandset();
    for (std::size_t size : {std::size_t{25}, std::size_t{27}, std::size_t{0}}) {
        h.SetReadData(FN_READ_RECORD, CLASS_HANDSET_INFO, 0, std::vector<std::uint8_t>(size, 'x'));
        HandsetInfo info;
        info.name = "before";
        EXPECT_EQ(transfer.GetInfo(info), Msg::HandsetSettingsUnreadable) << size;
        EXPECT_EQ(info.name, "before");
    }
}

TEST_F(HandsetInformation, WritesTheFirstSixteenCharactersAndKeepsTheReplyTag)
{
    SimHandset& h = StartHandset();
    HandsetInfo info;
    info.name = "Twenty characters!!!";
    info.identity = {0x11223344, 0x5566};
    info.tag = {CLASS_HANDSET_INFO, 0, 0};
    ASSERT_EQ(transfer.SetInfo(&info), Msg::Ok);
    Settle();
    EXPECT_EQ(h.Name(), "Twenty character");
    EXPECT_EQ(h.Identity(), (std::array<std::uint8_t, 6>{0x44, 0x33, 0x22, 0x11, 0x66, 0x55}));
    EXPECT_EQ(info.tag, (RecordTag{CLASS_HANDSET_INFO, 0, 0}));

    h.SetWriteReply(std::vector<std::uint8_t>{1, 2, 3});
    info.tag = {CLASS_HANDSET_INFO, 7, 7};
    EXPECT_EQ(transfer.SetInfo(&info), Msg::DataInError);
    EXPECT_EQ(info.tag, (RecordTag{CLASS_HANDSET_INFO, 7, 7}));
    EXPECT_EQ(transfer.SetInfo(nullptr), Msg::CouldNotSendToPhone);
}

}  // namespace
