#pragma once
// recover.dat: a snapshot of all three data stores, rewritten whole at the end of every
// finished series and read back by the main menu's Recover. 500 lines in the encoding of
// ValueCodec.h: the simple, colour and number blocks of SetBlocks.h in that order. Runs
// 11..20 are never written, so a recovery leaves them as they are. Every test window writes
// it through the one RecoveryFile object the shell hands out.

#include "platform/Prompt.h"
#include "shared/AppState.h"

#include <QString>

class QIODevice;

namespace brevane {

constexpr int kRecoveryLineCount = 500;

bool writeRecovery(QIODevice& device, const AppState& state);
// Assigns every value as soon as it is read. False at the first missing or unreadable value;
// everything read before it stays in the store.
bool readRecovery(QIODevice& device, AppState& state);

// The file itself, with its messages. Keep one object for the whole program (all three test
// windows write through it): it remembers whether the user has already been told about a
// failing write, so a broken disk costs one message, not one per series.
class RecoveryFile {
public:
    static constexpr auto kFileName = "recover.dat";

    // An empty directory means the current directory at the moment of each call.
    RecoveryFile(AppState& state, Prompt& prompt, QString directory = {});

    // Replaces the file atomically, so a crash or a full disk during the write leaves the
    // previous snapshot in place. Never changes the store.
    bool write();
    // Reads the file into the stores; reports a missing or unreadable file to the user.
    // CurrentSet, CurrentRun and the DataNotSaved flags stay as they are.
    void read();

    QString path() const;

private:
    AppState& state_;
    Prompt& prompt_;
    QString directory_;
    bool failureReported_ = false;
};

} // namespace brevane
