#pragma once
// The figures of each condition: printed, and as Markdown (--results) and tab-separated
// values of every stimulus (--raw).

#include "Options.h"
#include "lib/Records.h"

#include <cstdint>
#include <string>
#include <vector>

namespace timing {

struct ReportSetup {
    const Options& options;
    std::uint64_t seed = 0;
    std::string realtimeNote;
    std::uint32_t restColour = 0, stimulusColour = 0;
};

void report(const ReportSetup& setup, const std::vector<Condition>& conditions);

std::string conditionTitle(const std::string& kind);

} // namespace timing
