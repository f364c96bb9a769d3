#include "summary/ClassSummary.h"
#include "shared/AppState.h"
#include "shared/DataFile.h"
#include "shared/Language.h"
#include "shared/RecoveryFile.h"
#include "shared/ResultsCsv.h"
#include "summary/ClassMachines.h"
#include "summary/CleanSummary.h"
#include "summary/RunTable.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <memory>

namespace brevane::summary {

namespace {

bool isRecovery(const QFileInfo& info)
{
    return info.fileName().compare(QLatin1String(kRecoveryFileName), Qt::CaseInsensitive) == 0;
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

QString tableNumber(double value, int decimals)
{
    return number(value, decimals);
}

std::optional<StudentFile> readStudentFile(const DataFileEntry& entry, const QByteArray& bytes, ColTest colTest,
                                           QString& reason)
{
    QByteArray copy = bytes; // QBuffer wants a mutable array; Qt shares the bytes until a write
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    const QFileInfo info(entry.path);
    StudentFile out{entry.path, entry.student, entry.byFolder, {}, entry.owner};
    QString kind;
    int lines = 0;
    bool ok = false;
    if (isRecovery(info)) {
        const auto state = std::make_unique<AppState>();
        ok = readRecovery(buffer, *state);
        for (const TestDescriptor* test : testList()) {
            if (!test->inRecoveryFile)
                continue;
            const OutcomeCounts* counts = test->countsOf(*state);
            out.tests.push_back(
                {QLatin1String(test->name), test->setsOf(*state), counts ? std::optional(*counts) : std::nullopt});
        }
        kind = QStringLiteral("recover.dat");
        lines = kRecoveryLineCount;
    } else {
        const bool simple = info.suffix().compare(QLatin1String("nrm"), Qt::CaseInsensitive) == 0;
        const DataFileFormat& format = simple ? kNrmFile : kColFile;
        TestData test{simple ? QStringLiteral("simple") : colTestName(colTest), {}, std::nullopt};
        OutcomeCounts counts;
        StoreHalf half{test.sets, simple ? nullptr : &counts};
        ok = readDataFile(buffer, format, half);
        if (!simple)
            test.counts = counts;
        out.tests = {test};
        kind = QCoreApplication::translate("ClassSummary", ".%1 file").arg(QLatin1String(format.extension));
        lines = format.lines();
    }
    const int taken = linesTaken(bytes, buffer.pos());
    if (!ok && buffer.atEnd() && taken < lines)
        reason =
            QCoreApplication::translate("ClassSummary", "it has %1 lines; a %2 has %3").arg(taken).arg(kind).arg(lines);
    else if (!ok)
        reason =
            QCoreApplication::translate("ClassSummary", "line %1 is not what a %2 holds there").arg(taken).arg(kind);
    else if (!buffer.readAll().trimmed().isEmpty()) // a recover.dat named .nrm would read as one
        reason =
            QCoreApplication::translate("ClassSummary", "it has more than the %1 lines of a %2").arg(lines).arg(kind);
    else
        return out;
    return std::nullopt;
}

namespace {

// A set as its runs and counts: two files that hold the same set give the same key.
QByteArray setKey(const RunRow& runs, const std::optional<Outcomes>& o)
{
    QByteArray key(reinterpret_cast<const char*>(&runs[1]), kStoredRuns * sizeof(float));
    if (o)
        key += QByteArray::number(o->correctHits) + ',' + QByteArray::number(o->correctMisses) + ',' +
               QByteArray::number(o->incorrectHits) + ',' + QByteArray::number(o->missedHits);
    return key;
}

// The set rows and each student's set means, a file at a time.
class Gatherer {
public:
    explicit Gatherer(ClassSummary& s)
        : s_(s)
    {
    }

    void add(const StudentFile& file)
    {
        const QString key = file.student.toCaseFolded();
        if (!index_.contains(key)) {
            index_.insert(key, int(s_.students.size()));
            s_.students << StudentRow{file.student, file.byFolder, {}, {}, {}, 0};
            students_.append(Student());
        }
        const int row = index_.value(key);
        s_.students[row].files << file.path;
        if (!file.owner.isEmpty()) {
            ++s_.students[row].checkedFiles;
            if (!s_.students[row].owners.contains(file.owner))
                s_.students[row].owners << file.owner;
        }
        for (const TestData& test : file.tests)
            addTest(row, file.path, test);
    }

    QSet<QString> tests;

    void finish()
    {
        for (int row = 0; row < s_.students.size(); ++row)
            for (auto it = students_[row].setMeans.cbegin(); it != students_[row].setMeans.cend(); ++it)
                s_.students[row].means.insert(it.key(), mean(it.value()));
    }

private:
    struct Student {
        QMap<QString, std::vector<double>> setMeans; // per test
        QMap<QString, QString> firstFile;            // per test: the file its first sets came from
        QHash<QByteArray, QString> sets;             // test and set key -> the file that held it
    };

    void addTest(int row, const QString& path, const TestData& test)
    {
        Student& student = students_[row];
        const QString& name = s_.students[row].student;
        QString repeatedFrom;
        int taken = 0;
        for (int set = 1; set <= kSetCount; ++set) {
            const std::optional<Outcomes> outcomes = outcomesOf(test.counts, set);
            SetSummary st = summariseSet(test.sets.Times[set], outcomes);
            if (!st.holdsTime)
                continue;
            const QByteArray key = test.test.toUtf8() + '/' + setKey(test.sets.Times[set], outcomes);
            if (const auto seen = student.sets.constFind(key); seen != student.sets.cend()) {
                repeatedFrom = *seen; // a recover.dat and the .nrm saved from the same series
                continue;
            }
            student.sets.insert(key, path);
            tests.insert(test.test);
            ++taken;
            if (st.n > 0) // a set of missed hits only has no reaction time
                student.setMeans[test.test].push_back(st.mean);
            s_.sets << SetRow{path, test.test, set, std::move(st), row, storedRuns(test.sets.Times[set], outcomes)};
        }
        if (!repeatedFrom.isEmpty())
            s_.notes << QCoreApplication::translate("ClassSummary",
                                                    "%1: %2 holds %3 sets that %4 holds too; each taken once")
                            .arg(name, path, test.test, repeatedFrom);
        const QString first = student.firstFile.value(test.test);
        if (taken > 0 && first.isEmpty())
            student.firstFile.insert(test.test, path);
        else if (taken > 0 && first != path)
            s_.notes << QCoreApplication::translate(
                            "ClassSummary", "%1 has two different %2 files, %3 and %4: both kept as separate sets")
                            .arg(name, test.test, first, path);
    }

    ClassSummary& s_;
    QHash<QString, int> index_; // case-folded student -> row
    QList<Student> students_;
};

} // namespace

ClassSummary summarise(const QList<StudentFile>& files, const RunRules& rules)
{
    ClassSummary s;
    Gatherer gatherer(s);
    for (const StudentFile& file : files)
        gatherer.add(file);
    gatherer.finish();
    for (const QString& test : kTestOrder)
        if (gatherer.tests.contains(test))
            s.tests << test;

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
    applyRules(s, rules);
    return s;
}

bool writeSetsCsv(QIODevice& out, const ClassSummary& summary)
{
    QByteArray bytes = csvRecord(QStringList{"file", "test", "set", "n", "mean_ms", "median_ms", "sd_ms", "fastest_ms",
                                             "slowest_ms", "correct_hits", "correct_misses", "incorrect_hits",
                                             "missed_hits", "hit_rate", "false_alarm_rate", "d_prime"}
                                 << cleanSetHeader() << machineColumns());
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
        bytes += csvRecord(fields << cleanSetFields(row) << machineFields(summary.machines.value(row.file)));
    }
    return writeAll(out, bytes);
}

namespace {

// Whose the student's files were found to be, where the owners were checked: "bob", or with
// the count where only some were ("bob (2 of 3 files)").
QString checkedOwner(const StudentRow& student)
{
    QString owners = student.owners.join(QStringLiteral("; "));
    if (student.checkedFiles == 0 || student.checkedFiles == student.files.size())
        return owners;
    return QStringLiteral("%1 (%2 of %3 files)").arg(owners).arg(student.checkedFiles).arg(student.files.size());
}

} // namespace

bool writeStudentsCsv(QIODevice& out, const ClassSummary& summary)
{
    QStringList header{"student"};
    for (const QString& test : summary.tests)
        header << test + QStringLiteral("_mean_ms");
    QByteArray bytes = csvRecord(header << "found_by"
                                        << "files"
                                        << "checked_owner" << shapeStudentHeader(summary.tests) << machineColumns());
    for (const StudentRow& student : summary.students) {
        QStringList fields{student.student};
        for (const QString& test : summary.tests)
            fields << number(student.means.value(test, kNone), 1);
        fields << (student.byFolder ? QStringLiteral("folder") : QStringLiteral("name"))
               << student.files.join(QStringLiteral("; ")) << checkedOwner(student)
               << shapeStudentFields(student, summary.tests);
        QList<MachineResult> machines;
        for (const QString& file : student.files)
            machines << summary.machines.value(file);
        bytes += csvRecord(fields << machineFields(machines));
    }
    return writeAll(out, bytes);
}

bool writeClassCsv(QIODevice& out, const ClassSummary& summary)
{
    QByteArray bytes = csvRecord(QStringList{"test", "students", "mean_ms", "sd_ms", "median_ms", "paired_students",
                                             "minus_simple_ms", "minus_simple_ci95_low_ms", "minus_simple_ci95_high_ms"}
                                 << shapeClassHeader());
    for (const ClassRow& row : summary.classRows) {
        QStringList fields{row.test, QString::number(row.studentMeans.size()), number(row.mean, 1), number(row.sd, 1),
                           number(row.median, 1)};
        if (row.test == kTestOrder[0])
            fields << QStringList(4);
        else
            fields << QString::number(row.minusSimple.n) << number(row.minusSimple.mean, 1)
                   << number(row.minusSimple.low, 1) << number(row.minusSimple.high, 1);
        bytes += csvRecord(fields << shapeClassFields(row));
    }
    return writeAll(out, bytes);
}

bool writeNotes(QIODevice& out, const ClassSummary& summary)
{
    QString text = QStringLiteral(
        "What the numbers are\n"
        "\n"
        "Times are the stored times in whole milliseconds, as the program shows and saves them; no\n"
        "statistic sees a finer time.\n"
        "sets.csv: one row per file, test and set; n, mean, median, SD, fastest and slowest are over\n"
        "the set's runs 1 to 10. In the choice tests (colour, number, choice) only correct hits are\n"
        "reaction times: a trigger let pass is stored as 1.000 s, and as many 1.000 s runs as the set's\n"
        "missed hits are left out of the times (they count in the rates); a 1.000 s run beyond them\n"
        "is a press and counts as one. Hit rate = correct hits / triggers; false-alarm rate =\n"
        "incorrect hits / other elements; d' = z(H) - z(F) with the log-linear correction\n"
        "H = (hits + .5) / (triggers + 1), F = (incorrect hits + .5) / (other elements + 1), empty\n"
        "for a set that showed no trigger or no other element.\n"
        "students.csv: a student's mean is the mean of their set means, each set weighing the same;\n"
        "found_by says whether the student is a folder or a file name, files which files made them,\n"
        "checked_owner whose account the files were found to belong to in a hand-in folder, where the\n"
        "owners decide (empty where the names decided).\n"
        "class.csv: over the student means: mean, SD (n - 1), median; minus_simple is each choice\n"
        "test's mean minus the simple test's, paired over the students who took both, with its\n"
        "95 % interval from Student's t.\n"
        "\n");
    text += rulesNotes(summary.rules);
    text += QStringLiteral("%1, %2 (%3 by folder, %4 by file name).\n")
                .arg(counted(summary.sets.size(), QStringLiteral("set")),
                     counted(summary.students.size(), QStringLiteral("student")))
                .arg(std::count_if(summary.students.cbegin(), summary.students.cend(),
                                   [](const StudentRow& st) { return st.byFolder; }))
                .arg(std::count_if(summary.students.cbegin(), summary.students.cend(),
                                   [](const StudentRow& st) { return !st.byFolder; }));
    if (const QString machines = machineNotes(summary); !machines.isEmpty())
        text += QStringLiteral("\n") + machines;
    return writeAll(out, text.toUtf8());
}

QString counted(qsizetype n, const QString& thing, const QString& things)
{
    return QStringLiteral("%1 %2").arg(n).arg(n == 1 ? thing : things.isEmpty() ? thing + u's' : things);
}

QString countedShown(qsizetype n, const QString& numerus, const QString& thing, const QString& things)
{
    return englishShown() ? counted(n, thing, things) : numerus;
}

QString handedIn(const ClassSummary& summary)
{
    QStringList tests;
    for (const ClassRow& row : summary.classRows)
        tests << QStringLiteral("%1: %2").arg(row.test).arg(row.studentMeans.size());
    const qsizetype n = summary.students.size();
    const QString students =
        QCoreApplication::translate("ClassSummary", "%1 handed in")
            .arg(countedShown(n, QCoreApplication::translate("ClassSummary", "%n student(s)", nullptr, int(n)),
                              QStringLiteral("student")));
    return tests.isEmpty() ? students : students + QStringLiteral(" \u2014 ") + tests.join(QStringLiteral(", "));
}

} // namespace brevane::summary
