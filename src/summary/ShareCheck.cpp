#include "summary/ShareCheck.h"
#include "shared/Accounts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <optional>
#include <sys/stat.h>

namespace brevane::summary {

namespace {

constexpr mode_t kGroupFolder = 03773;
constexpr mode_t kFolderPerStudent = 0751;
constexpr mode_t kStudentFolder = 0750;

QString octal(mode_t mode)
{
    return QStringLiteral("%1").arg(mode & 07777, 4, 8, QLatin1Char('0'));
}

class Checker {
    Q_DECLARE_TR_FUNCTIONS(ShareCheck)

public:
    explicit Checker(QString folder)
        : folder_(std::move(folder))
    {
    }

    ShareCheck run()
    {
        struct stat top { };
        if (::stat(QFile::encodeName(folder_).constData(), &top) != 0) {
            const QString why = reason();
            wrong(tr("cannot look at %1 (%2)").arg(folder_, why));
            return out_;
        }
        if (!S_ISDIR(top.st_mode)) {
            wrong(tr("%1 is not a folder").arg(folder_));
            return out_;
        }
        gid_ = top.st_gid;
        checkTop(top);
        DIR* dir = ::opendir(QFile::encodeName(folder_).constData());
        if (!dir) {
            const QString why = reason();
            wrong(tr("cannot list %1 (%2): run this as a member of its group or as root").arg(folder_, why));
            return out_;
        }
        ::closedir(dir);
        int students = 0;
        for (const QString& name :
             QDir(folder_).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name))
            students += checkEntry(name);
        const QString counted = students == 1 ? tr("1 student's folder") : tr("%1 students' folders").arg(students);
        if (out_.wrong == 0)
            out_.lines << tr("%1: %2, all as the recipe has them").arg(folder_, counted);
        else
            out_.lines << (out_.wrong == 1
                               ? tr("%1: %2; 1 thing to put right").arg(folder_, counted)
                               : tr("%1: %2; %3 things to put right").arg(folder_, counted).arg(out_.wrong));
        return out_;
    }

private:
    // The system's words for the call that just failed.
    static QString reason() { return QString::fromLocal8Bit(std::strerror(errno)); }

    void wrong(const QString& line)
    {
        out_.lines << line;
        ++out_.wrong;
    }

    // The folder itself: its mode names the recipe it is meant to follow.
    void checkTop(const struct stat& st)
    {
        const mode_t mode = st.st_mode & 07777;
        const bool first = mode == kGroupFolder || (mode != kFolderPerStudent && (mode & (S_ISVTX | S_IWOTH)));
        const QString group = groupName(st.st_gid);
        out_.lines << (first ? tr("%1: the guide's first recipe, one group folder (mode 3773), group %2")
                             : tr("%1: the guide's second recipe, a folder per student (mode 0751), group %2"))
                          .arg(folder_, group);
        if (mode != (first ? kGroupFolder : kFolderPerStudent))
            wrong(tr("%1 has the mode %2, not %3")
                      .arg(folder_, octal(mode), octal(first ? kGroupFolder : kFolderPerStudent)));
        if (mode & S_IROTH)
            wrong(tr("every user may list %1 and see who handed in: take the others' r away").arg(folder_));
        if ((mode & S_IWOTH) && !(mode & S_ISVTX))
            wrong(tr("without the sticky bit a student may rename or remove another's folder"));
        if (first && !(mode & S_ISGID))
            wrong(tr("without the setgid bit the students' new folders do not get the group %1, and the teachers "
                     "cannot read them")
                      .arg(group));
        if (!(mode & S_IXOTH) || (first && !(mode & S_IWOTH)))
            wrong(tr("the students cannot %1 their folders in %2").arg(first ? tr("make") : tr("reach"), folder_));
        if ((mode & (S_IRGRP | S_IXGRP)) != (S_IRGRP | S_IXGRP))
            wrong(tr("the group %1 cannot list %2, so the teachers do not see the folders").arg(group, folder_));
        if (st.st_uid != 0)
            wrong(tr("%1 belongs to user %2, not root: %2 may rename or remove every student's folder")
                      .arg(folder_, userName(st.st_uid)));
    }

    // One entry of the folder; 1 where it is a student's folder.
    int checkEntry(const QString& name)
    {
        const QString path = QDir(folder_).filePath(name);
        struct stat st { };
        if (::lstat(QFile::encodeName(path).constData(), &st) != 0) {
            const QString why = reason();
            wrong(tr("cannot look at %1 (%2)").arg(path, why));
            return 0;
        }
        if (S_ISLNK(st.st_mode)) {
            wrong(tr("%1 is a link, not a student's folder: remove it (hand-ins through it are refused)").arg(path));
            return 0;
        }
        if (!S_ISDIR(st.st_mode)) {
            wrong(tr("%1 is no student's folder, and belongs to user %2: remove it").arg(path, userName(st.st_uid)));
            return 0;
        }
        checkStudent(path, name, st);
        return 1;
    }

    void checkStudent(const QString& path, const QString& name, const struct stat& st)
    {
        const QString login = name.section(u'@', 0, 0);
        const std::optional<uid_t> uid = userId(login);
        if (!uid) {
            wrong(tr("%1: there is no user %2 on this machine").arg(path, login));
            return;
        }
        if (st.st_uid != *uid)
            wrong(tr("%1 belongs to user %2, not %3: remove it, or %3's hand-ins are refused")
                      .arg(path, userName(st.st_uid), login));
        if (st.st_gid != gid_)
            wrong(tr("%1 has the group %2, not %3: the teachers cannot read it")
                      .arg(path, groupName(st.st_gid), groupName(gid_)));
        const mode_t mode = st.st_mode & 0777;
        if (mode != kStudentFolder)
            wrong(
                tr("%1 has the mode %2, not 0750%3")
                    .arg(path, octal(mode), mode & 07 ? tr(": every user may read %1's files").arg(login) : QString()));
        if (inGroup(login, gid_))
            wrong(tr("%1 is in the group %2, and so may read every student's folder").arg(login, groupName(gid_)));
        checkFiles(path, *uid);
    }

    // The files in a student's folder are the student's, and nobody else may read them.
    void checkFiles(const QString& path, uid_t uid)
    {
        for (const QFileInfo& file : QDir(path).entryInfoList(
                 QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name)) {
            struct stat st { };
            if (::lstat(QFile::encodeName(file.filePath()).constData(), &st) != 0)
                continue;
            const QString path = file.filePath();
            if (S_ISLNK(st.st_mode))
                wrong(tr("%1 is a link, which the summary does not follow: remove it").arg(path));
            else if (!S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode))
                wrong(tr("%1 is a FIFO, a socket or a device, which the summary does not read: remove it").arg(path));
            else if (st.st_uid != uid)
                wrong(tr("%1 belongs to user %2, not to the folder's student").arg(path, userName(st.st_uid)));
            else if (st.st_mode & S_IROTH)
                wrong(tr("every user may read %1").arg(path));
        }
    }

    QString folder_;
    gid_t gid_ = 0;
    ShareCheck out_;
};

} // namespace

ShareCheck checkShare(const QString& folder)
{
    return Checker(QDir::cleanPath(folder)).run();
}

} // namespace brevane::summary
