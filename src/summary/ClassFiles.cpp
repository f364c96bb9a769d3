#include "summary/ClassFiles.h"
#include "shared/Accounts.h"
#include "shared/AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>

namespace brevane::summary {

namespace {

enum Kind { Recovery, Nrm, Col, KindCount, NotData = KindCount };

Kind kindOf(const QString& fileName)
{
    if (fileName.compare(QLatin1String("recover.dat"), Qt::CaseInsensitive) == 0)
        return Recovery;
    const QString suffix = QFileInfo(fileName).suffix();
    if (suffix.compare(QLatin1String("nrm"), Qt::CaseInsensitive) == 0)
        return Nrm;
    if (suffix.compare(QLatin1String("col"), Qt::CaseInsensitive) == 0)
        return Col;
    return NotData;
}

// The system's words for the last failed call, as the shell would print them.
QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// What a path is, through a link (stat) or not (lstat); nothing where it cannot be looked at.
std::optional<struct stat> look(const QString& path, bool followLinks)
{
    struct stat st { };
    const QByteArray name = QFile::encodeName(path);
    if ((followLinks ? ::stat(name.constData(), &st) : ::lstat(name.constData(), &st)) != 0)
        return std::nullopt;
    return st;
}

// Why a FIFO, a socket or a device is not read; empty for a file, a folder or a link.
QString specialFile(const struct stat& st)
{
    if (S_ISFIFO(st.st_mode))
        return QCoreApplication::translate("ClassFiles", "a named pipe (FIFO), not read");
    if (S_ISSOCK(st.st_mode))
        return QCoreApplication::translate("ClassFiles", "a socket, not read");
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        return QCoreApplication::translate("ClassFiles", "a device, not read");
    return {};
}

// Both of the guide's hand-in recipes let others enter the folder but not list it.
bool isHandInFolder(const std::optional<struct stat>& st)
{
    return st && S_ISDIR(st->st_mode) && (st->st_mode & S_IXOTH) && !(st->st_mode & S_IROTH);
}

// Why a path cannot be looked at; empty when it can. QFileInfo says "does not exist" for a file
// in a folder the user may not enter, which sends a teacher looking for the wrong fault.
QString statFailure(const QString& path)
{
    return look(path, true) ? QString() : systemReason();
}

// Why a folder cannot be listed; empty when it can. QDir lists an unreadable folder as empty.
QString listFailure(const QString& path)
{
    DIR* dir = ::opendir(QFile::encodeName(path).constData());
    if (!dir)
        return systemReason();
    ::closedir(dir);
    return {};
}

QString folderName(const QString& folder)
{
    return QFileInfo(QFileInfo(folder).absoluteFilePath()).fileName();
}

class Walker {
    Q_DECLARE_TR_FUNCTIONS(ClassFiles)

public:
    Walker(StudentFrom from, Owners owners)
        : from_(from)
        , owners_(owners)
    {
    }

    void path(const QString& path)
    {
        const QFileInfo info(path);
        const QString clean = QDir::cleanPath(path);
        if (const QString reason = statFailure(path); !reason.isEmpty())
            out.refused << Refusal{path, reason};
        else if (const QString special = specialFile(*look(path, true)); !special.isEmpty())
            out.refused << Refusal{path, special};
        else if (info.isDir() && owners_ != Owners::No && (owners_ == Owners::Yes || isHandInFolder(look(clean, true))))
            handInFolder(clean);
        else if (info.isDir() && owners_ == Owners::Auto && isHandInFolder(look(info.absolutePath(), true)))
            studentFolder(clean, *look(clean, true));
        else if (info.isDir())
            folder(clean);
        else if (kindOf(info.fileName()) == NotData)
            out.refused << Refusal{path, tr("not a recover.dat, .nrm or .col file")};
        else
            take(info, from_ == StudentFrom::Folder);
    }

    ClassFiles out;

private:
    // False when the folder was walked already (a link back up the tree) or cannot be listed.
    bool enter(const QString& path)
    {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        if (seenFolders_.contains(canonical))
            return false;
        seenFolders_.insert(canonical);
        if (const QString reason = listFailure(path); !reason.isEmpty()) {
            out.refused << Refusal{path, reason};
            return false;
        }
        out.folders << path;
        return true;
    }

    // A folder where names decide.
    void folder(const QString& path)
    {
        if (!enter(path))
            return;
        QList<QFileInfo> data, folders;
        int kinds[KindCount] = {};
        for (const QFileInfo& entry :
             QDir(path).entryInfoList(QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot, QDir::Name)) {
            const std::optional<struct stat> st = look(entry.filePath(), true);
            if (!st)
                continue; // a link to nothing
            if (const QString special = specialFile(*st); !special.isEmpty()) {
                out.refused << Refusal{QDir::cleanPath(entry.filePath()), special};
            } else if (entry.isDir()) {
                folders << entry;
            } else if (const Kind kind = kindOf(entry.fileName()); kind != NotData) {
                data << entry;
                ++kinds[kind];
            }
        }
        const bool shared = from_ == StudentFrom::Either && folderName(path).contains(u'@');
        const bool oneStudent =
            from_ == StudentFrom::Folder ||
            (from_ == StudentFrom::Either && !shared && kinds[Recovery] <= 1 && kinds[Nrm] <= 1 && kinds[Col] <= 1);
        for (const QFileInfo& entry : data) {
            if (shared && kindOf(entry.fileName()) == Recovery)
                leaveOutSharedRecovery(entry.filePath());
            else
                take(entry, oneStudent);
        }
        for (const QFileInfo& entry : folders)
            folder(entry.filePath());
    }

