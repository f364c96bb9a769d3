#pragma once
// recover.dat as a file in the folder where the program keeps its files, with its messages.
// Every test window writes it through the one RecoveryFile object the shell hands out; the
// format itself is RecoveryFile.h's.

#include "platform/services/HandIn.h"
#include "platform/services/Prompt.h"
#include "shared/RecoveryFile.h"

#include <QString>

namespace brevane {

// Keep one object for the whole program (all three test windows write through it): it
// remembers whether the user has already been told about a failing write, so a broken disk
// costs one message, not one per series.
class RecoveryFile {
public:
    static constexpr auto kFileName = kRecoveryFileName;

    // An empty directory means the current directory at the moment of each call. Each
    // snapshot written goes on to `handIn` when one is given.
    RecoveryFile(AppState& state, Prompt& prompt, QString directory = {}, HandIn* handIn = nullptr);

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
    HandIn* handIn_;
    bool failureReported_ = false;
};

} // namespace brevane
