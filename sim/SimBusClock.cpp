#include "sim/SimBusClock.h"

#include <algorithm>

namespace {

// A full-speed interrupt endpoint moves 64 bytes per 1 ms frame.
constexpr std::size_t kBytesPerFrame = 64;
constexpr std::chrono::milliseconds kFrame{1};

}  // namespace

SimBusClock::SimBusClock(SimBus bus, int pace) : m_bus(bus), m_pace(pace) {}

SimBusClock::Clock::duration SimBusClock::CrossingTime(std::size_t length) const
{
    if (m_pace > 0)
        return std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(1'000'000'000LL / m_pace));
    if (m_bus == SimBus::None)
        return Clock::duration::zero();
    const std::size_t frames = std::max<std::size_t>(1, (length + kBytesPerFrame - 1) / kBytesPerFrame);
    return kFrame * static_cast<long>(frames);
}

SimBusClock::Clock::time_point SimBusClock::Cross(Direction direction, Clock::time_point ready, std::size_t length)
{
    Clock::time_point& free = m_freeAt[Index(direction)];
    free = std::max(free, ready) + CrossingTime(length);
    return free;
}
