#pragma once
// The statistics of one set, as every results window computes them: over the valid runs
// (times above 0) of runs 1..10, with strict comparisons so that of equal times the first
// run is the fastest or slowest.

#include "shared/Stores.h"

namespace brevane {

struct SetStatistics {
    int count = 0; // valid runs
    float sum = 0;
    float average = 0; // 0 without valid runs
    float fastest = 0; // 0 without valid runs
    float slowest = 0;
    int fastestRun = 1; // 1..10; run 1 when there is none
    int slowestRun = 1;
    // The fastest and slowest runs are marked only when there is something to mark.
    bool highlighted() const { return count > 0 && sum != 0; }
};

SetStatistics setStatistics(const RunRow& runs);

// Computes the statistics of `set` and writes average, fastest and slowest into the store.
SetStatistics storeStatistics(SetData& store, int set);

} // namespace brevane
