// The clock of the benchmarks: a steady clock and the milliseconds since a point of it.
#pragma once

#include <chrono>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace bench
