#pragma once
// Handing results in: where a lab sets a hand-in folder, a copy of each results file a student
// saves goes there as well, for the teacher. The local save is done first and never waits on
// this: handIn() only takes the bytes, the copy is made off the caller's thread, and a copy
// that fails is tried again later. shared/HandInQueue.h is the real one.

#include <QByteArray>
#include <QString>

namespace brevane {

class HandIn {
public:
    virtual ~HandIn() = default;
    // A file just saved on this computer, by its file name (no folder) and its bytes.
    virtual void handIn(const QString& fileName, const QByteArray& bytes) = 0;
    // At Exit: one more try for what has not gone in yet, bounded by the time limit.
    virtual void finish() = 0;
};

// Where no hand-in folder is set.
class NoHandIn final : public HandIn {
public:
    void handIn(const QString&, const QByteArray&) override { }
    void finish() override { }
};

} // namespace brevane
