#pragma once
// Every test the program offers, declared once, in the order recover.dat and the menu keep them:
// its name, its half of the shared state, its unsaved-data flag and its data file. The formats,
// the data commands and the class summary walk this list instead of naming the tests. What a
// test adds above the formats (its windows and its menu button) is declared beside it in
// app/TestModules.cpp.

#include "shared/AppState.h"
#include "shared/DataFile.h"

#include <array>

namespace brevane {

struct TestDescriptor {
    const char* name;           // as the class summary names it: "simple", "colour", "number"
    const DataFileFormat& file; // what its results window saves and loads
    const SetData& (*setsOf)(const AppState&);
    const OutcomeCounts* (*countsOf)(const AppState&); // nullptr for a test without outcome counts
    bool UnsavedData::*unsaved;
    // Its sets are a block of recover.dat, whose 500 lines hold the first three tests' and no more.
    bool inRecoveryFile;

    // The accessors only pick a member of the state; given a state that is not const, what they
    // pick is not const either.
    SetData& sets(AppState& state) const { return const_cast<SetData&>(setsOf(state)); }
    OutcomeCounts* counts(AppState& state) const { return const_cast<OutcomeCounts*>(countsOf(state)); }
    StoreHalf half(AppState& state) const { return {sets(state), counts(state)}; }
};

extern const TestDescriptor kSimpleTest;
extern const TestDescriptor kColorTest;
extern const TestDescriptor kNumberTest;

inline constexpr int kTestCount = 3;

// Every test in its order: the simple test, then the colour test, then the number test.
const std::array<const TestDescriptor*, kTestCount>& testList();

} // namespace brevane
