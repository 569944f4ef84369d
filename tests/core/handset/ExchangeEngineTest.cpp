// The two exchange engines against a scripted handset: exact reports, time-outs and results.

#include "support/ScriptedPort.h"

#include "core/common/ByteOrder.h"
#include "core/common/Event.h"
#include "core/handset/HandsetLink.h"
#include "core/handset/ReportLayout.h"
#include "core/handset/Timeouts.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

constexpr std::uint8_t kParams[8] = {4, 0, 0, 0, 4, 0, 0, 0};

std::vector<std::uint8_t> Bytes(std::size_t n, std::uint8_t seed = 1)
{
    std::vector<std::uint8_t> v(n);
    std::iota(v.begin(), v.end(), seed);
    return v;
}

ReportCaps Caps(int len)
{
    return {0x3E5A, 0x18F8, len, len};
}

class ExchangeEngine : public ::testing::Test {
protected:
    void SetUp() override { HandsetTimeouts() = Timeouts{}; }

    ExchangeRequest Receive(std::uint8_t op = OP_READ)
    {
        ExchangeRequest r;
        r.op = op;
        r.function = 7;
        r.parameters = kParams;
        r.received = &received;
        r.progressStep = [this] { ++steps; };
        r.cancel = &cancel;
        return r;
    }

    ExchangeRequest Send(std::span<const std::uint8_t> data)
    {
        ExchangeRequest r;
        r.op = OP_WRITE;
        r.function = 1;
        r.parameters = kParams;
        r.data = data;
        r.reply = &reply;
        r.progressStep = [this] { ++steps; };
        r.cancel = &cancel;
        return r;
    }

    std::vector<std::uint8_t> received;
    std::vector<std::uint8_t> reply;
    int steps = 0;
    Event cancel{Event::Mode::ManualReset};
};

// --- report lengths -------------------------------------------------------------------

TEST_F(ExchangeEngine, RefusesUnusableReportLengthsBeforeWritingAnything)
{
    const ReportCaps bad[] = {
        {0x3E5A, 0x18F8, 64, 4098},  // OutLen beyond the buffers
        {0x3E5A, 0x18F8, 64, 1},     // OutLen with no room for data
        {0x3E5A, 0x18F8, 64, 0},
        {0x3E5A, 0x18F8, 6, 64},     // InLen too short for a reply
        {0x3E5A, 0x18F8, 4098, 64},  // InLen beyond the read buffer
    };
    for (const ReportCaps& caps : bad) {
        ScriptedPort port(caps);
        auto rx = Receive();
        EXPECT_EQ(HandsetLink::ReceiveOn(port, rx), Msg::ReportSizeTooLarge);
        const auto data = Bytes(10);
        auto tx = Send(data);
        EXPECT_EQ(HandsetLink::SendOn(port, tx), Msg::ReportSizeTooLarge);
        EXPECT_TRUE(port.Writes().empty()) << caps.inLen << "/" << caps.outLen;
    }
}

TEST_F(ExchangeEngine, MissingWaitMeansCreateEventFailed)
{
    ScriptedPort port(Caps(64));
    port.SetIoReady(false);
    auto rx = Receive();
    EXPECT_EQ(HandsetLink::ReceiveOn(port, rx), Msg::CreateEventFailed);
    EXPECT_TRUE(port.Writes().empty());
}

TEST_F(ExchangeEngine, ReportTimeoutGrowsWithOutputLength)
{
    const Timeouts t;
    EXPECT_EQ(ReportTimeoutMs(t, 8), 2000);
    EXPECT_EQ(ReportTimeoutMs(t, 64), 2000);
    EXPECT_EQ(ReportTimeoutMs(t, 255), 2000);
    EXPECT_EQ(ReportTimeoutMs(t, 256), 2500);
    EXPECT_EQ(ReportTimeoutMs(t, 4097), 10000);
}

// --- the command report ---------------------------------------------------------------

