#pragma once
// The class summary tool (brevane-summary), a program of its own beside the lab program. Data
// flows one way: the paths named on the command line become a list of data files, each with its
// student (ClassFiles.h says who a student is); each file is read through the program's guarded
// read and its own readers (readRecovery, readDataFile) into a StudentFile, or refused with a
// reason; summarise() turns them into set rows (one per file, test and set that holds any time),
// student rows and class rows (ClassStatistics.h); the tables go to CSV with the export's records
// (shared/ResultsCsv.h) and the student means to a chart (ClassChart.h). ClassRun.h runs these
// steps once, ClassWatch.h again whenever a hand-in folder changes. Every file is written
// through the atomic save. Last, summarise() marks every stored run by the rules of RunRules.h
// (CleanSummary.h: anticipations, lapses, outliers; the clean statistics; each student's shape
// and ex-Gaussian fit); RunTable.h writes runs.csv and the columns the rules add, ShapeChart.h
// the chart's second page and Handouts.h a page per student.
//
// The numbers: times are the stored whole milliseconds; a set's mean is over its runs 1..10, a
// student's mean is the mean of their set means (each set weighs the same), and the class's rows
// are over the student means.

#include "shared/MachineResult.h"
#include "shared/Stores.h"
#include "shared/TestList.h"
#include "summary/ClassFiles.h"
#include "summary/ClassStatistics.h"
#include "summary/RunRules.h"

#include <QIODevice>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

namespace brevane::summary {

// What a .col file is taken for: it does not record which choice test wrote it.
enum class ColTest { Choice, Colour, Number };

// The tests in the order of every table and of the chart: the program's own, then "choice", a .col
// file said to be neither choice test's.
inline const QStringList kTestOrder = [] {
    QStringList order;
    for (const TestDescriptor* test : testList())
        order << QLatin1String(test->name);
    return order << QStringLiteral("choice");
}();

struct TestData {
    QString test; // one of kTestOrder
    SetData sets;
    std::optional<OutcomeCounts> counts; // the choice tests
};

struct StudentFile {
    QString path;
    QString student;
    bool byFolder = false;
    QList<TestData> tests;
    QString owner; // the account it was checked to belong to; "" where names decided
};

// One file's bytes read as its kind of file; nullopt with the reason when they do not.
std::optional<StudentFile> readStudentFile(const DataFileEntry& entry, const QByteArray& bytes, ColTest colTest,
                                           QString& reason);

struct SetRow {
    QString file, test;
    int set = 0;
    SetSummary stats;
    int student = -1;              // the row in ClassSummary::students
    std::vector<StoredRun> runs{}; // every stored run, each with why it does not count
    CleanSet clean{};
};

struct StudentRow {
    QString student; // as first met; names compare without case
    bool byFolder = false;
    QStringList files;
    QMap<QString, double> means; // per test: the mean of the student's set means
    QStringList owners;          // the accounts their files were checked to belong to
    int checkedFiles = 0;        // of `files`, those checked by owner
    // Per test the student has sets of: by the rules, with the shape of their times.
    QMap<QString, StudentShape> shapes{};
};

struct ClassRow {
    QString test;
    std::vector<double> studentMeans; // in student order
    double mean = kNone, sd = kNone, median = kNone;
    // choice test minus simple, over the students with both; n = 0 for the simple test itself
    Interval minusSimple;
    ClassShape shape{}; // the same by the rules, with the distribution's shape
};

struct ClassSummary {
    QStringList tests; // those the files hold, in kTestOrder
    QList<SetRow> sets;
    QList<StudentRow> students; // in order of first appearance
    QList<ClassRow> classRows;  // one per test
    // A student with two different files of one test (both kept), or with sets that another of
    // their files holds too (taken once): one line each, for standard error.
    QStringList notes;
    RunRules rules{}; // the rules the clean statistics were taken by
    // Per file: the machines it may have been measured on (ClassMachines.h); filled by readClass.
    QMap<QString, QList<MachineResult>> machines;
};

ClassSummary summarise(const QList<StudentFile>& files, const RunRules& rules = {});

// The three tables; false when the device took less than every byte.
bool writeSetsCsv(QIODevice& out, const ClassSummary& summary);
bool writeStudentsCsv(QIODevice& out, const ClassSummary& summary);
bool writeClassCsv(QIODevice& out, const ClassSummary& summary);
// What the numbers in the tables and the chart are, in words, beside class.csv.
bool writeNotes(QIODevice& out, const ClassSummary& summary);

// A number as the tables write it, with `decimals` places and a period; empty for NaN.
QString tableNumber(double value, int decimals);

// "1 file", "3 students".
QString counted(qsizetype n, const QString& thing, const QString& things = {});
// The same on the screen and the chart: counted() in English, else `numerus` ("%n student(s)"
// translated with its plural forms).
QString countedShown(qsizetype n, const QString& numerus, const QString& thing, const QString& things = {});
// How many students have handed in what: "3 students handed in \u2014 simple: 3, colour: 2".
QString handedIn(const ClassSummary& summary);

} // namespace brevane::summary
