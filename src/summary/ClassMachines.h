#pragma once
// The machines a class's files were measured on. The lab program hands the machine check's result
// in beside a student's files as machine-<host>.txt (shared/MachineResult.h); every such file in
// the folder of a student's file is a machine that file may have been measured on (a student who
// used two machines has two). readClass finds them once per folder (findMachines) and the tables
// name them per file: sets.csv and students.csv end with the machine and its measured lags, and
// class-notes.txt says how the lags bear on the class's times (machineNotes).

#include "shared/MachineResult.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace brevane::summary {

struct ClassSummary;

// Per file path: the machines in its folder, by host name; files without any are left out.
// A machine file that cannot be read is named in `said` with the reason.
QMap<QString, QList<MachineResult>> findMachines(const QStringList& files, QStringList& said);

// The columns sets.csv and students.csv end with, and a file's (or a student's files') fields: the
// machines' names ("; " between two), then each part's mean lag in ms where one machine, measured,
// stands behind them.
QStringList machineColumns();
QStringList machineFields(const QList<MachineResult>& machines);

// The machines and their lags, and what they mean for the times, for class-notes.txt; empty
// where no file came with a machine.
QString machineNotes(const ClassSummary& summary);

} // namespace brevane::summary