TEST_F(ExchangeEngine, DrainsStaleReportsAndWritesOneCommandOfOutLenBytes)
{
    ScriptedPort port(Caps(64));
    port.QueueNow(ReplyReport(64, 1, 3, 0));  // stale: would be a refusal if read as the reply
    port.QueueNow(DataReport(64, Bytes(5)));
    port.QueueAfterWrite(1, ReplyReport(64, 0, 1, 3, Bytes(3)));
    auto rx = Receive();
    ASSERT_EQ(HandsetLink::ReceiveOn(port, rx), Msg::Ok);
    EXPECT_EQ(received, Bytes(3));
    ASSERT_EQ(port.Writes().size(), 1u);
    const auto& cmd = port.Writes()[0];
    ASSERT_EQ(cmd.size(), 64u);
    EXPECT_EQ(cmd[0], 1);
    EXPECT_EQ(cmd[1], OP_READ);
    EXPECT_EQ(cmd[2], 7);
    EXPECT_TRUE(std::equal(std::begin(kParams), std::end(kParams), cmd.begin() + 3));
    EXPECT_TRUE(std::all_of(cmd.begin() + 11, cmd.end(), [](auto b) { return b == 0; }));
    // Three drain reads at 0 ms (two stale reports, then nothing), then the reply at T.
    EXPECT_EQ(port.ReadTimeouts(), (std::vector<int>{0, 0, 0, 2000}));
    EXPECT_EQ(port.WriteTimeouts(), (std::vector<int>{2000}));
}

TEST_F(ExchangeEngine, OutputReportsTooShortForACommandAreRefusedBeforeAnyWrite)
{
    for (int len : {2, 10}) {
        ScriptedPort port(Caps(len));
        auto rx = Receive();
        EXPECT_EQ(HandsetLink::ReceiveOn(port, rx), Msg::ReportSizeTooLarge);
        const auto data = Bytes(100);
        auto tx = Send(data);
        EXPECT_EQ(HandsetLink::SendOn(port, tx), Msg::ReportSizeTooLarge);
        EXPECT_TRUE(port.Writes().empty());
    }
    ScriptedPort port(Caps(11));
    port.QueueAfterWrite(1, ReplyReport(11, 0, 1, 0));
    auto rx = Receive();
    ASSERT_EQ(HandsetLink::ReceiveOn(port, rx), Msg::Ok);
    ASSERT_EQ(port.Writes()[0].size(), 11u);
    EXPECT_TRUE(std::equal(std::begin(kParams), std::end(kParams), port.Writes()[0].begin() + 3));
}

TEST_F(ExchangeEngine, FailedCommandWriteEndsEachEngineWithItsFailure)
{
    for (IoStatus status : {IoStatus::TimedOut, IoStatus::Gone}) {
        ScriptedPort port(Caps(64));
        port.FailWritesFrom(1, status);
        auto rx = Receive();
        EXPECT_EQ(HandsetLink::ReceiveOn(port, rx), Msg::ReadFailed);
        const auto data = Bytes(100);
        auto tx = Send(data);
        EXPECT_EQ(HandsetLink::SendOn(port, tx), Msg::SendFailed);
    }
}

// --- receiving --------------------------------------------------------------------------

TEST_F(ExchangeEngine, ControlCommandWaitsFiveSecondsWhateverTheLength)
{
    for (int len : {64, 4097}) {
        ScriptedPort port(Caps(len));
        port.QueueAfterWrite(1, ReplyReport(len, 0, 1, 0));
        auto rx = Receive(OP_CONTROL);
        ASSERT_EQ(HandsetLink::ReceiveOn(port, rx), Msg::Ok);
        EXPECT_EQ(port.ReadTimeouts().back(), 5000);
    }
}

TEST_F(ExchangeEngine, InlineReplyWithCountZeroIsSuccessWithNoData)
{
    ScriptedPort port(Caps(64));
    port.QueueAfterWrite(1, ReplyReport(64, 0, 1, 0));
    received = {9, 9};
    auto rx = Receive();
    EXPECT_EQ(HandsetLink::ReceiveOn(port, rx), Msg::Ok);
    EXPECT_TRUE(received.empty());
    EXPECT_EQ(steps, 0);
}

TEST_F(ExchangeEngine, InlineCountIsBoundedByTheReport)
{
    ScriptedPort fits(Caps(64));
    fits.QueueAfterWrite(1, ReplyReport(64, 0, 1, 57, Bytes(57)));
    auto rx = Receive();
    EXPECT_EQ(HandsetLink::ReceiveOn(fits, rx), Msg::Ok);
    EXPECT_EQ(received, Bytes(57));

    ScriptedPort lies(Caps(64));
    lies.QueueAfterWrite(1, ReplyReport(64, 0, 1, 58, Bytes(57)));
    auto rx2 = Receive();
    EXPECT_EQ(HandsetLink::ReceiveOn(lies, rx2), Msg::ReadFailed);
    EXPECT_TRUE(received.empty());
}

