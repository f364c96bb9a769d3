#include "shared/SetBlocks.h"
#include "shared/ValueCodec.h"

namespace brevane {

namespace {

void writeTimes(ValueWriter& out, const SetData& data, int set)
{
    for (int run = 1; run <= kStoredRuns; ++run)
        out.single(data.Times[set][run]);
    out.single(data.SetAverage[set]);
    out.single(data.SetFastest[set]);
    out.single(data.SetSlowest[set]);
}

template <typename T> bool take(std::optional<T> value, T& field)
{
    if (!value)
        return false;
    field = std::move(*value);
    return true;
}

bool readTimes(ValueReader& in, SetData& data, int set)
{
    for (int run = 1; run <= kStoredRuns; ++run)
        if (!take(in.single(), data.Times[set][run]))
            return false;
    return take(in.single(), data.SetAverage[set]) && take(in.single(), data.SetFastest[set]) &&
           take(in.single(), data.SetSlowest[set]);
}

} // namespace

bool writeSets(ValueWriter& out, const SetData& sets, const OutcomeCounts* counts)
{
    for (int set = 1; set <= kSetCount; ++set) {
        writeTimes(out, sets, set);
        if (counts) {
            out.integer(counts->CorrectHits[set]);
            out.integer(counts->CorrectMisses[set]);
            out.integer(counts->InCorrectHits[set]);
            out.integer(counts->MissedHits[set]);
        }
        out.string(sets.SetComment[set - 1]);
    }
    return out.ok();
}

bool readSets(ValueReader& in, SetData& sets, OutcomeCounts* counts)
{
    for (int set = 1; set <= kSetCount; ++set) {
        if (!readTimes(in, sets, set))
            return false;
        if (counts &&
            !(take(in.integer(), counts->CorrectHits[set]) && take(in.integer(), counts->CorrectMisses[set]) &&
              take(in.integer(), counts->InCorrectHits[set]) && take(in.integer(), counts->MissedHits[set])))
            return false;
        if (!take(in.string(), sets.SetComment[set - 1]))
            return false;
    }
    return true;
}

} // namespace brevane
