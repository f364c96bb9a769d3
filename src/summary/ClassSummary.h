#pragma once
// The class summary tool (brevane-summary), a program of its own beside the lab program. Data
// flows one way: the paths named on the command line become a list of data files (folders are
// walked); each file is read whole with the program's own readers (readRecovery, readDataFile)
// into StudentFiles, or refused with a reason; summarise() turns them into set rows (one per
// file, test and set that holds any time), student rows and class rows (ClassStatistics.h); the
// tables go to CSV with the export's records (shared/ResultsCsv.h) and the student means to a
// chart (ClassChart.h). The tool writes every file through the atomic save.
//
// A student is a name: a .nrm or .col file's path without its extension, so alice.nrm and
// alice.col are one student with both tests, and recover.dat's folder, which holds all three of
// one student's tests.

#include "shared/Stores.h"
#include "summary/ClassStatistics.h"

#include <QIODevice>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

namespace brevane::summary {

// What a .col file is taken for: it does not record which choice test wrote it.
enum class ColTest { Choice, Colour, Number };

// The tests in the order of every table and of the chart.
inline const QStringList kTestOrder{"simple", "colour", "number", "choice"};

struct TestData {
    QString test; // one of kTestOrder
    SetData sets;
    std::optional<OutcomeCounts> counts; // the choice tests
};

struct StudentFile {
    QString path;
    QString student;
    QList<TestData> tests;
};

struct Refusal {
    QString path;
    QString reason;
};

// The data files among the paths: a folder stands for every recover.dat, .nrm and .col file
// under it, in name order; a named file that is none of these, or a path that does not exist,
// is refused. A file reached twice is taken once.
QStringList collectDataFiles(const QStringList& paths, QList<Refusal>& refused);

// One file read whole; nullopt with the reason when it does not read as its kind of file.
std::optional<StudentFile> readStudentFile(const QString& path, ColTest colTest, QString& reason);

struct SetRow {
    QString file, test;
    int set = 0;
    SetSummary stats;
};

struct StudentRow {
    QString student;
    QMap<QString, double> means; // per test: the mean of the student's set means
};

struct ClassRow {
    QString test;
    std::vector<double> studentMeans; // in student order
    double mean = kNone, sd = kNone, median = kNone;
    // choice test minus simple, over the students with both; n = 0 for the simple test itself
    Interval minusSimple;
};

struct ClassSummary {
    QStringList tests; // those the files hold, in kTestOrder
    QList<SetRow> sets;
    QList<StudentRow> students; // in order of first appearance
    QList<ClassRow> classRows;  // one per test
};

ClassSummary summarise(const QList<StudentFile>& files);

// The three tables; false when the device took less than every byte.
bool writeSetsCsv(QIODevice& out, const ClassSummary& summary);
bool writeStudentsCsv(QIODevice& out, const ClassSummary& summary);
bool writeClassCsv(QIODevice& out, const ClassSummary& summary);

} // namespace brevane::summary
