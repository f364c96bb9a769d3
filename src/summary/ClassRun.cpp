#include "summary/ClassRun.h"
#include "shared/AtomicFile.h"
#include "shared/FileRead.h"
#include "summary/ClassChart.h"
#include "summary/ClassMachines.h"
#include "summary/Handouts.h"
#include "summary/RunTable.h"
#include "summary/ShapeChart.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QHash>
#include <QIODevice>
#include <algorithm>

namespace brevane::summary {

namespace {

constexpr int kProgressEvery = 100; // files; fewer are read before anyone waits for them

// Spreadsheets that guess a CSV file's encoding take it as UTF-8 only with the mark.
bool withByteOrderMark(QIODevice& out, const ClassSummary& summary, bool (*write)(QIODevice&, const ClassSummary&))
{
    return out.write("\xEF\xBB\xBF", 3) == 3 && write(out, summary);
}

} // namespace

ClassRound readClass(const SummaryOptions& options, const ClassFiles& found, const Progress& progress)
{
    ClassRound round;
    const auto skip = [&](const QString& path, const QString& reason) {
        round.skipped << path;
        round.said << QCoreApplication::translate("ClassRun", "skipped %1: %2").arg(path, reason);
    };
    for (const Refusal& r : found.refused)
        skip(r.path, r.reason);
    round.said << found.leftOut;
    QHash<QByteArray, QString> byContent; // a file's hash -> the first file with those bytes
    QList<StudentFile> files;
    for (qsizetype i = 0; i < found.files.size(); ++i) {
        const DataFileEntry& entry = found.files[i];
        const FileReadResult bytes = readClassFile(entry);
        const QByteArray hash = QCryptographicHash::hash(bytes.bytes, QCryptographicHash::Sha256);
        QString reason;
        if (!bytes.ok) {
            skip(entry.path, bytes.error);
        } else if (const QString first = byContent.value(hash); !first.isEmpty()) {
            ++round.copies;
            round.said
                << QCoreApplication::translate("ClassRun", "%1 is a copy of %2: read once").arg(entry.path, first);
        } else if (std::optional<StudentFile> file = readStudentFile(entry, bytes.bytes, options.colTest, reason)) {
            byContent.insert(hash, entry.path);
            files << std::move(*file);
        } else {
            skip(entry.path, reason);
        }
        if (progress && (i + 1) % kProgressEvery == 0 && i + 1 < found.files.size())
            progress(QCoreApplication::translate("ClassRun", "%1 of %2 files read").arg(i + 1).arg(found.files.size()));
    }
    round.read = files.size();
    round.summary = summarise(files, options.rules);
    round.said << round.summary.notes;
    QStringList paths;
    for (const StudentFile& file : files)
        paths << file.path;
    round.summary.machines = findMachines(paths, round.said);
    return round;
}

bool writeOutputs(const SummaryOptions& options, const ClassSummary& summary, QStringList& said)
{
    const QDir folder(options.output);
    if (!folder.mkpath(QStringLiteral("."))) {
        said << QCoreApplication::translate("ClassRun", "cannot make the folder %1").arg(options.output);
        return false;
    }
    using Writer = bool (*)(QIODevice&, const ClassSummary&);
    const std::tuple<const char*, Writer, bool> outputs[] = {
        {"sets.csv", writeSetsCsv, true},          {"students.csv", writeStudentsCsv, true},
        {"class.csv", writeClassCsv, true},        {"class-notes.txt", writeNotes, false},
        {"class-chart.pdf", writeChartPdf, false}, {"class-chart.png", writeChartPng, false},
        {"runs.csv", writeRunsCsv, true},          {"class-shape.png", writeShapeChartPng, false},
        {"handouts.pdf", writeHandouts, false}};
    bool ok = true;
    for (const auto& [name, write, csv] : outputs) {
        if (write == writeHandouts && !options.handouts)
            continue;
        const QString path = folder.filePath(QLatin1String(name));
        const bool mark = csv && options.excel;
        const FileWriteResult written = replaceFileAtomically(path, [&, write = write](QIODevice& device) {
            return mark ? withByteOrderMark(device, summary, write) : write(device, summary);
        });
        if (!written.ok) {
            said << QCoreApplication::translate("ClassRun", "could not write %1: %2").arg(path, written.error);
            ok = false;
        }
    }
    return ok;
}

QString closingLine(const ClassRound& round)
{
    const QList<StudentRow>& students = round.summary.students;
    const auto byFolder =
        std::count_if(students.cbegin(), students.cend(), [](const StudentRow& s) { return s.byFolder; });
    QString files = QCoreApplication::translate("ClassRun", "%1 read")
                        .arg(countedShown(
                            round.read, QCoreApplication::translate("ClassRun", "%n file(s)", nullptr, int(round.read)),
                            QStringLiteral("file")));
    if (round.copies > 0)
        files +=
            QCoreApplication::translate("ClassRun", " (and %1 read once)")
                .arg(countedShown(round.copies,
                                  QCoreApplication::translate("ClassRun", "%n copy(ies)", nullptr, int(round.copies)),
                                  QStringLiteral("copy"), QStringLiteral("copies")));
    return QCoreApplication::translate("ClassRun", "%1, %2 skipped; %3 (%4 by folder, %5 by file name); tests: %6")
        .arg(files)
        .arg(round.skipped.size())
        .arg(countedShown(students.size(),
                          QCoreApplication::translate("ClassRun", "%n student(s)", nullptr, int(students.size())),
                          QStringLiteral("student")))
        .arg(byFolder)
        .arg(students.size() - byFolder)
        .arg(round.summary.tests.isEmpty() ? QCoreApplication::translate("ClassRun", "none")
                                           : round.summary.tests.join(QStringLiteral(", ")));
}

} // namespace brevane::summary
