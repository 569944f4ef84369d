#pragma once

#include <condition_variable>
#include <mutex>

// A counting semaphore with a ceiling and a timed acquire. Unlike std::counting_semaphore,
// releasing at the ceiling is harmless rather than undefined.
class TimedSemaphore {
public:
    TimedSemaphore(int initial, int maximum);
    TimedSemaphore(const TimedSemaphore&) = delete;
    TimedSemaphore& operator=(const TimedSemaphore&) = delete;

    bool TryAcquireFor(int timeoutMs);
    // False when the count was already at its maximum (nothing changes then).
    bool Release();
    int Count() const;

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_available;
    int m_count;
    const int m_maximum;
};
