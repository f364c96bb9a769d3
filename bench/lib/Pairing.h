#pragma once
// What the program wrote about a series, put with the stimuli the benchmark saw and pressed: the
// stored times from the recovery file (in order: it holds the first ten runs of set 1), a choice
// test's counts, and the trace's unrounded stamps, which are paired by time, so that a line the
// program did not write, or one it wrote for no press of the benchmark's, costs only its own press.

#include "lib/Records.h"
#include "shared/TimingTrace.h"

#include <string>
#include <vector>

namespace timing {

// Set 1's stored times (seconds) from line `firstLine` (1-based) on, one for each of the first ten
// runs. Throws where a line is missing or not a number.
void takeStoredTimes(const std::vector<std::string>& lines, int firstLine, std::vector<Stimulus>& runs);
// The four counts of a choice test's set 1 from line `firstLine` on.
void takeChoiceCounts(const std::vector<std::string>& lines, int firstLine, ChoiceTally& tally);

// Pairs a series' new trace lines with its stimuli (in the order shown): a line belongs to the
// stimulus shown last before its press stamp, since the program takes a press only for a stimulus
// on the screen and shows the next one only after it. Of two lines for one stimulus, the one whose
// press stamp lies nearer the press sent is kept. Fills the program's stamps of each stimulus
// paired and the program's interval where the one before was paired too. Returns what did not
// pair as a warning, or an empty text.
std::string pairTrace(const std::vector<brevane::TimingTraceLine>& lines, std::vector<Stimulus>& runs);

} // namespace timing
