#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

// The median time of `rounds` runs of `work`, in milliseconds: one slow round (a page fault, a
// preempted thread) does not move it.
inline double MedianMs(int rounds, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
