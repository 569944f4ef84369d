#pragma once

#include "core/handset/ReportPort.h"

#include "core/common/UniqueFd.h"

#include <cstdint>
#include <memory>
#include <span>

class Event;

// Writes output reports to a hidraw node on a thread of its own, so that whoever waits for
// them keeps its own time limit and can be cancelled, even while a write is stuck in the kernel.
class ReportWriter {
public:
    explicit ReportWriter(std::shared_ptr<UniqueFd> device);
    ~ReportWriter();
    ReportWriter(const ReportWriter&) = delete;
    ReportWriter& operator=(const ReportWriter&) = delete;

    bool IsValid() const;
    IoStatus Submit(std::span<const std::uint8_t> report);
    IoStatus WaitIdle(int timeoutMs, const Event* cancel);

private:
    struct State;
    static void Run(std::shared_ptr<State> state);

    std::shared_ptr<State> m_state;
};