TEST_F(ExchangeEngine, DataReportsCarryOutLenMinusOneBytesEach)
{
    struct Case {
        int len;
        std::size_t count;
        std::size_t reports;
    };
    // Exact multiples of the payload, and one byte more.
    for (const Case c : {Case{64, 126, 2}, Case{64, 127, 3}, Case{11, 10, 1}, Case{11, 11, 2}, Case{4097, 4096, 1},
                         Case{4097, 8193, 3}}) {
        const auto payload = static_cast<std::size_t>(c.len - 1);
        const auto data = Bytes(c.count, 3);
        ScriptedPort port(Caps(c.len));
        port.QueueAfterWrite(1, ReplyReport(c.len, 0, 0, static_cast<std::uint32_t>(c.count)));
        for (std::size_t i = 0; i < c.reports; ++i) {
            const std::size_t at = i * payload;
            port.QueueAfterWrite(1, DataReport(c.len, std::span(data).subspan(at, std::min(payload, c.count - at))));
        }
        steps = 0;
        auto rx = Receive();
        ASSERT_EQ(HandsetLink::ReceiveOn(port, rx), Msg::Ok) << c.len << " " << c.count;
        EXPECT_EQ(received, data);
        EXPECT_EQ(steps, static_cast<int>(c.reports));
        EXPECT_EQ(port.ReadTimeouts().back(), ReportTimeoutMs(Timeouts{}, c.len));
    }
}

TEST_F(ExchangeEngine, DataReportCountZeroEndsAtOnce)
{
    ScriptedPort port(Caps(64));
    port.QueueAfterWrite(1, ReplyReport(64, 0, 0, 0));
    auto rx = Receive();
    EXPECT_EQ(HandsetLink::ReceiveOn(port, rx), Msg::Ok);
    EXPECT_TRUE(received.empty());
}

TEST_F(ExchangeEngine, ReplyReportInPlaceOfDataReportIsARefusal)
{
    ScriptedPort port(Caps(64));
    port.QueueAfterWrite(1, ReplyReport(64, 0, 0, 200));
    port.QueueAfterWrite(1, DataReport(64, Bytes(63)));
    port.QueueAfterWrite(1, ReplyReport(64, 1, 4, 0));
    auto rx = Receive();
    EXPECT_EQ(HandsetLink::ReceiveOn(port, rx), Msg::RefusedIncomingCall);
    EXPECT_TRUE(received.empty());
}

TEST_F(ExchangeEngine, InboundFailuresAllReadAsCouldNotRead)
{
    // Unknown report id in the data phase.
    ScriptedPort wrongId(Caps(64));
    wrongId.QueueAfterWrite(1, ReplyReport(64, 0, 0, 100));
    auto bad = DataReport(64, Bytes(63));
    bad[0] = 5;
    wrongId.QueueAfterWrite(1, bad);
    auto rx = Receive();
    EXPECT_EQ(HandsetLink::ReceiveOn(wrongId, rx), Msg::ReadFailed);
    EXPECT_TRUE(received.empty());

    // Unknown data form.
    ScriptedPort form(Caps(64));
    form.QueueAfterWrite(1, ReplyReport(64, 0, 2, 10));
    auto rx2 = Receive();
    EXPECT_EQ(HandsetLink::ReceiveOn(form, rx2), Msg::ReadFailed);

    // No reply at all, and no data report after the reply.
    ScriptedPort silent(Caps(64));
    auto rx3 = Receive();
    EXPECT_EQ(HandsetLink::ReceiveOn(silent, rx3), Msg::ReadFailed);
    ScriptedPort stalls(Caps(64));
    stalls.QueueAfterWrite(1, ReplyReport(64, 0, 0, 100));
    stalls.QueueAfterWrite(1, DataReport(64, Bytes(63)));
    auto rx4 = Receive();
    EXPECT_EQ(HandsetLink::ReceiveOn(stalls, rx4), Msg::ReadFailed);
    EXPECT_TRUE(received.empty());

    // Unplugged in the middle.
    ScriptedPort gone(Caps(64));
    gone.QueueAfterWrite(1, ReplyReport(64, 0, 0, 100));
    gone.SetEmptyReadStatus(IoStatus::Gone);
    auto rx5 = Receive();
    EXPECT_EQ(HandsetLink::ReceiveOn(gone, rx5), Msg::ReadFailed);
}

TEST_F(ExchangeEngine, HugeAnnouncedCountDoesNotAllocateUpFront)
{
    ScriptedPort port(Caps(64));
    port.QueueAfterWrite(1, ReplyReport(64, 0, 0, 0xFFFFFFFFu));
    port.QueueAfterWrite(1, DataReport(64, Bytes(63)));
    auto rx = Receive();
    EXPECT_EQ(HandsetLink::ReceiveOn(port, rx), Msg::ReadFailed);
    EXPECT_TRUE(received.empty());
}

