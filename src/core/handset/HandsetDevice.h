#pragma once

#include "core/handset/ReportPort.h"
#include "core/handset/ReportWriter.h"

#include "core/common/UniqueFd.h"

#include <memory>
#include <string>

// An open handset: a non-blocking descriptor of a hidraw node or of a simulated handset's
// socket. Both carry one report per read or write, report id first, so one class serves both.
class HandsetDevice final : public ReportPort {
public:
    HandsetDevice(UniqueFd fd, ReportCaps caps, std::string path, bool isSocket);
    ~HandsetDevice() override;

    const std::string& Path() const { return m_path; }

    ReportCaps Caps() const override { return m_caps; }
    bool IoReady() const override { return m_writer.IsValid(); }
    IoStatus Read(std::span<std::uint8_t> buffer, int timeoutMs, const Event* cancel) override;
    IoStatus StartWrite(std::span<const std::uint8_t> report) override;
    IoStatus FinishWrite(int timeoutMs, const Event* cancel) override;

private:
    std::shared_ptr<UniqueFd> m_fd;
    ReportCaps m_caps;
    std::string m_path;
    ReportWriter m_writer;
};
