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
//
// In a hand-in folder the owners decide, not the names, since every student may write there:
//   <login>/          its files are that login's, whatever their names, where the folder and each
//                     file belong to the login's user id; --student-from does not change that
//   <login>@<machine> its files belong to the shared account <login>, and are named as above
// Anything else in a hand-in folder (a file of another owner, a folder of a name no user has, a
// data file beside the students' folders, a folder within one) is left out with the reason;
// links are not followed, and FIFOs, sockets and devices, here and anywhere, are not read.
// A folder is a hand-in folder (Owners::Auto) when others may enter it but not list it, as both
// of the guide's recipes make it (mode 3773 and 0751), and a folder in one is a student's folder
// of it; elsewhere, a folder of downloaded files or a copy, names decide. Owners::Yes takes every
// folder named as a hand-in folder, Owners::No none (--owners yes|no).

#include "shared/FileRead.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace brevane::summary {

enum class StudentFrom { Either, Folder, Name };
enum class Owners { Auto, Yes, No };

struct DataFileEntry {
    QString path;
    QString student;
    bool byFolder = false; // the student is the folder's name, by the folder rule
    QString owner;         // the account the file was found to belong to; "" where names decided
    qint64 ownerId = -1;   // its user id, checked again when the file is read
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

ClassFiles collectClassFiles(const QStringList& paths, StudentFrom from, Owners owners = Owners::Auto);

// A listed file's bytes: never through a link where the owner was checked, never from a FIFO or a
// device, and only while it still belongs to the owner it was found with.
FileReadResult readClassFile(const DataFileEntry& entry);

// A file's name without its extension and without a trailing test word ("-simple", "_colour",
// " Number", ...); the name itself when nothing would be left.
QString studentFromName(const QString& fileName);

} // namespace brevane::summary
