#include "summary/ClassSummary.h"
#include "shared/AppState.h"
#include "shared/DataFile.h"
#include "shared/RecoveryFile.h"
#include "shared/ResultsCsv.h"

#include <QBuffer>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <cmath>
#include <memory>

namespace brevane::summary {

namespace {

bool isRecovery(const QFileInfo& info)
{
    return info.fileName().compare(QLatin1String(kRecoveryFileName), Qt::CaseInsensitive) == 0;
}

bool hasSuffix(const QFileInfo& info, const char* suffix)
{
    return info.suffix().compare(QLatin1String(suffix), Qt::CaseInsensitive) == 0;
}

bool isDataFile(const QFileInfo& info)
{
    return isRecovery(info) || hasSuffix(info, "nrm") || hasSuffix(info, "col");
}

QString studentOf(const QFileInfo& info)
{
    return QDir::cleanPath(isRecovery(info) ? info.path() : info.path() + u'/' + info.completeBaseName());
}

QString colTestName(ColTest test)
{
    switch (test) {
    case ColTest::Colour:
        return QStringLiteral("colour");
    case ColTest::Number:
        return QStringLiteral("number");
    case ColTest::Choice:
        break;
    }
    return QStringLiteral("choice");
}

std::optional<Outcomes> outcomesOf(const std::optional<OutcomeCounts>& counts, int set)
{
    if (!counts)
        return std::nullopt;
    return Outcomes{counts->CorrectHits[set], counts->CorrectMisses[set], counts->InCorrectHits[set],
                    counts->MissedHits[set]};
}

// Lines the reader took: each readLine call, the last one with or without its line end.
int linesTaken(const QByteArray& bytes, qint64 pos)
{
    const QByteArray taken = bytes.left(pos);
    return int(taken.count('\n')) + (!taken.isEmpty() && !taken.endsWith('\n') ? 1 : 0);
}

// A value that does not exist is an empty field. Rounded first, so that -0.04 is "0.0", not "-0.0".
QString number(double value, int decimals)
{
    if (std::isnan(value))
        return QString();
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(value * scale) / scale;
    return QString::number(rounded == 0 ? 0.0 : rounded, 'f', decimals);
}

bool writeAll(QIODevice& out, const QByteArray& bytes)
{
    return out.write(bytes) == bytes.size();
}

} // namespace

QStringList collectDataFiles(const QStringList& paths, QList<Refusal>& refused)
{
    QStringList out;
    QSet<QString> seen;
    const auto take = [&](const QString& path) {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        if (!seen.contains(canonical)) {
            seen.insert(canonical);
            out << path;
        }
    };
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (!info.exists()) {
            refused << Refusal{path, QStringLiteral("no such file or folder")};
        } else if (info.isDir()) {
            QStringList found;
            QDirIterator it(path, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString file = QDir::cleanPath(it.next());
                if (isDataFile(it.fileInfo()))
                    found << file;
            }
            found.sort(); // the same order on every file system, so the tables compare
            for (const QString& file : found)
                take(file);
        } else if (!isDataFile(info)) {
            refused << Refusal{path, QStringLiteral("not a recover.dat, .nrm or .col file")};
        } else {
            take(path);
        }
    }
    return out;
}

std::optional<StudentFile> readStudentFile(const QString& path, ColTest colTest, QString& reason)
{
    // The bytes first, whole, as the program's Load does: a read error is then a refusal like any other.
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        reason = file.errorString();
        return std::nullopt;
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const QFileInfo info(path);
    StudentFile out{path, studentOf(info), {}};
    QString kind;
    int lines = 0;
    bool ok = false;
    if (isRecovery(info)) {
        const auto state = std::make_unique<AppState>();
        ok = readRecovery(buffer, *state);
        out.tests = {{QStringLiteral("simple"), state->Simple, std::nullopt},
                     {QStringLiteral("colour"), state->Color, state->Color},
                     {QStringLiteral("number"), state->Number, state->Number}};
        kind = QStringLiteral("recover.dat");
        lines = kRecoveryLineCount;
    } else {
        const bool simple = hasSuffix(info, "nrm");
        const DataFileFormat& format = simple ? kNrmFile : kColFile;
        TestData test{simple ? QStringLiteral("simple") : colTestName(colTest), {}, std::nullopt};
        OutcomeCounts counts;
        StoreHalf half{test.sets, simple ? nullptr : &counts};
        ok = readDataFile(buffer, format, half);
        if (!simple)
            test.counts = counts;
        out.tests = {test};
        kind = QStringLiteral(".%1 file").arg(QLatin1String(format.extension));
        lines = format.lines();
    }
    const int taken = linesTaken(bytes, buffer.pos());
    if (!ok && buffer.atEnd() && taken < lines)
        reason = QStringLiteral("it has %1 lines; a %2 has %3").arg(taken).arg(kind).arg(lines);
    else if (!ok)
        reason = QStringLiteral("line %1 is not what a %2 holds there").arg(taken).arg(kind);
    else if (!buffer.readAll().trimmed().isEmpty()) // a recover.dat named .nrm would read as one
        reason = QStringLiteral("it has more than the %1 lines of a %2").arg(lines).arg(kind);
    else
        return out;
    return std::nullopt;
}

