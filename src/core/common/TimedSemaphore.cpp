#include "core/common/TimedSemaphore.h"

#include <chrono>

TimedSemaphore::TimedSemaphore(int initial, int maximum) : m_count(initial), m_maximum(maximum) {}

bool TimedSemaphore::TryAcquireFor(int timeoutMs)
{
    std::unique_lock lock(m_mutex);
    if (!m_available.wait_for(lock, std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs),
                              [this] { return m_count > 0; }))
        return false;
    --m_count;
    return true;
}

bool TimedSemaphore::Release()
{
    {
        std::lock_guard lock(m_mutex);
        if (m_count >= m_maximum)
            return false;
        ++m_count;
    }
    m_available.notify_one();
    return true;
}

int TimedSemaphore::Count() const
{
    std::lock_guard lock(m_mutex);
    return m_count;
}
