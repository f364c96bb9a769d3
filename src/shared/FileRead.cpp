#include "shared/FileRead.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace brevane {

namespace {

QString tooLarge(const QString& name, qint64 size)
{
    return QCoreApplication::translate("FileRead",
                                       "%1 holds %2 MB, far more than any file of this program; it was not read.")
        .arg(name, QLocale().toString(double(size) / (1024.0 * 1024.0), 'f', 1));
}

// A file that grew after the look at its size is still read no further than the limit.
FileReadResult readOpen(QFile& file, const QString& name, qint64 largest)
{
    QByteArray bytes = file.read(largest + 1);
    if (file.error() != QFileDevice::NoError)
        return {false, {}, file.errorString()};
    if (bytes.size() > largest)
        return {
            false,
            {},
            QCoreApplication::translate("FileRead", "%1 is far larger than any file of this program; it was not read.")
                .arg(name)};
    return {true, std::move(bytes), {}};
}

} // namespace

FileReadResult readWholeFile(const QString& path, qint64 largest)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (info.isDir())
        return {false, {}, QCoreApplication::translate("FileRead", "%1 is a folder, not a file.").arg(name)};
    if (info.exists() && info.size() > largest)
        return {false, {}, tooLarge(name, info.size())};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {false, {}, file.errorString()};
    return readOpen(file, name, largest);
}

FileReadResult readWholeFile(int fd, const QString& name, qint64 largest)
{
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        return {false, {}, file.errorString()};
    if (file.size() > largest)
        return {false, {}, tooLarge(name, file.size())};
    return readOpen(file, name, largest);
}

bool skipByteOrderMark(QByteArray& firstLine)
{
    if (!firstLine.startsWith("\xEF\xBB\xBF"))
        return false;
    firstLine.remove(0, 3);
    return true;
}

} // namespace brevane
