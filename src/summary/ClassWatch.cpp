#include "summary/ClassWatch.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSet>

namespace brevane::summary {

namespace {

QStringList fileStamps(const ClassFiles& found)
{
    QStringList stamps;
    for (const DataFileEntry& entry : found.files) {
        const QFileInfo info(entry.path);
        stamps
            << QStringLiteral("%1 %2 %3").arg(entry.path).arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch());
    }
    return stamps;
}

} // namespace

ClassWatch::ClassWatch(SummaryOptions options, Say say, QObject* parent)
    : QObject(parent)
    , options_(std::move(options))
    , say_(std::move(say))
{
    quiet_.setSingleShot(true);
    quiet_.setInterval(kQuietMs);
    reread_.setInterval(kRereadMs);
    connect(&quiet_, &QTimer::timeout, this, [this] { round(false); });
    connect(&reread_, &QTimer::timeout, this, [this] { round(true); });
    // A notice only starts a round: the files' stamps decide whether anything changed, so the
    // tables written into a watched folder do not start another pass.
    const auto changed = [this] { quiet_.start(); };
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, changed);
}

void ClassWatch::start()
{
    round(true);
    reread_.start();
}

void ClassWatch::round(bool retry)
{
    const ClassFiles found = collectClassFiles(options_.paths, options_.studentFrom, options_.owners);
    watchFolders(found.folders);
    const QStringList stamps = fileStamps(found);
    // What was skipped is tried again on the timer only: the tables a pass writes into a watched
    // folder send a notice of their own, which must not start the next pass.
    if (passed_ && stamps == lastFiles_ && !(retry && retryDue_))
        return;
    lastFiles_ = stamps;
    ClassRound pass = readClass(options_, found);
    writeOutputs(options_, pass.summary, pass.said);
    retryDue_ = !pass.skipped.isEmpty();
    passed_ = true;
    const QStringList lines = pass.said << closingLine(pass);
    for (const QString& line : lines)
        if (!lastSaid_.contains(line))
            say_(line);
    lastSaid_ = lines;
    emit updated(pass.summary);
}

void ClassWatch::watchFolders(const QStringList& folders)
{
    QStringList wanted = folders;
    for (const QString& path : options_.paths)
        if (!QFileInfo(path).isDir()) // a named file, or a hand-in folder not made yet: its folder
            wanted << QFileInfo(path).absolutePath();
    const QSet<QString> keep(wanted.cbegin(), wanted.cend());
    for (const QString& folder : watcher_.directories())
        if (!keep.contains(folder))
            watcher_.removePath(folder);
    const QStringList watched = watcher_.directories();
    for (const QString& folder : keep)
        if (!watched.contains(folder) && QFileInfo(folder).isDir())
            watcher_.addPath(folder);
}

} // namespace brevane::summary
