#include "shared/SetBlocks.h"
#include "shared/ValueCodec.h"

namespace reflex {

namespace {

void writeTimes(ValueWriter& out, const SetData& data, int set)
{
    for (int run = 1; run <= kStoredRuns; ++run)
        out.single(data.Times[set][run]);
    out.single(data.SetAverage[set]);
    out.single(data.SetFastest[set]);
    out.single(data.SetSlowest[set]);
}

template <typename T>
bool take(std::optional<T> value, T& field)
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
    return take(in.single(), data.SetAverage[set]) && take(in.single(), data.SetFastest[set])
        && take(in.single(), data.SetSlowest[set]);
}

} // namespace

bool writeSimpleSets(ValueWriter& out, const SetData& store)
{
    for (int set = 1; set <= kSetCount; ++set) {
        writeTimes(out, store, set);
        out.string(store.SetComment[set - 1]);
    }
    return out.ok();
}

bool writeChoiceSets(ValueWriter& out, const ChoiceStore& store)
{
    for (int set = 1; set <= kSetCount; ++set) {
        writeTimes(out, store, set);
        out.integer(store.CorrectHits[set]);
        out.integer(store.CorrectMisses[set]);
        out.integer(store.InCorrectHits[set]);
        out.integer(store.MissedHits[set]);
        out.string(store.SetComment[set - 1]);
    }
    return out.ok();
}

bool readSimpleSets(ValueReader& in, SetData& store)
{
    for (int set = 1; set <= kSetCount; ++set)
        if (!readTimes(in, store, set) || !take(in.string(), store.SetComment[set - 1]))
            return false;
    return true;
}

bool readChoiceSets(ValueReader& in, ChoiceStore& store)
{
    for (int set = 1; set <= kSetCount; ++set) {
        if (!readTimes(in, store, set) || !take(in.integer(), store.CorrectHits[set])
            || !take(in.integer(), store.CorrectMisses[set])
            || !take(in.integer(), store.InCorrectHits[set])
            || !take(in.integer(), store.MissedHits[set])
            || !take(in.string(), store.SetComment[set - 1]))
            return false;
    }
    return true;
}

} // namespace reflex
