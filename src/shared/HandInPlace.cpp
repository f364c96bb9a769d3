#include "shared/HandInPlace.h"
#include "shared/AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <cerrno>
#include <cstring>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brevane {

HandInSettings readHandInSettings(const QSettings& settings, const QString& commandLineFolder)
{
    HandInSettings read;
    read.folder =
        commandLineFolder.isEmpty() ? settings.value(QLatin1String(kHandInFolderKey)).toString() : commandLineFolder;
    read.perMachine = settings.value(QLatin1String(kHandInSubfolderKey)).toString().trimmed().toLower() ==
                      QLatin1String("login@machine");
    bool number = false;
    const int seconds = settings.value(QLatin1String(kHandInTimeLimitKey)).toInt(&number);
    if (number && seconds > 0)
        read.timeLimitMs = std::min(seconds, 600) * 1000;
    return read;
}

QString handInSubfolder(const QString& login, const QString& machine, bool perMachine)
{
    return perMachine ? login + u'@' + machine : login;
}

QString loginName()
{
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_name && *entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    return qEnvironmentVariable("USER");
}

HandInResult handInFile(const QString& folder, const QString& subfolder, const QString& fileName,
                        const QByteArray& bytes)
{
    if (!QFileInfo(folder).isDir())
        return {false, QCoreApplication::translate("HandIn", "the hand-in folder is missing")};
    const QString own = QDir(folder).filePath(subfolder);
    // mkdir(2) itself, for its reason: a read-only share and a refused one read differently. The
    // modes are set whatever the user's umask: the teachers read through the group.
    const QByteArray ownPath = QFile::encodeName(own);
    if (::mkdir(ownPath.constData(), 0750) == 0)
        ::chmod(ownPath.constData(), 0750);
    else if (errno != EEXIST)
        return {false, QString::fromLocal8Bit(std::strerror(errno))};
    const QString path = QDir(own).filePath(fileName);
    const FileWriteResult written =
        replaceFileAtomically(path, bytes, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    return {written.ok, written.error};
}

QString handInNoticeText(const QString& folder, const QString& reason)
{
    return QCoreApplication::translate("HandIn", "Not handed in to %1: %2.\nYour file is saved on this computer; it "
                                                 "is handed in at your next save.")
        .arg(QDir::toNativeSeparators(folder), reason);
}

} // namespace brevane
