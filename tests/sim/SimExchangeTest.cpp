// Whole exchanges with the simulated handset over its socket: discovery, I/O and engines together.

#include "support/SimFixture.h"

#include "sim/SimBusClock.h"

#include "core/common/Event.h"
#include "core/handset/ReportLayout.h"
#include "core/transfer/ProtocolCodes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <chrono>
#include <thread>
#include <numeric>

namespace {

std::vector<std::uint8_t> Bytes(std::size_t n)
{
    std::vector<std::uint8_t> v(n);
    std::iota(v.begin(), v.end(), 7);
    return v;
}

std::array<std::uint8_t, 8> Params(std::uint32_t length, std::uint8_t cls, std::uint8_t index = 0)
{
    return {static_cast<std::uint8_t>(length), static_cast<std::uint8_t>(length >> 8),
            static_cast<std::uint8_t>(length >> 16), static_cast<std::uint8_t>(length >> 24), cls, index, 0, 0};
}

class SimExchange : public SimFixture {
protected:
    Msg Read(std::uint8_t cls, std::uint8_t index)
    {
        params = Params(4, cls, index);
        ExchangeRequest r;
        r.op = OP_READ;
        r.function = FN_READ_RECORD;
        r.parameters = params;
        r.received = &received;
        r.progressStep = [this] { OnStep(); };
        r.cancel = &cancel;
        return m_link->ReceiveExchange(r);
    }

    Msg Write(std::uint8_t function, std::uint8_t cls, std::span<const std::uint8_t> data)
    {
        params = Params(static_cast<std::uint32_t>(data.size()), cls);
        ExchangeRequest r;
        r.op = OP_WRITE;
        r.function = function;
        r.parameters = params;
        r.data = data;
        r.reply = &reply;
        r.progressStep = [this] { OnStep(); };
        r.cancel = &cancel;
        return m_link->SendExchange(r);
    }

    void OnStep()
    {
        if (++steps == cancelAtStep)
            cancel.Set();
        // A data report counts as a step once it is written; the handset may not have it yet.
        if (watched)
            maxInFlight = std::max(maxInFlight, steps - watched->DataReportsTaken());
    }

