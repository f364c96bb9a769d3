#pragma once
// The teacher's live view of a hand-in folder (<hand-in>/<login name>/ or <login>@<machine>/,
// each holding a student's .nrm, .col and recover.dat): a file-system watch over the folders a
// pass walked, and a re-read every few seconds for network mounts whose changes send no
// notice. A change waits until the folder has been quiet for a moment, then a pass (ClassRun.h)
// rewrites the tables and the chart and `updated` tells the window. A pass runs only when a data
// file's name, size or time has changed since the last one, or at the timed reread when the last
// one skipped something: the programs that hand in rename whole files into place, and a file that
// could not be read this time is simply read again at the next round.

#include "summary/ClassRun.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <functional>

namespace brevane::summary {

class ClassWatch : public QObject {
    Q_OBJECT
public:
    static constexpr int kQuietMs = 300;   // changes come in bursts: a student saves three files
    static constexpr int kRereadMs = 5000; // the round a network mount needs

    using Say = std::function<void(const QString&)>;
    ClassWatch(SummaryOptions options, Say say, QObject* parent = nullptr);

    // The first pass now; the watch from then on.
    void start();

signals:
    // After every pass; the summary as written.
    void updated(const brevane::summary::ClassSummary& summary);

private:
    void round(bool retry); // retry: read again what the last pass skipped, though nothing changed
    void watchFolders(const QStringList& folders);

    SummaryOptions options_;
    Say say_;
    QFileSystemWatcher watcher_;
    QTimer quiet_, reread_;
    QStringList lastFiles_; // name, size and time of each data file at the last pass
    QStringList lastSaid_;  // not said again while it stays true
    bool retryDue_ = false;
    bool passed_ = false;
};

} // namespace brevane::summary
