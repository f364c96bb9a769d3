#pragma once
// The collected data of one test: ten sets of times in seconds, per-set statistics and a
// comment per set. The test engines fill it run by run, the results windows read it and
// write the statistics back, the data files and recover.dat serialise it. A time of 0 is an
// empty run; only times above 0 enter the statistics. Runs 1..10 are shown, saved and printed;
// 11..20 exist for series longer than ten.

#include <QString>
#include <QtGlobal>
#include <array>

namespace brevane {

constexpr int kSetCount = 10;   // sets 1..10
constexpr int kMaxRuns = 20;    // runs 1..20 in the store
constexpr int kStoredRuns = 10; // runs 1..10 shown, saved and printed

using RunRow = std::array<float, kMaxRuns + 1>;        // [run]
using TimeTable = std::array<RunRow, kSetCount + 1>;   // [set][run]
using PerSet = std::array<float, kSetCount + 1>;       // [set]
using PerSetCount = std::array<qint16, kSetCount + 1>; // [set]
using SetComments = std::array<QString, kSetCount>;    // set n at n - 1

struct SetData {
    TimeTable Times{};
    PerSet SetAverage{};
    PerSet SetFastest{};
    PerSet SetSlowest{};
    SetComments SetComment{};
    bool operator==(const SetData&) const = default;
};

// Empties runs 1..10 of `set` with its average, fastest and slowest; the comment and runs
// 11..20 are the caller's to decide.
inline void clearSetRuns(SetData& data, int set)
{
    for (int run = 1; run <= kStoredRuns; ++run)
        data.Times[set][run] = 0.0f;
    data.SetAverage[set] = data.SetFastest[set] = data.SetSlowest[set] = 0.0f;
}

// The simple test: Simple.Times is SimpleTimes, Simple.SetAverage is SimpleSetAverage, ...
struct SimpleStore : SetData {
    bool operator==(const SimpleStore&) const = default;
};

// The four outcome counts of a choice test's sets.
struct OutcomeCounts {
    PerSetCount CorrectHits{};
    PerSetCount InCorrectHits{};
    PerSetCount CorrectMisses{};
    PerSetCount MissedHits{};
    bool operator==(const OutcomeCounts&) const = default;
};

// One choice test (colour or number): its sets with their outcome counts.
struct ChoiceStore : SetData, OutcomeCounts {
    bool operator==(const ChoiceStore&) const = default;
};

// The half of the shared state one results window shows: a test's sets, and their outcome
// counts for a choice test (none for the simple test).
struct StoreHalf {
    SetData& sets;
    OutcomeCounts* counts = nullptr;
};

inline void clearSetCounts(OutcomeCounts& store, int set)
{
    store.CorrectHits[set] = store.InCorrectHits[set] = 0;
    store.CorrectMisses[set] = store.MissedHits[set] = 0;
}

// Clear All and the menu's Clear Data: every set emptied, comments empty (unlike Clear
// Set's single blank), outcome counts 0.
inline void clearAllSets(SetData& data)
{
    for (int set = 1; set <= kSetCount; ++set) {
        clearSetRuns(data, set);
        data.SetComment[set - 1] = QString();
    }
}

inline void clearAllSets(StoreHalf half)
{
    clearAllSets(half.sets);
    for (int set = 1; half.counts && set <= kSetCount; ++set)
        clearSetCounts(*half.counts, set);
}

inline void clearAllSets(ChoiceStore& store)
{
    clearAllSets(StoreHalf{store, &store});
}

} // namespace brevane
