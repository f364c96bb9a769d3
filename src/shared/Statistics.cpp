#include "shared/Statistics.h"

namespace brevane {

SetStatistics setStatistics(const RunRow& runs)
{
    SetStatistics s;
    float fastest = 10000;
    for (int run = 1; run <= kStoredRuns; ++run) {
        const float t = runs[run];
        if (!(t > 0))
            continue;
        ++s.count;
        s.sum += t;
        if (t > s.slowest) {
            s.slowest = t;
            s.slowestRun = run;
        }
        if (t < fastest) {
            fastest = t;
            s.fastestRun = run;
        }
    }
    if (s.highlighted())
        s.average = s.sum / float(s.count);
    s.fastest = fastest == 10000 ? 0 : fastest;
    return s;
}

SetStatistics storeStatistics(SetData& store, int set)
{
    const SetStatistics s = setStatistics(store.Times[set]);
    store.SetAverage[set] = s.average;
    store.SetFastest[set] = s.fastest;
    store.SetSlowest[set] = s.slowest;
    return s;
}

} // namespace brevane
