#pragma once
// The main menu's data commands without the window. Recover is RecoveryFile::read().

#include "platform/services/Prompt.h"
#include "shared/AppState.h"

namespace brevane {

// Clear Data: after a Yes to the question, empties runs 1..10 of every set of every test with their statistics, counts
// and comments. Runs 11..20, the current set, the unsaved-data flag and recover.dat stay as they are. Returns whether
// it cleared.
bool clearAllData(AppState& state, Prompt& prompt);

} // namespace brevane