    void leaveOutSharedRecovery(const QString& path)
    {
        out.leftOut
            << tr("left out %1: a shared account's recover.dat holds whoever ran last").arg(QDir::cleanPath(path));
    }

    // The entries of a folder in a hand-in folder, hidden ones too, as they are (no link
    // followed); FIFOs, sockets, devices and links named and left out. `each` gets the rest.
    template <typename Each> void listAsItIs(const QString& path, Each each)
    {
        for (const QString& name :
             QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name)) {
            const QString entry = QDir(path).filePath(name);
            const std::optional<struct stat> st = look(entry, false);
            if (!st)
                out.refused << Refusal{entry, systemReason()};
            else if (S_ISLNK(st->st_mode))
                out.refused << Refusal{entry, tr("a link, not followed in a hand-in folder")};
            else if (const QString special = specialFile(*st); !special.isEmpty())
                out.refused << Refusal{entry, special};
            else
                each(entry, *st);
        }
    }

    void handInFolder(const QString& path)
    {
        if (!enter(path))
            return;
        listAsItIs(path, [this](const QString& entry, const struct stat& st) {
            if (S_ISDIR(st.st_mode))
                studentFolder(entry, st);
            else if (kindOf(QFileInfo(entry).fileName()) != NotData)
                out.refused << Refusal{
                    entry,
                    tr("handed in by user %1 beside the students' folders, not in one").arg(userName(st.st_uid))};
        });
    }

    // <login>/ or <login>@<machine>/ in a hand-in folder: `st` is the folder's own (not through a
    // link).
    void studentFolder(const QString& path, const struct stat& st)
    {
        const QString name = folderName(path);
        const bool shared = name.contains(u'@');
        const QString login = name.section(u'@', 0, 0);
        const std::optional<uid_t> uid = userId(login);
        if (!uid) {
            out.refused << Refusal{path, tr("no user %1 on this machine; the folder is left out").arg(login)};
            return;
        }
        if (st.st_uid != *uid)
            out.refused << Refusal{
                path,
                tr("the folder belongs to user %1, not %2; its files are left out").arg(userName(st.st_uid), login)};
        if (!enter(path))
            return;
        listAsItIs(path, [&](const QString& entry, const struct stat& file) {
            if (S_ISDIR(file.st_mode))
                out.refused << Refusal{entry, tr("a folder within a student's folder, not read")};
            else if (kindOf(QFileInfo(entry).fileName()) == NotData)
                return;
            else if (file.st_uid != *uid)
                out.refused << Refusal{entry, tr("handed in by user %1, not %2").arg(userName(file.st_uid), login)};
            else if (st.st_uid != *uid)
                out.refused << Refusal{entry, tr("in a folder of user %1, not %2").arg(userName(st.st_uid), login)};
            else if (shared && kindOf(QFileInfo(entry).fileName()) == Recovery)
                leaveOutSharedRecovery(entry);
            else
                take(QFileInfo(entry), !shared || from_ == StudentFrom::Folder, login, *uid);
        });
    }

    void take(const QFileInfo& info, bool byFolder, const QString& owner = {}, qint64 ownerId = -1)
    {
        const QString canonical = info.canonicalFilePath();
        if (seenFiles_.contains(canonical))
            return;
        seenFiles_.insert(canonical);
        const bool fromFolder = byFolder || kindOf(info.fileName()) == Recovery;
        out.files << DataFileEntry{QDir::cleanPath(info.filePath()),
                                   fromFolder ? folderName(info.path()) : studentFromName(info.fileName()), byFolder,
                                   owner, ownerId};
    }

    StudentFrom from_;
    Owners owners_;
    QSet<QString> seenFiles_, seenFolders_;
};

} // namespace

ClassFiles collectClassFiles(const QStringList& paths, StudentFrom from, Owners owners)
{
    Walker walker(from, owners);
    for (const QString& path : paths)
        walker.path(path);
    return walker.out;
}

FileReadResult readClassFile(const DataFileEntry& entry)
{
    const QString name = QFileInfo(entry.path).fileName();
    const int noFollow = entry.ownerId >= 0 ? O_NOFOLLOW : 0;
    // Not blocking: a FIFO put in a file's place since the walk is refused below, not waited on.
    const FileDescriptor fd(
        ::open(QFile::encodeName(entry.path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | noFollow));
    if (!fd)
        return {false,
                {},
                errno == ELOOP ? QCoreApplication::translate("ClassFiles", "a link, not followed in a hand-in folder")
                               : systemReason()};
    struct stat st { };
    if (::fstat(fd.get(), &st) != 0)
        return {false, {}, systemReason()};
    if (S_ISDIR(st.st_mode))
        return readWholeFile(entry.path); // its own words for a folder
    if (const QString special = specialFile(st); !special.isEmpty())
        return {false, {}, special};
    if (entry.ownerId >= 0 && qint64(st.st_uid) != entry.ownerId)
        return {false,
                {},
                QCoreApplication::translate("ClassFiles", "handed in by user %1, not %2")
                    .arg(userName(st.st_uid), entry.owner)};
    return readWholeFile(fd.get(), name);
}

QString studentFromName(const QString& fileName)
{
    static const QRegularExpression testWord(QStringLiteral(R"(^(.*?)[\s._-]+(simple|colou?r|number|choice|complex)$)"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QString base = QFileInfo(fileName).completeBaseName();
    const QRegularExpressionMatch match = testWord.match(base);
    return match.hasMatch() && !match.captured(1).isEmpty() ? match.captured(1) : base;
}

} // namespace brevane::summary
