#include "core/handset/HandsetDevice.h"

#include "core/handset/ReportLayout.h"

#include "core/common/Event.h"
#include "core/common/PollRetry.h"

#include <algorithm>
#include <cerrno>

HandsetDevice::HandsetDevice(UniqueFd fd, ReportCaps caps, std::string path, bool isSocket)
    : m_fd(std::make_shared<UniqueFd>(std::move(fd))), m_caps(caps), m_path(std::move(path)), m_writer(m_fd, isSocket)
{
}

HandsetDevice::~HandsetDevice() = default;

IoStatus HandsetDevice::Read(std::span<std::uint8_t> buffer, int timeoutMs, const Event* cancel)
{
    std::fill(buffer.begin(), buffer.end(), 0);
    const std::size_t want = std::min(buffer.size(), static_cast<std::size_t>(std::max(m_caps.inLen, 1)));
    const Deadline deadline(timeoutMs);
    for (;;) {
        pollfd fds[2] = {{m_fd->Get(), POLLIN, 0}, {cancel ? cancel->Fd() : -1, POLLIN, 0}};
        const int ready = PollUntil(fds, 2, deadline);
        if (ready < 0)
            return IoStatus::Failed;
        if (ready == 0)
            return IoStatus::TimedOut;
        if (fds[0].revents & POLLIN) {
            const ssize_t n = ::read(m_fd->Get(), buffer.data(), want);
            if (n > 0)
                return IoStatus::Ok;
            if (n == 0)
                return IoStatus::Gone;  // the simulated handset closed its end
            if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)
                continue;
            return IoStatus::Gone;  // hidraw says EIO or ENODEV once the device is unplugged
        }
        if (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL))
            return IoStatus::Gone;
        if (fds[1].revents & POLLIN)
            return IoStatus::Cancelled;
    }
}

IoStatus HandsetDevice::StartWrite(std::span<const std::uint8_t> report)
{
    return m_writer.Submit(report);
}

IoStatus HandsetDevice::FinishWrite(int timeoutMs, const Event* cancel)
{
    return m_writer.WaitIdle(timeoutMs, cancel);
}
