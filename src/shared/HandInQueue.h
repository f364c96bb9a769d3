#pragma once
// The hand-in service main() builds: it takes each saved file's bytes on the window's thread
// and copies them on a worker thread of its own, so a share that hangs never holds up a
// window. Data flow:
//   handIn(name, bytes)  -> the latest bytes of each name wait in `pending_`
//   a pass               -> a worker thread writes what waited (HandInPlace.h's handInFile)
//   the pass's answer    -> back on the window's thread: what went in leaves `pending_`; a
//                           failure stays for the next save and Exit, and the student is told
//                           once per reason (`notify`)
// A pass that outlasts the time limit counts as failed; its thread is left to the share, and
// no new pass starts until it returns, so a hung mount costs one thread, not one per save.

#include "platform/services/HandIn.h"
#include "platform/services/Timer.h"
#include "shared/HandInPlace.h"

#include <QMap>
#include <QObject>
#include <functional>
#include <memory>

namespace brevane {

class HandInQueue final : public HandIn {
public:
    // Copies one file; runs on the worker thread.
    using Copy = std::function<HandInResult(const QString& fileName, const QByteArray& bytes)>;
    // `notify` gets the reason of a failed pass, on the window's thread.
    HandInQueue(Copy copy, TimerFactory& timers, std::function<void(const QString&)> notify, int timeLimitMs);
    ~HandInQueue() override;

    void handIn(const QString& fileName, const QByteArray& bytes) override;
    void finish() override;

    // The names whose latest bytes have not gone in yet.
    QStringList waiting() const;

private:
    struct Waiting {
        QByteArray bytes;
        quint64 serial;
    };
    struct Pass;

    void startPass();
    void passEnded(const std::shared_ptr<Pass>& pass);
    void timedOut();
    void failed(const QString& reason);

    Copy copy_;
    std::function<void(const QString&)> notify_;
    std::unique_ptr<Timer> limit_;
    QObject context_; // where the worker's answers are delivered
    QMap<QString, Waiting> pending_;
    quint64 serial_ = 0;
    std::shared_ptr<Pass> running_; // the pass within its time limit
    std::shared_ptr<Pass> hung_;    // a pass past it, still in the share
    QString toldReason_;            // the reason last told, until a pass goes through
};

} // namespace brevane