    std::array<std::uint8_t, 8> params{};
    std::vector<std::uint8_t> received;
    std::vector<std::uint8_t> reply;
    std::atomic<int> steps{0};
    int cancelAtStep = -1;
    Event cancel{Event::Mode::ManualReset};
    SimHandset* watched = nullptr;
    int maxInFlight = 0;
};

TEST_F(SimExchange, RoundTripsAtEveryReportLength)
{
    std::size_t started = 0;
    for (int len : {11, 64, 4097}) {
        SimConfig c;
        c.inLen = c.outLen = len;
        SimHandset& h = StartHandset(c, "len" + std::to_string(len));
        const std::size_t payload = static_cast<std::size_t>(len - 1);
        for (std::size_t size : {payload * 3, payload * 3 + 1, std::size_t{1}}) {
            const auto data = Bytes(size);
            // Eight-byte reports cut the parameter block after the class: the index reads as 0.
            h.SetReadData(FN_READ_RECORD, CLASS_PHONEBOOK, 0, data);
            EXPECT_EQ(Read(CLASS_PHONEBOOK, 0), Msg::Ok) << len << " " << size;
            EXPECT_EQ(received, data);

            h.ClearCommands();
            if (len < 11) {
                // Nor does an eight-byte reply hold the 4-byte tag the handset answers a write with.
                EXPECT_EQ(Write(FN_WRITE_IMAGE, CLASS_IMAGE, data), Msg::SendFailed);
                continue;
            }
            EXPECT_EQ(Write(FN_WRITE_IMAGE, CLASS_IMAGE, data), Msg::Ok) << len << " " << size;
            // The host awaits nothing after its last data report; the handset may still be reading it.
            Settle();
            const auto log = h.Commands();
            ASSERT_EQ(log.size(), 1u);
            EXPECT_TRUE(log[0].completed);
            EXPECT_EQ(log[0].data, data);
            EXPECT_EQ(reply.size(), 4u);
        }
        StopHandset(started++);
    }
}

TEST_F(SimExchange, ExchangesReachTheHandsetInTheOrderSent)
{
    SimHandset& h = StartHandset();
    for (std::uint8_t i = 0; i < 30; ++i) {
        std::vector<std::uint8_t> record(41, 0);
        record[0] = static_cast<std::uint8_t>('A' + i);
        ASSERT_EQ(Write(FN_WRITE_RECORD, CLASS_PHONEBOOK, record), Msg::Ok);
    }
    h.SetReadData(FN_READ_RECORD, CLASS_HANDSET_INFO, 1, {1});
    ASSERT_EQ(Read(CLASS_HANDSET_INFO, 1), Msg::Ok);  // served only after every earlier write
    const auto book = h.Phonebook();
    ASSERT_EQ(book.size(), 30u);
    for (std::size_t i = 0; i < book.size(); ++i)
        EXPECT_EQ(book[i][4], 'A' + i);
}

TEST_F(SimExchange, HandsetInformationComesInline)
{
    SimConfig c;
    c.name = "Kitchen";
    StartHandset(c);
    ASSERT_EQ(Read(CLASS_HANDSET_INFO, 0), Msg::Ok);
    ASSERT_EQ(received.size(), 26u);
    EXPECT_EQ(std::string(received.begin() + 4, received.begin() + 11), "Kitchen");
    EXPECT_EQ(steps, 0);
}

TEST_F(SimExchange, RefusalsAndSilence)
{
    SimHandset& h = StartHandset();
    SimFaults f;
    f.refuseCode = 3;
    h.SetFaults(f);
    EXPECT_EQ(Read(CLASS_HANDSET_INFO, 0), Msg::RefusedHandsetInUse);
    const auto data = Bytes(100);
    EXPECT_EQ(Write(FN_WRITE_IMAGE, CLASS_IMAGE, data), Msg::RefusedHandsetInUse);

    f = {};
    f.noReply = true;
    h.SetFaults(f);
    EXPECT_EQ(Read(CLASS_HANDSET_INFO, 0), Msg::ReadFailed);
    EXPECT_EQ(Write(FN_WRITE_IMAGE, CLASS_IMAGE, data), Msg::SendFailed);

    // A reply left over from the silent command is drained, not taken as the next reply.
    h.SetFaults({});
    EXPECT_EQ(Read(CLASS_HANDSET_INFO, 0), Msg::Ok);
}

TEST_F(SimExchange, StallsTimeOutInBothDirections)
{
    SimHandset& h = StartHandset();
    SimFaults f;
    f.stallAfter = 2;
    h.SetFaults(f);
    h.SetReadData(FN_READ_RECORD, CLASS_PHONEBOOK, 1, Bytes(63 * 5));
    EXPECT_EQ(Read(CLASS_PHONEBOOK, 1), Msg::ReadFailed);
    EXPECT_TRUE(received.empty());
    // Outbound, the handset stops taking reports; the socket queue fills and the write times out.
    const auto data = Bytes(63 * 200);
    EXPECT_EQ(Write(FN_WRITE_IMAGE, CLASS_IMAGE, data), Msg::SendFailed);
}

TEST_F(SimExchange, HandsetStopsADownloadWithAReportOfItsOwn)
{
    SimHandset& h = StartHandset();
    SimFaults f;
    f.unsolicitedAfter = 3;
    f.unsolicitedCode = 7;
    h.SetFaults(f);
    const auto data = Bytes(63 * 50);
    EXPECT_EQ(Write(FN_WRITE_IMAGE, CLASS_IMAGE, data), Msg::RefusedHandsetCanceledImage);
    EXPECT_LT(steps, 50);
    EXPECT_EQ(h.PictureCount(), 0u);
}

TEST(SimBusClock, ReportsFollowEachOtherWithoutDrift)
{
    using namespace std::chrono;
    const SimBusClock::Clock::time_point start{};
    // A pace of 1000 reports a second: a thousand reports ready at once take exactly a second.
    SimBusClock paced(SimBus::None, 1000);
    for (int i = 0; i < 1000; ++i)
        paced.Cross(SimBusClock::Direction::ToHandset, start, 4097);
    EXPECT_EQ(paced.FreeAt(SimBusClock::Direction::ToHandset) - start, seconds(1));
    EXPECT_EQ(paced.FreeAt(SimBusClock::Direction::ToHost), SimBusClock::Clock::time_point{}) << "each way on its own";

    // Full speed: a 1 ms frame for each 64 bytes begun; a report ready later starts later.
    SimBusClock usb(SimBus::FullSpeed, 0);
    EXPECT_EQ(usb.Cross(SimBusClock::Direction::ToHost, start, 64) - start, milliseconds(1));
    EXPECT_EQ(usb.Cross(SimBusClock::Direction::ToHost, start, 65) - start, milliseconds(3));
    EXPECT_EQ(usb.Cross(SimBusClock::Direction::ToHost, start + milliseconds(10), 11) - start, milliseconds(11));
    EXPECT_TRUE(SimBusClock(SimBus::None, 0).Instant());
    EXPECT_FALSE(usb.Instant());
}

TEST_F(SimExchange, TheFullSpeedBusPacesASendAndHoldsOnlyAFewReportsInFlight)
{
    SimHandset& h = StartHandsetOnBus({});
    watched = &h;
    const std::size_t reports = 150;
    const auto data = Bytes(63 * reports);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Write(FN_WRITE_IMAGE, CLASS_IMAGE, data), Msg::Ok);
    const auto took = std::chrono::steady_clock::now() - start;
    // Done means the handset has the picture, not that it is still in the socket.
    EXPECT_EQ(h.PictureCount(), 1u);
    // Each 64-byte report takes a 1 ms frame; the command and its reply one more each.
    EXPECT_GE(took, std::chrono::milliseconds(reports + 2));
    EXPECT_LE(maxInFlight, 10);
    std::printf("most reports in flight: %d\n", maxInFlight);
}