TEST_F(ExchangeEngine, CancelDuringInboundDataFreesWhatArrived)
{
    ScriptedPort port(Caps(64));
    port.QueueAfterWrite(1, ReplyReport(64, 0, 0, 200));
    for (int i = 0; i < 4; ++i)
        port.QueueAfterWrite(1, DataReport(64, Bytes(63)));
    auto rx = Receive();
    rx.progressStep = [this] {
        if (++steps == 2)
            cancel.Set();
    };
    EXPECT_EQ(HandsetLink::ReceiveOn(port, rx), Msg::Cancelled);
    EXPECT_TRUE(received.empty());
    EXPECT_EQ(steps, 2);
}

TEST_F(ExchangeEngine, CancelWhileWaitingForInboundDataEndsTheWait)
{
    ScriptedPort port(Caps(64));
    port.QueueAfterWrite(1, ReplyReport(64, 0, 0, 200));
    cancel.Set();
    auto rx = Receive();
    EXPECT_EQ(HandsetLink::ReceiveOn(port, rx), Msg::Cancelled);
}

TEST_F(ExchangeEngine, EveryRefusalCodeMapsToItsMessage)
{
    const std::pair<std::uint8_t, Msg> table[] = {
        {2, Msg::RefusedMemoryFull},      {3, Msg::RefusedHandsetInUse},
        {4, Msg::RefusedIncomingCall},    {5, Msg::RefusedLowBattery},
        {6, Msg::RefusedSoundClipBusy},   {7, Msg::RefusedHandsetCanceledImage},
        {8, Msg::RefusedFileTooLarge},    {0, Msg::RefusedOther},
        {1, Msg::RefusedOther},           {9, Msg::RefusedOther},
        {255, Msg::RefusedOther},
    };
    for (const auto& [code, msg] : table) {
        EXPECT_EQ(HandsetLink::RefusalMessage(code), msg);
        ScriptedPort in(Caps(64));
        in.QueueAfterWrite(1, ReplyReport(64, 1, code, 0));
        auto rx = Receive();
        EXPECT_EQ(HandsetLink::ReceiveOn(in, rx), msg);
        ScriptedPort out(Caps(64));
        out.QueueAfterWrite(1, ReplyReport(64, 0xFF, code, 0));
        const auto data = Bytes(10);
        auto tx = Send(data);
        EXPECT_EQ(HandsetLink::SendOn(out, tx), msg);
        EXPECT_EQ(out.Writes().size(), 1u) << "no data after a refusal";
    }
}

// --- sending ------------------------------------------------------------------------------

TEST_F(ExchangeEngine, SendSplitsDataAndPadsTheLastReportWithZeros)
{
    for (const std::size_t size : {std::size_t{126}, std::size_t{127}}) {
        const auto data = Bytes(size, 10);
        ScriptedPort port(Caps(64));
        port.QueueAfterWrite(1, ReplyReport(64, 0, 0, 4, std::vector<std::uint8_t>{4, 7, 0, 0}));
        steps = 0;
        auto tx = Send(data);
        ASSERT_EQ(HandsetLink::SendOn(port, tx), Msg::Ok);
        EXPECT_EQ(reply, (std::vector<std::uint8_t>{4, 7, 0, 0}));
        const std::size_t reports = (size + 62) / 63;
        ASSERT_EQ(port.Writes().size(), 1 + reports);
        EXPECT_EQ(steps, static_cast<int>(reports));
        std::vector<std::uint8_t> sent;
        for (std::size_t i = 1; i < port.Writes().size(); ++i) {
            const auto& w = port.Writes()[i];
            ASSERT_EQ(w.size(), 64u);
            EXPECT_EQ(w[0], 2);
            sent.insert(sent.end(), w.begin() + 1, w.end());
        }
        ASSERT_EQ(sent.size(), reports * 63);
        EXPECT_TRUE(std::equal(data.begin(), data.end(), sent.begin()));
        EXPECT_TRUE(std::all_of(sent.begin() + static_cast<std::ptrdiff_t>(size), sent.end(), [](auto b) { return b == 0; }));
        // After each data report, one look at the input queue that does not wait.
        EXPECT_EQ(port.ReadTimeouts().back(), 0);
    }
}

