#pragma once
// Every file the program reads goes through here before a reader sees a byte of it: a folder
// in the file's place, or a file far larger than any the program writes (a video chosen by
// mistake), is refused by its name and size alone, so the window never waits on gigabytes.
// The readers then work on the bytes in memory.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace brevane {

// Far above the largest file the program writes (recover.dat with ten long comments per test
// is a few hundred kilobytes), far below what takes a noticeable time to read.
inline constexpr qint64 kLargestReadableFile = qint64(8) * 1024 * 1024;

struct FileReadResult {
    bool ok = false;
    QByteArray bytes;
    QString error; // why not, in words for the user, when !ok
};

FileReadResult readWholeFile(const QString& path, qint64 largest = kLargestReadableFile);
// The same from a file opened beforehand (and checked to be the one meant), named `name` in the
// reasons.
FileReadResult readWholeFile(int fd, const QString& name, qint64 largest = kLargestReadableFile);

// Drops a UTF-8 byte-order mark that an editor put at the start of a hand-edited file.
// Returns true when there was one.
bool skipByteOrderMark(QByteArray& firstLine);

} // namespace brevane
