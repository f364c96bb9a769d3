#include "shared/HandInPlace.h"
#include "shared/AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brevane {

HandInSettings readHandInSettings(const QSettings& user, const QSettings& lab, const QString& commandLineFolder)
{
    const auto value = [&](const char* key) {
        const QString name = QLatin1String(key);
        return user.contains(name) ? user.value(name) : lab.value(name);
    };
    HandInSettings read;
    read.folder = commandLineFolder.isEmpty() ? value(kHandInFolderKey).toString() : commandLineFolder;
    read.perMachine = value(kHandInSubfolderKey).toString().trimmed().toLower() == QLatin1String("login@machine");
    bool number = false;
    const int seconds = value(kHandInTimeLimitKey).toInt(&number);
    if (number && seconds > 0)
        read.timeLimitMs = std::min(seconds, 600) * 1000;
    return read;
}

QString handInSubfolder(const QString& login, const QString& machine, bool perMachine)
{
    return perMachine ? login + u'@' + machine : login;
}

namespace {

QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Why the student's subfolder cannot take the copy, looked at once its opening has failed: the
// refusal is made by the open itself, this only finds its words.
QString refusedFolder(int top, const QByteArray& own, const QString& subfolder, int openError)
{
    struct stat st { };
    if (::fstatat(top, own.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode))
        return QCoreApplication::translate("HandIn", "the folder %1 in the hand-in folder is a link, not a folder")
            .arg(subfolder);
    if (openError == ENOTDIR)
        return QCoreApplication::translate("HandIn", "%1 in the hand-in folder is not a folder").arg(subfolder);
    return QString::fromLocal8Bit(std::strerror(openError));
}

} // namespace

HandInResult handInFile(const QString& folder, const QString& subfolder, const QString& fileName,
                        const QByteArray& bytes)
{
    const FileDescriptor top(::open(QFile::encodeName(folder).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!top)
        return {false, errno == ENOENT || errno == ENOTDIR
                           ? QCoreApplication::translate("HandIn", "the hand-in folder is missing")
                           : systemReason()};
    // mkdirat(2) itself, for its reason: a read-only share and a refused one read differently.
    const QByteArray own = QFile::encodeName(subfolder);
    const bool made = ::mkdirat(top.get(), own.constData(), 0750) == 0;
    if (!made && errno != EEXIST)
        return {false, systemReason()};
    // O_PATH: the folder is opened without reading it, so a folder of another user's that this
    // one may not enter is still found to be another's.
    const FileDescriptor mine(::openat(top.get(), own.constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!mine)
        return {false, refusedFolder(top.get(), own, subfolder, errno)};
    struct stat st { };
    if (::fstat(mine.get(), &st) != 0)
        return {false, systemReason()};
    if (st.st_uid != ::geteuid())
        return {false,
                QCoreApplication::translate("HandIn", "the folder %1 in the hand-in folder belongs to another user")
                    .arg(subfolder)};
    // The modes are set whatever the user's umask: the teachers read through the group.
    if (made)
        ::fchmodat(top.get(), own.constData(), 0750, AT_SYMLINK_NOFOLLOW);
    const FileWriteResult written = replaceFileAtomically(FileInFolder{mine.get(), fileName}, bytes,
                                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    return {written.ok, written.error};
}

QString handInNoticeText(const QString& folder, const QString& reason)
{
    return QCoreApplication::translate("HandIn", "Not handed in to %1: %2.\nYour file is saved on this computer; it "
                                                 "is handed in at your next save.")
        .arg(QDir::toNativeSeparators(folder), reason);
}

} // namespace brevane
