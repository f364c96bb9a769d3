#pragma once
// The rules' part of the tables: runs.csv, one row per stored run of the class ("long" data, as
// R, JASP and pandas take it), and the columns that sets.csv, students.csv and class.csv gain at
// their ends (the columns before them keep their names and places), with the notes' words for
// them.
//   runs.csv: student,test,set,run,rt_ms,outcome,counted,excluded_as,file
// counted is TRUE or FALSE, which R's read.csv and pandas read as logical values.

#include "summary/ClassSummary.h"

#include <QIODevice>
#include <QStringList>

namespace brevane::summary {

bool writeRunsCsv(QIODevice& out, const ClassSummary& summary);

QStringList cleanSetHeader();
QStringList cleanSetFields(const SetRow& row);
QStringList shapeStudentHeader(const QStringList& tests);
QStringList shapeStudentFields(const StudentRow& student, const QStringList& tests);
QStringList shapeClassHeader();
QStringList shapeClassFields(const ClassRow& row);

// What runs.csv and the new columns hold, with the rules in force, for class-notes.txt.
QString rulesNotes(const RunRules& rules);

} // namespace brevane::summary
