#include "shared/Accounts.h"

#include <QFile>
#include <algorithm>
#include <grp.h>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace brevane {

QString loginName()
{
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_name && *entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    return qEnvironmentVariable("USER");
}

std::optional<uid_t> userId(const QString& login)
{
    if (login.isEmpty())
        return std::nullopt;
    const passwd* entry = getpwnam(QFile::encodeName(login).constData());
    return entry ? std::optional(entry->pw_uid) : std::nullopt;
}

QString userName(uid_t uid)
{
    const passwd* entry = getpwuid(uid);
    return entry && entry->pw_name ? QString::fromLocal8Bit(entry->pw_name) : QString::number(uid);
}

QString groupName(gid_t gid)
{
    const group* entry = getgrgid(gid);
    return entry && entry->gr_name ? QString::fromLocal8Bit(entry->gr_name) : QString::number(gid);
}

bool inGroup(const QString& login, gid_t group)
{
    const QByteArray name = QFile::encodeName(login);
    const passwd* entry = login.isEmpty() ? nullptr : getpwnam(name.constData());
    if (!entry)
        return false;
    const gid_t primary = entry->pw_gid;
    // A first guess at the count; getgrouplist says how many there are when it is too small.
    int count = 32;
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    while (getgrouplist(name.constData(), primary, groups.data(), &count) < 0) {
        if (std::size_t(count) <= groups.size())
            return false;
        groups.resize(std::size_t(count));
    }
    groups.resize(std::size_t(count));
    return std::find(groups.cbegin(), groups.cend(), group) != groups.cend();
}

bool inGroup(const QString& login, const QString& group)
{
    const struct group* entry = group.isEmpty() ? nullptr : getgrnam(QFile::encodeName(group).constData());
    return entry && inGroup(login, entry->gr_gid);
}

} // namespace brevane
