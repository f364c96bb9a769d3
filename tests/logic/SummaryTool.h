#pragma once
// Running brevane-summary from a test, a class's files written with the program's own writers,
// and the tables read back: shared by the tests of the summary tool (SUMMARY_TOOL is the tool's
// path).
#include "fakes/Fakes.h"
#include "shared/DataFile.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <unistd.h>
#include <utility>
#include <vector>

namespace brevane::summarytool {

struct Run {
    int status = -1;
    QStringList said;
};

// The tool without a display, in `folder`.
inline void prepare(QProcess& tool, const QString& folder)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(name);
    tool.setProcessEnvironment(env);
    tool.setWorkingDirectory(folder);
}

// The tool run to its end; as another user when the test runs as root, for whom no folder is locked
// (unless `asIs`: as the test's own user).
inline Run runTool(const QString& folder, const QStringList& args, bool asIs = false)
{
    QProcess tool;
    prepare(tool, folder);
    if (::geteuid() == 0 && !asIs)
        tool.start("setpriv", QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", SUMMARY_TOOL} + args);
    else
        tool.start(SUMMARY_TOOL, args);
    if (!tool.waitForFinished(60000))
        return {};
    return {tool.exitCode(), QString::fromUtf8(tool.readAllStandardError()).split('\n', Qt::SkipEmptyParts)};
}

// A data file as the program writes it, of `sets` from set 1 in whole milliseconds; where the
// file holds counts, set s has `missed[s - 1]` missed hits (its runs of 1000 ms), the rest correct
// hits, and 5 correct misses.
inline void writeSets(const QString& path, const DataFileFormat& format, const QList<std::vector<int>>& sets,
                      const QList<int>& missed = {})
{
    SetData data;
    OutcomeCounts counts;
    for (int s = 1; s <= sets.size(); ++s) {
        const std::vector<int>& ms = sets[s - 1];
        for (std::size_t r = 0; r < ms.size(); ++r)
            data.Times[s][int(r) + 1] = float(ms[r]) / 1000.0f;
        counts.CorrectHits[s] = qint16(ms.size() - std::size_t(missed.value(s - 1)));
        counts.MissedHits[s] = qint16(missed.value(s - 1));
        counts.CorrectMisses[s] = 5;
    }
    QDir().mkpath(QFileInfo(path).path());
    StoreHalf half{data, format.counts ? &counts : nullptr};
    fakes::writeFile(path, fakes::written([&](QIODevice& d) { writeDataFile(d, format, half); }));
}

// A table the tool wrote (RFC 4180), its cells found by the header's names.
struct Table {
    QStringList header;
    QList<QStringList> rows;
    QString at(const QStringList& row, const QString& column) const { return row.value(header.indexOf(column)); }
};

inline Table readCsv(const QString& path)
{
    const QString text = QString::fromUtf8(fakes::readFile(path));
    QList<QStringList> records{{}};
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted && c == u'"' && text.mid(i + 1, 1) == u"\"")
            field += text[i++];
        else if (c == u'"')
            quoted = !quoted;
        else if (quoted || (c != u',' && c != u'\r' && c != u'\n'))
            field += c;
        else if (c != u'\r')
            records.last() << std::exchange(field, QString());
        if (!quoted && c == u'\n')
            records << QStringList();
    }
    records.removeLast();
    return {records.takeFirst(), records};
}

} // namespace brevane::summarytool
