#pragma once

#include <poll.h>

#include <chrono>

// A time limit that survives retries: each poll() is given only what is left of it.
class Deadline {
public:
    // Negative means no limit.
    explicit Deadline(int timeoutMs)
        : m_infinite(timeoutMs < 0),
          m_end(std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs))
    {
    }

    int RemainingMs() const
    {
        if (m_infinite)
            return -1;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(m_end - std::chrono::steady_clock::now());
        return left.count() > 0 ? static_cast<int>(left.count()) : 0;
    }
    bool Expired() const { return !m_infinite && RemainingMs() == 0; }

private:
    bool m_infinite;
    std::chrono::steady_clock::time_point m_end;
};

// poll() that is retried when a signal interrupts it, keeping the original time limit.
// Returns what poll() returns, never -1 with EINTR.
int PollRetry(pollfd* fds, nfds_t count, int timeoutMs);
int PollUntil(pollfd* fds, nfds_t count, const Deadline& deadline);
