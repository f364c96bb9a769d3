#include "shared/ResultsRules.h"

#include <cmath>

namespace brevane {

int chartValue(float seconds)
{
    const float ms = seconds * 1000.0f; // kept a Single, as the store holds it
    if (!(ms <= 1000.0f))
        return 1000; // also what a time that is not a number gets: the top, never garbage
    return ms < 0 ? 0 : int(std::lround(ms));
}

void deleteRun(RunRow& runs, int run)
{
    if (run < 1 || run > kStoredRuns)
        return;
    for (int i = run; i < kStoredRuns; ++i)
        runs[i] = runs[i + 1];
    runs[kStoredRuns] = 0.0f;
}

} // namespace brevane
