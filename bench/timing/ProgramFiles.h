#pragma once
// Reading what the program wrote at the end of a series: the recovery file, once it holds still,
// and the lines its trace gained; bench/lib/Pairing puts them with the stimuli.

#include "lib/Records.h"

#include <cstddef>
#include <string>
#include <vector>

namespace timing {

// The recovery file's lines once it holds still and has at least `atLeast` of them.
std::vector<std::string> readRecoveryLines(const std::string& file, std::size_t atLeast);

// Pairs the trace lines written since `linesSeen` with `runs` (pairTrace) and counts them as
// seen. Returns a warning, or an empty text; nothing without a trace.
std::string readTrace(const std::string& file, std::size_t& linesSeen, std::vector<Stimulus>& runs);

} // namespace timing
