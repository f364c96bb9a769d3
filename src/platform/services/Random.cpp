#include "platform/services/Random.h"

#include <chrono>
#include <cstdint>

namespace brevane {

double MersenneRandom::next()
{
    return engine_() / 4294967296.0; // 32 random bits, never 1.0
}

void MersenneRandom::reseedFromTimeOfDay()
{
    const auto ns = std::chrono::system_clock::now().time_since_epoch() / std::chrono::nanoseconds(1);
    std::seed_seq seed{std::uint32_t(ns), std::uint32_t(std::uint64_t(ns) >> 32), std::uint32_t(engine_()),
                       std::uint32_t(engine_())};
    engine_.seed(seed);
}

} // namespace brevane