ClassSummary summarise(const QList<StudentFile>& files)
{
    ClassSummary s;
    QMap<QString, int> index;                           // student -> row
    QList<QMap<QString, std::vector<double>>> setMeans; // per student row, per test
    QSet<QString> tests;
    for (const StudentFile& file : files) {
        if (!index.contains(file.student)) {
            index.insert(file.student, int(s.students.size()));
            s.students << StudentRow{file.student, {}};
            setMeans.append(QMap<QString, std::vector<double>>());
        }
        const int row = index.value(file.student);
        for (const TestData& test : file.tests) {
            for (int set = 1; set <= kSetCount; ++set) {
                SetSummary st = summariseSet(test.sets.Times[set], outcomesOf(test.counts, set));
                if (!st.holdsTime)
                    continue;
                tests.insert(test.test);
                if (st.n > 0) // a set of missed hits only has no reaction time
                    setMeans[row][test.test].push_back(st.mean);
                s.sets << SetRow{file.path, test.test, set, std::move(st)};
            }
        }
    }
    for (const QString& test : kTestOrder)
        if (tests.contains(test))
            s.tests << test;
    for (int row = 0; row < s.students.size(); ++row)
        for (auto it = setMeans[row].cbegin(); it != setMeans[row].cend(); ++it)
            s.students[row].means.insert(it.key(), mean(it.value()));

    for (const QString& test : s.tests) {
        ClassRow c;
        c.test = test;
        std::vector<double> differences;
        for (const StudentRow& student : s.students) {
            if (!student.means.contains(test))
                continue;
            c.studentMeans.push_back(student.means.value(test));
            if (test != kTestOrder[0] && student.means.contains(kTestOrder[0]))
                differences.push_back(student.means.value(test) - student.means.value(kTestOrder[0]));
        }
        c.mean = mean(c.studentMeans);
        c.sd = sampleSd(c.studentMeans);
        c.median = median(c.studentMeans);
        c.minusSimple = pairedInterval(differences);
        s.classRows << c;
    }
    return s;
}

bool writeSetsCsv(QIODevice& out, const ClassSummary& summary)
{
    QByteArray bytes = csvRecord({"file", "test", "set", "n", "mean_ms", "median_ms", "sd_ms", "fastest_ms",
                                  "slowest_ms", "correct_hits", "correct_misses", "incorrect_hits", "missed_hits",
                                  "hit_rate", "false_alarm_rate", "d_prime"});
    for (const SetRow& row : summary.sets) {
        const SetSummary& st = row.stats;
        QStringList fields{row.file,
                           row.test,
                           QString::number(row.set),
                           QString::number(st.n),
                           number(st.mean, 1),
                           number(st.median, 1),
                           number(st.sd, 1),
                           number(st.fastest, 0),
                           number(st.slowest, 0)};
        if (const std::optional<Outcomes>& o = st.outcomes)
            fields << QString::number(o->correctHits) << QString::number(o->correctMisses)
                   << QString::number(o->incorrectHits) << QString::number(o->missedHits) << number(st.hitRate, 4)
                   << number(st.falseAlarmRate, 4) << number(st.dPrime, 3);
        else
            fields << QStringList(7);
        bytes += csvRecord(fields);
    }
    return writeAll(out, bytes);
}

bool writeStudentsCsv(QIODevice& out, const ClassSummary& summary)
{
    QStringList header{"student"};
    for (const QString& test : summary.tests)
        header << test + QStringLiteral("_mean_ms");
    QByteArray bytes = csvRecord(header);
    for (const StudentRow& student : summary.students) {
        QStringList fields{student.student};
        for (const QString& test : summary.tests)
            fields << number(student.means.value(test, kNone), 1);
        bytes += csvRecord(fields);
    }
    return writeAll(out, bytes);
}

bool writeClassCsv(QIODevice& out, const ClassSummary& summary)
{
    QByteArray bytes = csvRecord({"test", "students", "mean_ms", "sd_ms", "median_ms", "paired_students",
                                  "minus_simple_ms", "minus_simple_ci95_low_ms", "minus_simple_ci95_high_ms"});
    for (const ClassRow& row : summary.classRows) {
        QStringList fields{row.test, QString::number(row.studentMeans.size()), number(row.mean, 1), number(row.sd, 1),
                           number(row.median, 1)};
        if (row.test == kTestOrder[0])
            fields << QStringList(4);
        else
            fields << QString::number(row.minusSimple.n) << number(row.minusSimple.mean, 1)
                   << number(row.minusSimple.low, 1) << number(row.minusSimple.high, 1);
        bytes += csvRecord(fields);
    }
    return writeAll(out, bytes);
}

} // namespace brevane::summary
