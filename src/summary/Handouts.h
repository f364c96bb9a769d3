#pragma once
// --handouts: a page for each student to take home, all in handouts.pdf in the output folder, a
// page per student in the order of students.csv, to print and hand out. A page shows their own tests' statistics, the
// distribution of their runs that count against the class's, and where their mean stands among the class's means.
// Nothing on it names another student: the class is there only as runs and means without names. handoutFor() picks the
// student's part of the summary; drawHandout() paints it on an A4 canvas. One file rather than
// one per student: each PDF carries its fonts, which cost more than the page.

#include "summary/ClassSummary.h"

#include <QList>
#include <span>

class QIODevice;
class QPainter;

namespace brevane::summary {

inline constexpr int kHandoutWidth = 800, kHandoutHeight = 1131; // A4 portrait

struct HandoutTest {
    QString test;
    int sets = 0;
    double mean = kNone; // the mean of the student's set means, as the class chart shows it
    const StudentShape* shape = nullptr;
    std::span<const double> classCounted; // every run of the class that counts
    std::span<const double> classMeans;   // every student's mean, this student's among them
};

struct Handout {
    QString student;
    int classSize = 0;
    RunRules rules;
    QList<HandoutTest> tests; // in the order of the tables
};

// The student's page as drawn from the summary, which must outlive it.
Handout handoutFor(const ClassSummary& summary, int student);
void drawHandout(QPainter& painter, const Handout& handout);

// handouts.pdf: every student's page, in the order of students.csv; false when the device
// refused the bytes.
bool writeHandouts(QIODevice& out, const ClassSummary& summary);

} // namespace brevane::summary
