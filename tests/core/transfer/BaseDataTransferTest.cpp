// The transfer framework against the simulated handset: one exchange at a time, cancel, lock.

#include "support/RecordingProgress.h"
#include "support/SimFixture.h"

#include "core/common/Log.h"
#include "core/transfer/BaseDataTransfer.h"
#include "core/transfer/HandsetOperation.h"
#include "core/transfer/HandsetSession.h"
#include "core/transfer/ProtocolCodes.h"

#include <QLoggingCategory>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

class TransferFramework : public SimFixture {
protected:
    void SetUp() override
    {
        SimFixture::SetUp();
        transfer.SetProgressDialog(&progress);
    }

    RecordingProgress progress;
    BaseDataTransfer transfer;
};

TEST_F(TransferFramework, BackToBackExchangesAndALeftoverCancel)
{
    SimHandset& h = StartHandset();
    h.AddContact("A", "1");
    std::uint16_t count = 0, second = 0;
    ASSERT_EQ(transfer.ReadCount(count, second, CLASS_PHONEBOOK), Msg::Ok);
    EXPECT_EQ(count, 1);
    // A cancel from before the exchange started is cleared, not obeyed.
    progress.CancelEvent().Set();
    h.SetReadData(FN_READ_RECORD, CLASS_PHONEBOOK, 7, std::vector<std::uint8_t>(500, 1));
    std::vector<std::uint8_t> data;
    EXPECT_EQ(transfer.ReadRecord(data, {CLASS_PHONEBOOK, 7, 0}), Msg::Ok);
    EXPECT_EQ(data.size(), 500u);
    EXPECT_GT(progress.steps, 0);
    EXPECT_EQ(HandsetSession::s_transferLock.Count(), 1) << "lock released";
}

TEST_F(TransferFramework, LockHeldElsewhereTimesOutWithADebugLine)
{
    StartHandset();
    static QStringList lines;
    lines.clear();
    QLoggingCategory::setFilterRules(QStringLiteral("orvak.dialbook.debug=true"));
    const auto previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) {
        lines.append(m);
    });
    ASSERT_TRUE(HandsetSession::s_transferLock.TryAcquireFor(0));
    std::uint16_t count = 0, second = 0;
    EXPECT_EQ(transfer.ReadCount(count, second, CLASS_PHONEBOOK), Msg::ReadFailed);
    HandsetSession::s_transferLock.Release();
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());
    EXPECT_TRUE(lines.contains(QStringLiteral("Timeout waiting for Access to lock in BaseDataTransfer!")));
}

// An operation holds the lock, the connection and the cancel token for all its exchanges: a
// cancel between two exchanges stops the next, the handset is connected to once, and anything
// else that wants the handset meanwhile waits for the lock and fails.
TEST_F(TransferFramework, AnOperationKeepsItsLinkItsLockAndItsCancel)
{
    SimHandset& h = StartHandset();
    h.SetReadData(FN_READ_RECORD, CLASS_PHONEBOOK, 7, std::vector<std::uint8_t>(500, 1));
    // The rescan that StartHandset makes connects once, and the simulator counts a connection
    // when its own thread accepts it, which may be a moment later: not to be counted as the
    // operation's.
    for (int i = 0; i < 200 && Server(0).Connections() == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const auto connectionsBefore = Server(0).Connections();
    Msg first = Msg::ReadFailed, second = Msg::Ok, other = Msg::Ok;
    const Msg result = HandsetOperation::Run(progress, [&] {
        std::uint16_t count = 0, s = 0;
        first = transfer.ReadCount(count, s, CLASS_PHONEBOOK);
        std::thread elsewhere([&] {
            BaseDataTransfer stranger;
            other = stranger.ReadCount(count, s, CLASS_PHONEBOOK);
        });
        elsewhere.join();
        progress.CancelEvent().Set();
        std::vector<std::uint8_t> data;
        second = transfer.ReadRecord(data, {CLASS_PHONEBOOK, 7, 0});
        return second;
    });
    EXPECT_EQ(first, Msg::Ok);
    EXPECT_EQ(other, Msg::ReadFailed) << "the lock is the operation's until it ends";
    EXPECT_EQ(second, Msg::Cancelled) << "a cancel between exchanges is not wiped";
    EXPECT_EQ(result, Msg::Cancelled);
    EXPECT_EQ(progress.waits, 1);
    EXPECT_EQ(Server(0).Connections() - connectionsBefore, 1u) << "one connection for the whole operation";
    EXPECT_EQ(HandsetSession::s_transferLock.Count(), 1) << "lock released";
}

TEST_F(TransferFramework, ReplyChecksOfTheCommands)
{
    SimHandset& h = StartHandset();
    h.SetReadData(FN_READ_COUNT, CLASS_PHONEBOOK, 0, {1, 0, 0, 0, 0});
    std::uint16_t count = 9, second = 9;
    EXPECT_EQ(transfer.ReadCount(count, second, CLASS_PHONEBOOK), Msg::DataInError);
    EXPECT_EQ(count, 9);

    h.SetReadData(FN_READ_COUNT, CLASS_PHONEBOOK, 0, {3, 0, 7, 0});
    EXPECT_EQ(transfer.ReadCount(count, second, CLASS_PHONEBOOK), Msg::Ok);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(second, 7);

    h.ClearCommands();
    RecordTag tag{CLASS_PHONEBOOK, 5, 6};
    EXPECT_EQ(transfer.WriteRecord({}, tag), Msg::NothingToSend);
    EXPECT_TRUE(h.Commands().empty()) << "nothing written";

    const std::vector<std::uint8_t> picture(100, 3);
    h.SetWriteReply(std::vector<std::uint8_t>{1, 2});
    RecordTag imageTag{CLASS_IMAGE, 0, 0};
    EXPECT_EQ(transfer.WriteImageData(picture, imageTag), Msg::DataInError);
    EXPECT_EQ(imageTag, (RecordTag{CLASS_IMAGE, 0, 0}));

    h.SetWriteReply(std::vector<std::uint8_t>{2, 9, 0x34, 0x12});
    EXPECT_EQ(transfer.WriteImageData(picture, imageTag), Msg::Ok);
    EXPECT_EQ(imageTag, (RecordTag{2, 9, 0x1234}));
}

TEST_F(TransferFramework, WriteInfoSendsTheWholeTagAndOthersOnlyTheClass)
{
    SimHandset& h = StartHandset();
    const std::vector<std::uint8_t> data(22, 0);
    RecordTag info{CLASS_HANDSET_INFO, 4, 0x0506};
    ASSERT_EQ(transfer.WriteInfo(data, info), Msg::Ok);
    RecordTag record{CLASS_PHONEBOOK, 4, 0x0506};
    ASSERT_EQ(transfer.WriteRecord(std::vector<std::uint8_t>(41, 0), record), Msg::Ok);
    const auto log = h.Commands();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].parameters, (std::array<std::uint8_t, 8>{22, 0, 0, 0, CLASS_HANDSET_INFO, 4, 6, 5}));
    EXPECT_EQ(log[1].parameters, (std::array<std::uint8_t, 8>{41, 0, 0, 0, CLASS_PHONEBOOK, 0, 0, 0}));
}

TEST_F(TransferFramework, UnknownOpAndMissingHandset)
{
    EXPECT_EQ(transfer.BeginDownload(CLASS_PHONEBOOK), Msg::PhoneNotFound);
    StartHandset();
    EXPECT_EQ(transfer.Execute(9, 1, {}, {}, nullptr, nullptr), Msg::ReadFailed);
}

}  // namespace
