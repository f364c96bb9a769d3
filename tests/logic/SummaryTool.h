#pragma once
// Running brevane-summary from a test, and a class's files written with the program's own
// writers: shared by the tests of the summary tool (SUMMARY_TOOL is the tool's path).
#include "fakes/Fakes.h"
#include "shared/DataFile.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <initializer_list>
#include <unistd.h>

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

inline void writeSets(const QString& path, const DataFileFormat& format, std::initializer_list<float> set1,
                      int missed = 0)
{
    SetData sets;
    OutcomeCounts counts;
    std::copy(set1.begin(), set1.end(), &sets.Times[1][1]);
    counts.CorrectHits[1] = qint16(set1.size() - missed);
    counts.MissedHits[1] = qint16(missed);
    counts.CorrectMisses[1] = 5;
    QDir().mkpath(QFileInfo(path).path());
    StoreHalf half{sets, format.counts ? &counts : nullptr};
    fakes::writeFile(path, fakes::written([&](QIODevice& d) { writeDataFile(d, format, half); }));
}

} // namespace brevane::summarytool
