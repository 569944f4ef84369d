#include "core/handset/ReportCodec.h"
#include "core/handset/ReportDescriptorLengths.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

TEST(ReportCodec, CountsDataReportsByPayload)
{
    EXPECT_EQ(ReportCodec::CountDataReports(0, 64), 0u);
    EXPECT_EQ(ReportCodec::CountDataReports(63, 64), 1u);
    EXPECT_EQ(ReportCodec::CountDataReports(64, 64), 2u);
    EXPECT_EQ(ReportCodec::CountDataReports(1, 2), 1u);
    EXPECT_EQ(ReportCodec::CountDataReports(32772, 4097), 9u);
    EXPECT_EQ(ReportCodec::CountDataReports(0xFFFFFFFFull, 2), 0xFFFFFFFFull);
}

TEST(ReportCodec, LengthLimits)
{
    EXPECT_TRUE(ReportCodec::LengthsUsable({0, 0, 7, 11}));
    EXPECT_TRUE(ReportCodec::LengthsUsable({0, 0, 4097, 4097}));
    EXPECT_FALSE(ReportCodec::LengthsUsable({0, 0, 64, 4098}));
    EXPECT_FALSE(ReportCodec::LengthsUsable({0, 0, 4098, 64}));
    EXPECT_FALSE(ReportCodec::LengthsUsable({0, 0, 6, 64}));
    // A command needs 11 bytes: shorter reports would cut its parameters off.
    for (int outLen : {1, 2, 10})
        EXPECT_FALSE(ReportCodec::LengthsUsable({0, 0, 64, outLen})) << outLen;
}

TEST(ReportCodec, LastDataReportIsZeroPadded)
{
    std::vector<std::uint8_t> data(10, 0xAA);
    std::array<std::uint8_t, 4097> buf;
    buf.fill(0x55);
    ReportCodec::BuildDataReport(buf, 8, data, 1);
    EXPECT_EQ(buf[0], 2);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(buf[i], 0xAA);
    for (int i = 4; i < 8; ++i)
        EXPECT_EQ(buf[i], 0);
}

namespace {

// A handset-like descriptor: vendor page, report 1 and report 2, each 63 bytes in and out.
const std::vector<std::uint8_t> kHandsetDescriptor = {
    0x06, 0x00, 0xFF,  // usage page (vendor)
    0x09, 0x01,        // usage
    0xA1, 0x01,        // collection (application)
    0x85, 0x01,        //   report id 1
    0x75, 0x08,        //   report size 8
    0x95, 0x3F,        //   report count 63
    0x09, 0x01, 0x81, 0x02,  // input
    0x09, 0x01, 0x91, 0x02,  // output
    0x85, 0x02,        //   report id 2
    0x95, 0x3F,
    0x09, 0x01, 0x81, 0x02,
    0x09, 0x01, 0x91, 0x02,
    0xC0,              // end collection
};

}  // namespace

TEST(ReportDescriptorLengths, LargestReportPlusTheIdByte)
{
    const auto l = ReportDescriptorLengths::Parse(kHandsetDescriptor);
    EXPECT_TRUE(l.complete);
    EXPECT_EQ(l.inLen, 64);
    EXPECT_EQ(l.outLen, 64);
}

TEST(ReportDescriptorLengths, SumsFieldsPerReportAndKeepsInputAndOutputApart)
{
    const std::vector<std::uint8_t> d = {
        0x75, 0x01, 0x95, 0x03, 0x81, 0x02,  // 3 bits in
        0x75, 0x05, 0x95, 0x01, 0x81, 0x01,  // 5 padding bits in: one byte
        0x75, 0x08, 0x96, 0x00, 0x10, 0x91, 0x02,  // 4096 bytes out (two-byte count)
    };
    const auto l = ReportDescriptorLengths::Parse(d);
    EXPECT_EQ(l.inLen, 2);
    EXPECT_EQ(l.outLen, 4097);
}

TEST(ReportDescriptorLengths, PushPopAndLongItems)
{
    const std::vector<std::uint8_t> d = {
        0x75, 0x08, 0x95, 0x04,  // 4 bytes
        0xA4,                    // push
        0x95, 0x10,              // 16 bytes
        0x81, 0x02,              // input 16 bytes
        0xB4,                    // pop: back to 4
        0xFE, 0x02, 0x10, 0xAA, 0xBB,  // long item, skipped
        0x91, 0x02,              // output 4 bytes
    };
    const auto l = ReportDescriptorLengths::Parse(d);
    EXPECT_TRUE(l.complete);
    EXPECT_EQ(l.inLen, 17);
    EXPECT_EQ(l.outLen, 5);
}

TEST(ReportDescriptorLengths, TruncatedOrEmptyDescriptorsAreHarmless)
{
    EXPECT_EQ(ReportDescriptorLengths::Parse({}).inLen, 0);
    const std::vector<std::uint8_t> cut = {0x75, 0x08, 0x96, 0x00};
    const auto l = ReportDescriptorLengths::Parse(cut);
    EXPECT_FALSE(l.complete);
    EXPECT_EQ(l.outLen, 0);
    const std::vector<std::uint8_t> huge = {0x77, 0xFF, 0xFF, 0xFF, 0xFF, 0x97, 0xFF, 0xFF, 0xFF, 0xFF, 0x81, 0x02};
    EXPECT_GT(ReportDescriptorLengths::Parse(huge).inLen, 4097);
}
