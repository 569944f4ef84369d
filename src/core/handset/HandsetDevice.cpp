#include "core/handset/HandsetDevice.h"

#include "core/handset/ReportLayout.h"

#include "core/common/Event.h"
#include "core/common/PollRetry.h"

#include <linux/sockios.h>
#include <sys/ioctl.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>

HandsetDevice::HandsetDevice(UniqueFd fd, ReportCaps caps, std::string path, Kind kind)
    : m_fd(std::make_shared<UniqueFd>(std::move(fd))), m_caps(caps), m_path(std::move(path))
{
    if (kind == Kind::Hidraw)
        m_writer = std::make_unique<ReportWriter>(m_fd);
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
    if (m_writer)
        return m_writer->Submit(report);
    if (m_failure != IoStatus::Ok)
        return m_failure;
    m_pending.emplace_back(report.begin(), report.end());
    return TrySend();
}

// Sends pending reports while the socket has room; Ok also when it must wait for room.
IoStatus HandsetDevice::TrySend()
{
    while (!m_pending.empty()) {
        const std::vector<std::uint8_t>& report = m_pending.front();
        // MSG_NOSIGNAL: a handset that hangs up must not kill the program with SIGPIPE.
        const ssize_t n = ::send(m_fd->Get(), report.data(), report.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n == static_cast<ssize_t>(report.size())) {
            m_pending.pop_front();
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return IoStatus::Ok;
        m_pending.clear();
        m_failure = n < 0 ? IoStatus::Gone : IoStatus::Failed;
        return m_failure;
    }
    return IoStatus::Ok;
}

IoStatus HandsetDevice::FinishWrite(int timeoutMs, const Event* cancel)
{
    if (m_writer)
        return m_writer->WaitIdle(timeoutMs, cancel);
    const Deadline deadline(timeoutMs);
    while (m_failure == IoStatus::Ok && !m_pending.empty()) {
        pollfd fds[2] = {{m_fd->Get(), POLLOUT, 0}, {cancel ? cancel->Fd() : -1, POLLIN, 0}};
        const int ready = PollUntil(fds, 2, deadline);
        if (ready < 0)
            return IoStatus::Failed;
        if (ready == 0)
            return IoStatus::TimedOut;
        // Room for the report wins over a cancel that comes at the same time.
        if (fds[0].revents & POLLOUT) {
            if (const IoStatus s = TrySend(); s != IoStatus::Ok)
                return s;
            continue;
        }
        if (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL))
            return m_failure = IoStatus::Gone;
        if (fds[1].revents & POLLIN)
            return IoStatus::Cancelled;
    }
    return m_failure;
}

IoStatus HandsetDevice::Flush(int timeoutMs, const Event* cancel)
{
    if (m_writer)
        return m_writer->WaitIdle(timeoutMs, cancel);
    if (const IoStatus s = FinishWrite(timeoutMs, cancel); s != IoStatus::Ok)
        return s;
    // The kernel counts the bytes the other end has not taken yet; nothing can wait for that
    // count to reach zero, so look again every so often.
    constexpr int kLookAgainMs = 1;
    const Deadline deadline(timeoutMs);
    for (;;) {
        int unread = 0;
        if (::ioctl(m_fd->Get(), SIOCOUTQ, &unread) != 0 || unread == 0)
            return IoStatus::Ok;
        pollfd fds[2] = {{m_fd->Get(), 0, 0}, {cancel ? cancel->Fd() : -1, POLLIN, 0}};
        const int left = deadline.RemainingMs();
        const int ready = PollUntil(fds, 2, Deadline(left < 0 ? kLookAgainMs : std::min(kLookAgainMs, left)));
        if (ready < 0)
            return IoStatus::Failed;
        if (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL))
            return IoStatus::Gone;
        if (fds[1].revents & POLLIN)
            return IoStatus::Cancelled;
        if (deadline.Expired())
            return IoStatus::TimedOut;
    }
}