TEST_F(SimExchange, AReportOfTheHandsetsOwnStopsASendWhileItIsStillGoing)
{
    SimConfig c;
    const int k = 20;
    c.faults.unsolicitedAfter = k;
    SimHandset& h = StartHandsetOnBus(c);
    const auto data = Bytes(63 * 200);
    EXPECT_EQ(Write(FN_WRITE_IMAGE, CLASS_IMAGE, data), Msg::RefusedHandsetCanceledImage);
    Settle();
    // What was on its way when the program stopped still reaches the handset, and no more.
    EXPECT_GE(h.DataReportsTaken(), k);
    EXPECT_LE(h.DataReportsTaken(), k + 10);
    EXPECT_EQ(h.PictureCount(), 0u);
}

TEST_F(SimExchange, TheHandsetForgetsConnectionsThatHaveEnded)
{
    StartHandset();
    std::uint16_t product = 0;
    for (int i = 0; i < 300; ++i)
        ASSERT_TRUE(HandsetLink::FindHandset(product, true));
    EXPECT_EQ(Read(CLASS_HANDSET_INFO, 0), Msg::Ok);
    Settle();
    // The accept loop joins ended connections' threads as the next connection comes.
    EXPECT_EQ(Read(CLASS_HANDSET_INFO, 0), Msg::Ok);
    EXPECT_LE(Server(0).ThreadCount(), 2u);
}

TEST_F(SimExchange, CancelInboundAndOutbound)
{
    SimConfig c;
    c.pace = 200;
    SimHandset& h = StartHandset(c);
    h.SetReadData(FN_READ_RECORD, CLASS_PHONEBOOK, 1, Bytes(63 * 20));
    cancelAtStep = 2;
    EXPECT_EQ(Read(CLASS_PHONEBOOK, 1), Msg::Cancelled);
    EXPECT_TRUE(received.empty());

    // A cancel left over from before is the caller's to clear; here it starts clean.
    cancel.Reset();
    steps = 0;
    cancelAtStep = 3;
    h.ClearCommands();
    const auto data = Bytes(63 * 20);
    EXPECT_EQ(Write(FN_WRITE_IMAGE, CLASS_IMAGE, data), Msg::Cancelled);
    Settle();
    // The handset heard the abort command after the download had begun.
    bool aborted = false;
    for (const auto& cmd : h.Commands())
        aborted = aborted || (cmd.op == OP_CONTROL && cmd.function == FN_ABORT);
    EXPECT_TRUE(aborted);
    EXPECT_EQ(h.PictureCount(), 0u);
}

TEST_F(SimExchange, UnplugDuringTransfersEndsThemWithTheEngineFailure)
{
    SimConfig c;
    c.faults.disconnectAfter = 4;  // command, reply and two data reports
    SimHandset& h = StartHandset(c, "a");
    h.SetReadData(FN_READ_RECORD, CLASS_PHONEBOOK, 1, Bytes(63 * 10));
    EXPECT_EQ(Read(CLASS_PHONEBOOK, 1), Msg::ReadFailed);
    // Gone for good: the next exchange finds no handset.
    EXPECT_EQ(Read(CLASS_PHONEBOOK, 1), Msg::PhoneNotFound);

    SimHandset& h2 = StartHandset(c, "b");
    (void)h2;
    const auto data = Bytes(63 * 100);
    EXPECT_EQ(Write(FN_WRITE_IMAGE, CLASS_IMAGE, data), Msg::SendFailed);
}

TEST_F(SimExchange, LengthsTheHandsetCannotUseAreRefusedBeforeAnyReport)
{
    SimConfig c;
    c.inLen = c.outLen = 4098;
    SimHandset& h = StartHandset(c);
    EXPECT_EQ(Read(CLASS_HANDSET_INFO, 0), Msg::ReportSizeTooLarge);
    EXPECT_TRUE(h.Commands().empty());
    EXPECT_EQ(HandsetLink::CountDataReports(1000), 0);
}

TEST_F(SimExchange, CountDataReportsUsesTheHandsetsOutputLength)
{
    EXPECT_EQ(HandsetLink::CountDataReports(1000), 0);  // no handset
    SimConfig c;
    c.outLen = 64;
    StartHandset(c);
    EXPECT_EQ(HandsetLink::CountDataReports(32772), 521);
    EXPECT_EQ(HandsetLink::CountDataReports(63), 1);
    EXPECT_EQ(HandsetLink::CountDataReports(0), 0);
}

TEST_F(SimExchange, NoHandsetMeansPhoneNotFound)
{
    EXPECT_EQ(Read(CLASS_HANDSET_INFO, 0), Msg::PhoneNotFound);
    const auto data = Bytes(10);
    EXPECT_EQ(Write(FN_WRITE_IMAGE, CLASS_IMAGE, data), Msg::PhoneNotFound);
}

}  // namespace
