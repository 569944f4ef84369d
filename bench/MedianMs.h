#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <utility>
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

// The median times of `a` and of `b`, run in turns, so that a machine that speeds up or slows
// down during the run moves both alike and their ratio holds.
inline std::pair<double, double> MedianPairMs(int rounds, const std::function<void()>& a, const std::function<void()>& b)
{
    std::vector<double> timesA, timesB;
    for (int i = 0; i < rounds; ++i) {
        timesA.push_back(MedianMs(1, a));
        timesB.push_back(MedianMs(1, b));
    }
    std::sort(timesA.begin(), timesA.end());
    std::sort(timesB.begin(), timesB.end());
    return {timesA[timesA.size() / 2], timesB[timesB.size() / 2]};
}
