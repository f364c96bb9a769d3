#include "shared/LabSettings.h"
#include "shared/Accounts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace brevane {

QString labFilePath(const QString& systemFile, const QString& variable)
{
    // A link or a file nobody may read is the lab's file as much as a readable one.
    const QFileInfo system(systemFile);
    return system.exists() || system.isSymLink() || variable.isEmpty() ? systemFile : variable;
}

LabSettings readLabSettings(const QSettings& lab, const QString& file)
{
    LabSettings read;
    read.file = file;
    const QString configuration = lab.value(QStringLiteral("Lab/Configuration")).toString().trimmed();
    if (!configuration.isEmpty())
        read.configuration = QDir::cleanPath(QFileInfo(file).dir().absoluteFilePath(configuration));
    const QString lock = lab.value(QStringLiteral("Lab/LockSettings")).toString().trimmed().toLower();
    read.lockSettings = lock == QLatin1String("true") || lock == QLatin1String("yes") || lock == QLatin1String("on") ||
                        lock == QLatin1String("1");
    read.teachers = lab.value(QStringLiteral("Lab/Teachers")).toString().trimmed();
    return read;
}

LabSession labSession(const LabSettings& lab, const QString& login, bool unlock)
{
    LabSession session{lab.file, lab.configuration, {}, {}};
    if (!lab.lockSettings)
        return session;
    const QString file = QDir::toNativeSeparators(lab.file);
    if (unlock && inGroup(login, lab.teachers))
        return session;
    if (lab.teachers.isEmpty()) {
        session.lock =
            QCoreApplication::translate("Lab", "The settings are locked by the lab (LockSettings in %1).").arg(file);
        if (unlock)
            session.notice =
                QCoreApplication::translate("Lab", "Nobody may unlock the settings here: %1 names no group of "
                                                   "teachers (Teachers in its [Lab] section).")
                    .arg(file);
        return session;
    }
    session.lock = QCoreApplication::translate("Lab", "The settings are locked by the lab (LockSettings in %1); a "
                                                      "member of the group %2 may change them by starting the "
                                                      "program with --unlock.")
                       .arg(file, lab.teachers);
    if (unlock)
        session.notice = QCoreApplication::translate(
                             "Lab", "Only a member of the group %1 may unlock the settings with --unlock, which %2 "
                                    "is not; the settings stay locked.")
                             .arg(lab.teachers, login);
    return session;
}

} // namespace brevane
