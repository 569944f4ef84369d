#pragma once

#include "core/handset/ReportPort.h"
#include "core/handset/ReportWriter.h"

#include "core/common/UniqueFd.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

// An open handset: a non-blocking descriptor of a hidraw node or of a simulated handset's
// socket. Both carry one report per read or write, report id first.
//
// Writes differ. A socket takes a report at once or says it is full, so it is written here,
// waiting with poll(). A hidraw write blocks inside the kernel until the report is on the
// wire, so it goes to a ReportWriter thread.
class HandsetDevice final : public ReportPort {
public:
    enum class Kind { Hidraw, Socket };

    HandsetDevice(UniqueFd fd, ReportCaps caps, std::string path, Kind kind);
    ~HandsetDevice() override;

    const std::string& Path() const { return m_path; }

    ReportCaps Caps() const override { return m_caps; }
    bool IoReady() const override { return !m_writer || m_writer->IsValid(); }
    IoStatus Read(std::span<std::uint8_t> buffer, int timeoutMs, const Event* cancel) override;
    IoStatus StartWrite(std::span<const std::uint8_t> report) override;
    IoStatus FinishWrite(int timeoutMs, const Event* cancel) override;
    IoStatus Flush(int timeoutMs, const Event* cancel) override;

private:
    IoStatus TrySend();

    std::shared_ptr<UniqueFd> m_fd;
    ReportCaps m_caps;
    std::string m_path;
    std::unique_ptr<ReportWriter> m_writer;  // hidraw only
    // Socket only: reports the socket had no room for yet, and a failure that sticks.
    std::deque<std::vector<std::uint8_t>> m_pending;
    IoStatus m_failure = IoStatus::Ok;
};
