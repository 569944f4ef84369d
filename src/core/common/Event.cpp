#include "core/common/Event.h"

#include "core/common/PollRetry.h"

#include <sys/eventfd.h>

#include <cerrno>
#include <cstdint>

Event::Event(Mode mode, bool initiallySignalled)
    : m_mode(mode), m_fd(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC))
{
    if (initiallySignalled)
        Set();
}

void Event::Set()
{
    if (!IsValid())
        return;
    const std::uint64_t one = 1;
    // Only fails when the counter would overflow, which means it is already signalled.
    [[maybe_unused]] ssize_t n = ::write(m_fd.Get(), &one, sizeof one);
}

void Event::Reset()
{
    TryConsume();
}

bool Event::TryConsume()
{
    if (!IsValid())
        return false;
    std::uint64_t value = 0;
    for (;;) {
        const ssize_t n = ::read(m_fd.Get(), &value, sizeof value);
        if (n == static_cast<ssize_t>(sizeof value))
            return true;
        if (n < 0 && errno == EINTR)
            continue;
        return false;  // EAGAIN: not signalled, or another waiter took it
    }
}

bool Event::IsSet() const
{
    if (!IsValid())
        return false;
    pollfd p{m_fd.Get(), POLLIN, 0};
    return PollRetry(&p, 1, 0) > 0 && (p.revents & POLLIN);
}

bool Event::Wait(int timeoutMs)
{
    if (!IsValid())
        return false;
    const Deadline deadline(timeoutMs);
    for (;;) {
        pollfd p{m_fd.Get(), POLLIN, 0};
        const int ready = PollRetry(&p, 1, deadline.RemainingMs());
        if (ready <= 0)
            return false;
        if (m_mode == Mode::ManualReset)
            return true;
        if (TryConsume())
            return true;
        // Another waiter consumed the signal first; wait out the rest of the time.
        if (deadline.Expired())
            return false;
    }
}
