// What every benchmark measures with: the monotonic clock, milliseconds and medians.
#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

namespace kavrin::bench {

using Clock = std::chrono::steady_clock;

inline double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

template <class Work>
double millisecondsOf(Work&& work) {
    const Clock::time_point start = Clock::now();
    work();
    return millisecondsSince(start);
}

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace kavrin::bench
