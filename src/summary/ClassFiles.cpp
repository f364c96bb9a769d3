#include "summary/ClassFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <cerrno>
#include <cstring>
#include <dirent.h>
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

// Why a path cannot be looked at; empty when it can. QFileInfo says "does not exist" for a file
// in a folder the user may not enter, which sends a teacher looking for the wrong fault.
QString statFailure(const QString& path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? QString() : systemReason();
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
public:
    explicit Walker(StudentFrom from)
        : from_(from)
    {
    }

    void path(const QString& path)
    {
        const QFileInfo info(path);
        if (const QString reason = statFailure(path); !reason.isEmpty())
            out.refused << Refusal{path, reason};
        else if (info.isDir())
            folder(QDir::cleanPath(path));
        else if (kindOf(info.fileName()) == NotData)
            out.refused << Refusal{path,
                                   QCoreApplication::translate("ClassFiles", "not a recover.dat, .nrm or .col file")};
        else
            take(info, from_ == StudentFrom::Folder);
    }

    ClassFiles out;

private:
    void folder(const QString& path)
    {
        if (seenFolders_.contains(QFileInfo(path).canonicalFilePath()))
            return; // a link back up the tree
        seenFolders_.insert(QFileInfo(path).canonicalFilePath());
        if (const QString reason = listFailure(path); !reason.isEmpty()) {
            out.refused << Refusal{path, reason};
            return;
        }
        out.folders << path;
        QList<QFileInfo> data, folders;
        int kinds[KindCount] = {};
        for (const QFileInfo& entry :
             QDir(path).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            if (entry.isDir()) {
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
                out.leftOut << QCoreApplication::translate(
                                   "ClassFiles", "left out %1: a shared account's recover.dat holds whoever ran last")
                                   .arg(QDir::cleanPath(entry.filePath()));
            else
                take(entry, oneStudent);
        }
        for (const QFileInfo& entry : folders)
            folder(entry.filePath());
    }

    void take(const QFileInfo& info, bool byFolder)
    {
        const QString canonical = info.canonicalFilePath();
        if (seenFiles_.contains(canonical))
            return;
        seenFiles_.insert(canonical);
        const bool fromFolder = byFolder || kindOf(info.fileName()) == Recovery;
        out.files << DataFileEntry{QDir::cleanPath(info.filePath()),
                                   fromFolder ? folderName(info.path()) : studentFromName(info.fileName()), byFolder};
    }

    StudentFrom from_;
    QSet<QString> seenFiles_, seenFolders_;
};

} // namespace

ClassFiles collectClassFiles(const QStringList& paths, StudentFrom from)
{
    Walker walker(from);
    for (const QString& path : paths)
        walker.path(path);
    return walker.out;
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
