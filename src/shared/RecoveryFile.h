#pragma once
// recover.dat: a snapshot of the data stores of the tests in it (shared/TestList.h), rewritten whole at the end of
// every finished series and read back by the main menu's Recover. 500 lines in the encoding of ValueCodec.h: the
// simple, colour and number blocks of SetBlocks.h in that order. Runs 11..20 are never written, so a recovery leaves
// them as they are. The file's place and its messages are RecoveryCommands.h's.

#include "shared/AppState.h"

class QIODevice;

namespace brevane {

inline constexpr char kRecoveryFileName[] = "recover.dat";
constexpr int kRecoveryLineCount = 500;

bool writeRecovery(QIODevice& device, const AppState& state);
// Assigns every value as soon as it is read. False at the first missing or unreadable value;
// everything read before it stays in the store.
bool readRecovery(QIODevice& device, AppState& state);

} // namespace brevane
