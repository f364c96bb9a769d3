#pragma once
// Which files a class's folders hold and whose they are. The paths named on the command line are
// walked into a list of data files (recover.dat, .nrm, .col), each with its student; every file
// or folder that cannot be walked or is not a data file is a Refusal with the system's reason.
//
// Who a student is:
//   by folder  a folder that holds at most one file of each kind directly (a recover.dat, a .nrm,
//              a .col, whatever their names) is one student, named after the folder: the layout
//              of a course site's "download all submissions" and of a hand-in folder's
//              <login name>/. A folder named <login>@<machine> is a shared account's and never
//              one student; its recover.dat, which holds whoever ran last, is left out (the
//              students' saved files count).
//   by name    otherwise a .nrm or .col file's name without its extension and without a trailing
//              test word (anna-simple.nrm and anna_Colour.col are anna), and a recover.dat's
//              folder name. Names compare without case: Anna.nrm and anna.col are one student.
// --student-from folder|name takes one rule for every file.

#include <QList>
#include <QString>
#include <QStringList>

namespace brevane::summary {

enum class StudentFrom { Either, Folder, Name };

struct DataFileEntry {
    QString path;
    QString student;
    bool byFolder = false; // the student is the folder's name, by the folder rule
};

struct Refusal {
    QString path;
    QString reason;
};

struct ClassFiles {
    QList<DataFileEntry> files; // each file once, in walking order (names sorted)
    QList<Refusal> refused;
    QStringList leftOut; // data files deliberately not read, each with why
    QStringList folders; // every folder walked, for a watch over them
};

ClassFiles collectClassFiles(const QStringList& paths, StudentFrom from);

// A file's name without its extension and without a trailing test word ("-simple", "_colour",
// " Number", ...); the name itself when nothing would be left.
QString studentFromName(const QString& fileName);

} // namespace brevane::summary
