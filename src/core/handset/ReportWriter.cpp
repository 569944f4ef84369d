#include "core/handset/ReportWriter.h"

#include "core/common/Event.h"
#include "core/common/PollRetry.h"

#include <cerrno>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

struct ReportWriter::State {
    std::shared_ptr<UniqueFd> device;
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<std::vector<std::uint8_t>> queue;
    std::uint64_t submitted = 0;
    std::uint64_t completed = 0;
    IoStatus failure = IoStatus::Ok;  // sticky: once a write fails, the device is done for
    bool busy = false;
    bool stop = false;
    bool started = false;
    Event done{Event::Mode::ManualReset};
    Event stopEvent{Event::Mode::ManualReset};
};

namespace {

IoStatus WriteOne(int fd, std::span<const std::uint8_t> report, const Event& stop)
{
    for (;;) {
        const ssize_t n = ::write(fd, report.data(), report.size());
        if (n == static_cast<ssize_t>(report.size()))
            return IoStatus::Ok;
        if (n >= 0)
            return IoStatus::Failed;
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK)
            return IoStatus::Gone;
        // The handset is not taking reports yet: wait until it does or until we are told to stop.
        pollfd fds[2] = {{fd, POLLOUT, 0}, {stop.Fd(), POLLIN, 0}};
        if (PollRetry(fds, 2, -1) < 0 || (fds[1].revents & POLLIN))
            return IoStatus::Failed;
        if ((fds[0].revents & (POLLHUP | POLLERR)) && !(fds[0].revents & POLLOUT))
            return IoStatus::Gone;
    }
}

}  // namespace

ReportWriter::ReportWriter(std::shared_ptr<UniqueFd> device) : m_state(std::make_shared<State>())
{
    m_state->device = std::move(device);
}

ReportWriter::~ReportWriter()
{
    {
        std::lock_guard lock(m_state->mutex);
        m_state->stop = true;
    }
    m_state->wake.notify_all();
    m_state->stopEvent.Set();
    // The thread holds its own reference to the state and to the descriptor. A hidraw write
    // blocks inside the kernel until
    // the USB transfer completes or the USB core's own 5 s limit for it runs out, and nothing
    // can interrupt it: that one call is all that outlives the exchange, which has already
    // stopped waiting at its designed time-out or Cancel. The thread then closes the descriptor.
}

bool ReportWriter::IsValid() const
{
    return m_state->done.IsValid() && m_state->stopEvent.IsValid();
}

IoStatus ReportWriter::Submit(std::span<const std::uint8_t> report)
{
    std::lock_guard lock(m_state->mutex);
    if (m_state->failure != IoStatus::Ok)
        return m_state->failure;
    if (!m_state->started) {
        try {
            std::thread(&ReportWriter::Run, m_state).detach();
        } catch (const std::system_error&) {
            return IoStatus::Failed;
        }
        m_state->started = true;
    }
    m_state->queue.emplace_back(report.begin(), report.end());
    ++m_state->submitted;
    m_state->wake.notify_one();
    return IoStatus::Ok;
}

IoStatus ReportWriter::WaitIdle(int timeoutMs, const Event* cancel)
{
    const Deadline deadline(timeoutMs);
    for (;;) {
        m_state->done.Reset();
        {
            std::lock_guard lock(m_state->mutex);
            if (m_state->failure != IoStatus::Ok)
                return m_state->failure;
            if (m_state->completed == m_state->submitted)
                return IoStatus::Ok;
        }
        pollfd fds[3] = {{m_state->done.Fd(), POLLIN, 0}, {m_state->device->Get(), 0, 0}, {-1, POLLIN, 0}};
        if (cancel)
            fds[2].fd = cancel->Fd();
        const int ready = PollUntil(fds, 3, deadline);
        if (ready < 0)
            return IoStatus::Failed;
        if (ready == 0)
            return IoStatus::TimedOut;
        if (fds[0].revents & POLLIN)
            continue;
        if (fds[1].revents & (POLLHUP | POLLERR | POLLNVAL))
            return IoStatus::Gone;
        if (fds[2].revents & POLLIN)
            return IoStatus::Cancelled;
    }
}

void ReportWriter::Run(std::shared_ptr<State> s)
{
    for (;;) {
        std::vector<std::uint8_t> report;
        IoStatus earlier = IoStatus::Ok;
        {
            std::unique_lock lock(s->mutex);
            s->wake.wait(lock, [&] { return s->stop || !s->queue.empty(); });
            if (s->stop)
                return;
            report = std::move(s->queue.front());
            s->queue.pop_front();
            s->busy = true;
            earlier = s->failure;
        }
        const IoStatus status =
            earlier == IoStatus::Ok ? WriteOne(s->device->Get(), report, s->stopEvent) : earlier;
        {
            std::lock_guard lock(s->mutex);
            s->busy = false;
            ++s->completed;
            if (status != IoStatus::Ok && s->failure == IoStatus::Ok)
                s->failure = status;
        }
        s->done.Set();
    }
}
