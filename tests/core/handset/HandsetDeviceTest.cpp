// The descriptor-level I/O shared by hidraw nodes and simulated handsets, over a socket pair.

#include "core/common/Event.h"
#include "core/handset/HandsetDevice.h"
#include "core/handset/ReportLayout.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>

#include <array>
#include <memory>
#include <thread>

namespace {

class HandsetDeviceIo : public ::testing::Test {
protected:
    void SetUp() override
    {
        int fds[2];
        ASSERT_EQ(::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, fds), 0);
        ::fcntl(fds[0], F_SETFL, O_NONBLOCK);
        device = std::make_unique<HandsetDevice>(UniqueFd(fds[0]), ReportCaps{0x3E5A, 0x18F8, 64, 64}, "pair", HandsetDevice::Kind::Socket);
        peer.Reset(fds[1]);
    }

    std::unique_ptr<HandsetDevice> device;
    UniqueFd peer;
    std::array<std::uint8_t, kMaxReportLength> buffer{};
    Event cancel{Event::Mode::ManualReset};
};

TEST_F(HandsetDeviceIo, ReadsOneReportAndZeroesTheRest)
{
    buffer.fill(0xEE);
    const std::uint8_t report[3] = {2, 7, 8};
    ASSERT_EQ(::send(peer.Get(), report, 3, 0), 3);
    ASSERT_EQ(device->Read(buffer, 1000, nullptr), IoStatus::Ok);
    EXPECT_EQ(buffer[0], 2);
    EXPECT_EQ(buffer[2], 8);
    EXPECT_EQ(buffer[3], 0);
    EXPECT_EQ(buffer[4096], 0);
    EXPECT_EQ(device->Read(buffer, 0, nullptr), IoStatus::TimedOut);
}

TEST_F(HandsetDeviceIo, HangUpEndsAWaitThatHasNoLimit)
{
    std::thread unplug([&] { peer.Reset(); });
    EXPECT_EQ(device->Read(buffer, -1, nullptr), IoStatus::Gone);
    unplug.join();
    const std::array<std::uint8_t, 64> report{2};
    // Either refused at once or by the writer; never a success.
    if (device->StartWrite(report) == IoStatus::Ok) {
        EXPECT_EQ(device->FinishWrite(-1, nullptr), IoStatus::Gone);
    }
}

TEST_F(HandsetDeviceIo, CancelEndsAReadWait)
{
    std::thread t([&] { cancel.Set(); });
    EXPECT_EQ(device->Read(buffer, -1, &cancel), IoStatus::Cancelled);
    t.join();
}

TEST_F(HandsetDeviceIo, WritesArriveInOrderAsWholeReports)
{
    std::array<std::uint8_t, 64> a{1, 1}, b{2, 2};
    ASSERT_EQ(device->StartWrite(a), IoStatus::Ok);
    ASSERT_EQ(device->StartWrite(b), IoStatus::Ok);
    ASSERT_EQ(device->FinishWrite(2000, nullptr), IoStatus::Ok);
    std::array<std::uint8_t, 128> got{};
    EXPECT_EQ(::recv(peer.Get(), got.data(), got.size(), 0), 64);
    EXPECT_EQ(got[1], 1);
    EXPECT_EQ(::recv(peer.Get(), got.data(), got.size(), 0), 64);
    EXPECT_EQ(got[1], 2);
}

TEST_F(HandsetDeviceIo, AStuckWriteKeepsTheTimeLimitAndHonoursCancel)
{
    // The peer reads nothing, so its queue fills and the writer blocks.
    const std::array<std::uint8_t, 64> report{2};
    IoStatus status = IoStatus::Ok;
    for (int i = 0; i < 10000 && status == IoStatus::Ok; ++i) {
        ASSERT_EQ(device->StartWrite(report), IoStatus::Ok);
        status = device->FinishWrite(50, nullptr);
    }
    EXPECT_EQ(status, IoStatus::TimedOut);
    cancel.Set();
    EXPECT_EQ(device->FinishWrite(-1, &cancel), IoStatus::Cancelled);
    // Destroying the device while the write is stuck must neither hang nor crash.
    device.reset();
}

}  // namespace
