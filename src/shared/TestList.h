#pragma once
// Every test the program offers, declared once, in the order recover.dat and the menu keep them:
// its name, its half of the shared state, its unsaved-data flag, its data file, the block of
// Reflex.cfg it runs with and its menu caption. The formats, the data commands, the class summary,
// the shell's destinations and the engines walk this list or read their test's entry instead of
// naming the tests. What a test adds above the formats (its modules, and the form's button where
// the menu form has one) is declared beside it in app/TestModules.cpp.

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
    qint16 AppState::*runsPerSet;
    // Its block of Reflex.cfg, whose layout is fixed: a new choice test shares the colour or the
    // number block (nullptr for the simple test, whose block is Normal). `settingsPage` is the
    // settings dialog's tab that edits that block.
    ChoiceConfigBlock ReflexConfig::*choiceBlock;
    int settingsPage;
    // The main menu's button caption, for a test the menu form has no button for (in English; its
    // translation is in the context "frmMain").
    const char* menuCaption;

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
