#pragma once

#include "core/handset/ReportCaps.h"

#include <cstdint>
#include <span>

class Event;

enum class IoStatus {
    Ok,
    TimedOut,
    Cancelled,
    // The device hung up or reported an I/O error: it has been unplugged.
    Gone,
    Failed,
};

// One open handset, seen as a stream of reports. The exchange engines talk to this and
// nothing else, so they can run against a real device, a simulated one or a fuzzer.
class ReportPort {
public:
    virtual ~ReportPort() = default;

    virtual ReportCaps Caps() const = 0;
    // False when the means of waiting for writes could not be set up.
    virtual bool IoReady() const { return true; }

    // Reads one input report into `buffer` (at least kMaxReportLength bytes), which is
    // zeroed first so that a short report leaves no stale bytes. Waits up to timeoutMs
    // (0: only what is already queued). A signalled `cancel` ends the wait.
    virtual IoStatus Read(std::span<std::uint8_t> buffer, int timeoutMs, const Event* cancel) = 0;

    // Queues one output report (exactly OutLen bytes) and returns at once.
    virtual IoStatus StartWrite(std::span<const std::uint8_t> report) = 0;
    // Waits until every queued report has been written. A completed write wins over a
    // cancel that arrives at the same time.
    virtual IoStatus FinishWrite(int timeoutMs, const Event* cancel) = 0;
    // Waits until the handset has taken every report written. A hidraw write completes only
    // then; a socket may still hold a few reports.
    virtual IoStatus Flush(int timeoutMs, const Event* cancel)
    {
        (void)timeoutMs;
        (void)cancel;
        return IoStatus::Ok;
    }
};
