// Feeds a lying handset's replies and data reports to both exchange engines.
//
// Input: [0] flags (bit 0: send, bit 1: control op, bits 2-3: how writes fail, bit 4: cancel)
//        [1..2] InLen   [3..4] OutLen   [5..6] outbound size   [7] write number that fails
//        then reports, each a 2-byte length and that many bytes; reports with the top bit of
//        the length set are waiting before the command (the drain must throw them away).

#include "support/ScriptedPort.h"

#include "core/common/Event.h"
#include "core/handset/HandsetLink.h"
#include "core/handset/ReportLayout.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 8)
        return 0;
    const std::uint8_t flags = data[0];
    // Lengths range a little past the limits so that the refusals are exercised too.
    const int inLen = (data[1] | (data[2] << 8)) % 4200;
    const int outLen = (data[3] | (data[4] << 8)) % 4200;
    const std::size_t outSize = (data[5] | (data[6] << 8)) % 20000;
    const int failingWrite = data[7];

    ScriptedPort port(ReportCaps{0x3E5A, 0x18F8, inLen, outLen});
    static const IoStatus kFailures[] = {IoStatus::Ok, IoStatus::TimedOut, IoStatus::Gone, IoStatus::Failed};
    if (const IoStatus failure = kFailures[(flags >> 2) & 3]; failure != IoStatus::Ok)
        port.FailWritesFrom(failingWrite + 1, failure);

    std::size_t at = 8;
    while (at + 2 <= size) {
        const unsigned raw = data[at] | (data[at + 1] << 8);
        at += 2;
        const std::size_t len = std::min<std::size_t>(raw & 0x7FFF, size - at);
        std::vector<std::uint8_t> report(data + at, data + at + len);
        at += len;
        if (raw & 0x8000)
            port.QueueNow(std::move(report));
        else
            port.QueueAfterWrite(1, std::move(report));
    }

    Event cancel(Event::Mode::ManualReset);
    if (flags & 0x10)
        port.OnWrite([&](int n) {
            if (n == failingWrite)
                cancel.Set();
        });

    const std::uint8_t params[8] = {4, 0, 0, 0, 4, 1, 0, 0};
    std::vector<std::uint8_t> received;
    std::vector<std::uint8_t> reply;
    std::vector<std::uint8_t> outbound(outSize, 0x5A);
    ExchangeRequest request;
    request.parameters = params;
    request.cancel = &cancel;
    request.progressStep = [] {};
    if (flags & 1) {
        request.op = OP_WRITE;
        request.function = 2;
        request.data = outbound;
        request.reply = &reply;
        HandsetLink::SendOn(port, request);
        if (reply.size() > static_cast<std::size_t>(inLen))
            __builtin_trap();
    } else {
        request.op = (flags & 2) ? OP_CONTROL : OP_READ;
        request.function = 7;
        request.received = &received;
        const Msg result = HandsetLink::ReceiveOn(port, request);
        if (result != Msg::Ok && !received.empty())
            __builtin_trap();  // a failed exchange must not hand out data
    }
    return 0;
}
