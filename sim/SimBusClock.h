#pragma once

#include "sim/SimConfig.h"

#include <chrono>
#include <cstddef>

// When reports cross the simulated bus. Every time is a point on the steady clock and each
// report starts where the one before it ended, so waiting never adds up: a thousand reports
// of one millisecond take one second, not a thousand rounded sleeps.
class SimBusClock {
public:
    using Clock = std::chrono::steady_clock;
    enum class Direction { ToHandset, ToHost };

    SimBusClock(SimBus bus, int pace);

    Clock::duration CrossingTime(std::size_t length) const;
    // A report of `length` bytes, ready to go at `ready`, starts once the reports before it in
    // its direction have crossed. Returns when it has crossed.
    Clock::time_point Cross(Direction direction, Clock::time_point ready, std::size_t length);
    Clock::time_point FreeAt(Direction direction) const { return m_freeAt[Index(direction)]; }
    bool Instant() const { return m_bus == SimBus::None && m_pace <= 0; }

private:
    static int Index(Direction d) { return d == Direction::ToHandset ? 0 : 1; }

    SimBus m_bus;
    int m_pace;
    Clock::time_point m_freeAt[2]{};
};
