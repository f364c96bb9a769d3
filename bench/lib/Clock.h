#pragma once
// The benchmark's clock: CLOCK_MONOTONIC, the clock the program stamps with, so that its stamps
// and the benchmark's compare directly.

#include <cstdint>

namespace timing {

std::int64_t nowNs();
void sleepUntilNs(std::int64_t deadline);
void sleepForMs(double ms);

} // namespace timing
