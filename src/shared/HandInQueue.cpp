#include "shared/HandInQueue.h"

#include <QCoreApplication>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace brevane {

struct HandInQueue::Pass {
    struct Item {
        QString name;
        QByteArray bytes;
        quint64 serial;
        HandInResult result;
    };
    QList<Item> items;
    std::thread thread;
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
    QObject* context; // null once the queue is gone: the answer then goes nowhere
};

HandInQueue::HandInQueue(Copy copy, TimerFactory& timers, std::function<void(const QString&)> notify, int timeLimitMs)
    : copy_(std::move(copy))
    , notify_(std::move(notify))
    , limit_(timers.createTimer())
{
    limit_->setInterval(timeLimitMs);
    limit_->onTimer = [this] { timedOut(); };
}

HandInQueue::~HandInQueue()
{
    for (const std::shared_ptr<Pass>& pass : {running_, hung_}) {
        if (!pass)
            continue;
        std::unique_lock lock(pass->mutex);
        pass->context = nullptr;
        // A pass stuck in a hung share is left to it; the process ends around it.
        if (pass->done && pass->thread.joinable()) {
            lock.unlock();
            pass->thread.join();
        } else if (pass->thread.joinable()) {
            pass->thread.detach();
        }
    }
}

void HandInQueue::handIn(const QString& fileName, const QByteArray& bytes)
{
    pending_.insert(fileName, Waiting{bytes, ++serial_});
    startPass();
}

QStringList HandInQueue::waiting() const
{
    return pending_.keys();
}

void HandInQueue::startPass()
{
    if (running_ || pending_.isEmpty())
        return;
    if (hung_) {
        failed(QCoreApplication::translate("HandIn", "the hand-in folder is still not answering"));
        return;
    }
    auto pass = std::make_shared<Pass>();
    pass->context = &context_;
    for (auto it = pending_.cbegin(); it != pending_.cend(); ++it)
        pass->items.append({it.key(), it->bytes, it->serial, {}});
    running_ = pass;
    limit_->setEnabled(true);
    pass->thread = std::thread([this, pass, copy = copy_] {
        for (Pass::Item& item : pass->items)
            item.result = copy(item.name, item.bytes);
        std::lock_guard lock(pass->mutex);
        pass->done = true;
        pass->ended.notify_all();
        // Delivered on the window's thread through the context's event queue; a queue that is
        // gone took its undelivered answers with it.
        if (pass->context)
            QMetaObject::invokeMethod(
                pass->context, [this, pass] { passEnded(pass); }, Qt::QueuedConnection);
    });
}

void HandInQueue::passEnded(const std::shared_ptr<Pass>& pass)
{
    pass->thread.join(); // it has only its return left
    const bool late = pass == hung_;
    if (pass == running_) {
        limit_->setEnabled(false);
        running_.reset();
    } else if (late) {
        hung_.reset(); // the share answered at last; the next save tries again
    }
    QString reason;
    for (const Pass::Item& item : pass->items) {
        const auto now = pending_.constFind(item.name);
        if (item.result.ok && now != pending_.cend() && now->serial == item.serial)
            pending_.remove(item.name); // newer bytes of the name stay to go in
        else if (!item.result.ok && reason.isEmpty())
            reason = item.result.reason;
    }
    // A late failure is the hang told already, seen from the other end (a mount given up).
    if (!reason.isEmpty() && !late)
        failed(reason);
    else if (!hung_)
        toldReason_.clear();
    // What was saved while this pass ran goes in now.
    if (reason.isEmpty())
        startPass();
}

void HandInQueue::timedOut()
{
    limit_->setEnabled(false);
    hung_ = std::move(running_);
    failed(QCoreApplication::translate("HandIn", "the hand-in folder did not answer"));
}

void HandInQueue::failed(const QString& reason)
{
    // Once per reason: a share that stays read-only all afternoon is told once, not after every
    // series.
    if (reason == toldReason_)
        return;
    toldReason_ = reason;
    if (notify_)
        notify_(reason);
}

void HandInQueue::finish()
{
    startPass();
    const std::shared_ptr<Pass> pass = running_;
    if (!pass)
        return;
    // The program is ending: its window need not answer any more, so this thread may wait, up to
    // the time limit and no longer.
    std::unique_lock lock(pass->mutex);
    pass->ended.wait_for(lock, std::chrono::milliseconds(limit_->interval()), [&] { return pass->done; });
}

} // namespace brevane