TEST_F(ExchangeEngine, SendWithNoDataEndsAfterTheReply)
{
    ScriptedPort port(Caps(64));
    port.QueueAfterWrite(1, ReplyReport(64, 0, 0, 0));
    auto tx = Send({});
    EXPECT_EQ(HandsetLink::SendOn(port, tx), Msg::Ok);
    EXPECT_EQ(port.Writes().size(), 1u);
    EXPECT_TRUE(reply.empty());
}

TEST_F(ExchangeEngine, SendNeverUsesTheControlTimeout)
{
    ScriptedPort port(Caps(4097));
    port.QueueAfterWrite(1, ReplyReport(4097, 0, 0, 0));
    const auto data = Bytes(5000);
    auto tx = Send(data);
    tx.op = OP_CONTROL;  // not a send op, but the send engine must still use T
    ASSERT_EQ(HandsetLink::SendOn(port, tx), Msg::Ok);
    EXPECT_EQ(port.ReadTimeouts()[1], 10000);
    EXPECT_EQ(port.WriteTimeouts()[1], 10000);
}

TEST_F(ExchangeEngine, ReplySizeBeyondTheReportFailsTheSend)
{
    ScriptedPort port(Caps(64));
    port.QueueAfterWrite(1, ReplyReport(64, 0, 0, 58));
    const auto data = Bytes(10);
    auto tx = Send(data);
    EXPECT_EQ(HandsetLink::SendOn(port, tx), Msg::SendFailed);
    EXPECT_EQ(port.Writes().size(), 1u);
}

TEST_F(ExchangeEngine, OutboundFailuresAllReadAsCouldNotSend)
{
    const auto data = Bytes(300);
    ScriptedPort silent(Caps(64));
    auto tx = Send(data);
    EXPECT_EQ(HandsetLink::SendOn(silent, tx), Msg::SendFailed);

    for (IoStatus status : {IoStatus::TimedOut, IoStatus::Gone, IoStatus::Failed}) {
        ScriptedPort port(Caps(64));
        port.QueueAfterWrite(1, ReplyReport(64, 0, 0, 0));
        port.FailWritesFrom(3, status);
        auto tx2 = Send(data);
        EXPECT_EQ(HandsetLink::SendOn(port, tx2), Msg::SendFailed);
        EXPECT_EQ(port.Writes().size(), 3u);
    }
}

TEST_F(ExchangeEngine, UnsolicitedReportDuringSendStopsIt)
{
    const auto data = Bytes(63 * 5);
    ScriptedPort port(Caps(64));
    port.QueueAfterWrite(1, ReplyReport(64, 0, 0, 0));
    // Whatever its status byte says, byte 2 is the refusal code.
    port.QueueAfterWrite(3, ReplyReport(64, 0, 7, 0));
    auto tx = Send(data);
    EXPECT_EQ(HandsetLink::SendOn(port, tx), Msg::RefusedHandsetCanceledImage);
    EXPECT_EQ(port.Writes().size(), 3u);
}

TEST_F(ExchangeEngine, CancelDuringSendSendsAbortUnlessLastReport)
{
    const auto data = Bytes(63 * 3);
    // Cancel during data report 2 of 3: abort command, then one read of 500 ms.
    {
        ScriptedPort port(Caps(64));
        port.QueueAfterWrite(1, ReplyReport(64, 0, 0, 0));
        port.OnWrite([&](int n) {
            if (n == 3)
                cancel.Set();
        });
        auto tx = Send(data);
        EXPECT_EQ(HandsetLink::SendOn(port, tx), Msg::Cancelled);
        ASSERT_EQ(port.Writes().size(), 4u);
        const auto& abort = port.Writes()[3];
        EXPECT_EQ(abort[0], 1);
        EXPECT_EQ(abort[1], OP_CONTROL);
        EXPECT_EQ(abort[2], FN_ABORT);
        EXPECT_TRUE(std::all_of(abort.begin() + 3, abort.end(), [](auto b) { return b == 0; }));
        EXPECT_EQ(port.ReadTimeouts().back(), 500);
        EXPECT_EQ(steps, 2);
    }
    // Cancel during the last one: no abort, still cancelled.
    cancel.Reset();
    steps = 0;
    {
        ScriptedPort port(Caps(64));
        port.QueueAfterWrite(1, ReplyReport(64, 0, 0, 0));
        port.OnWrite([&](int n) {
            if (n == 4)
                cancel.Set();
        });
        auto tx = Send(data);
        EXPECT_EQ(HandsetLink::SendOn(port, tx), Msg::Cancelled);
        EXPECT_EQ(port.Writes().size(), 4u);
        EXPECT_EQ(port.ReadTimeouts().back(), 500);
        EXPECT_EQ(steps, 3);
    }
}

}  // namespace
