#pragma once
// One pass of the class summary: the paths walked (ClassFiles.h), every file read through the
// program's guarded read (a file far larger than any the program writes is refused by its size
// before a byte is read), byte-identical copies read once, the rest summarised (ClassSummary.h)
// and written into the output folder. The tool runs it once; ClassWatch runs it again whenever a
// hand-in folder changes. What a pass has to say comes back as lines for standard error.

#include "summary/ClassFiles.h"
#include "summary/ClassSummary.h"

#include <QStringList>
#include <functional>

namespace brevane::summary {

// The tool's exit status (the manual page lists them).
enum ExitStatus { kDone = 0, kFailed = 1, kUsage = 2, kSkipped = 3 };

struct SummaryOptions {
    QStringList paths;
    QString output = QStringLiteral(".");
    ColTest colTest = ColTest::Choice;
    StudentFrom studentFrom = StudentFrom::Either;
    Owners owners = Owners::Auto;
    bool excel = false; // a UTF-8 byte-order mark atop every CSV file
    // Which runs count in the clean statistics; with handouts, a PDF page per student as well.
    RunRules rules{};
    bool handouts = false;
};

struct ClassRound {
    ClassSummary summary;
    QStringList said;    // skipped paths with their reasons, copies, the students' notes
    QStringList skipped; // every path skipped
    qsizetype read = 0, copies = 0;
};

using Progress = std::function<void(const QString&)>;

// The files found read and summarised; `progress` hears how far a long pass has gone.
ClassRound readClass(const SummaryOptions& options, const ClassFiles& found, const Progress& progress = {});

// Every output file replaced atomically in options.output (created when missing); a line for each
// file that could not be written is added to `said`. False when any failed.
bool writeOutputs(const SummaryOptions& options, const ClassSummary& summary, QStringList& said);

// The pass in one line: files read and skipped, students and how they were found, tests.
QString closingLine(const ClassRound& round);

} // namespace brevane::summary
