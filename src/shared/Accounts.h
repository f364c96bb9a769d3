#pragma once
// The system's users and groups, as its password and group databases hold them (with a
// directory service such as LDAP behind them on a lab's machines): who runs the program, whose a
// file is, and who is in a group. The hand-in, the lab's lock on the settings and the class
// summary all ask here.

#include <QString>
#include <optional>
#include <sys/types.h>

namespace brevane {

// The user's login name from the password database ($USER where it has none).
QString loginName();

// The user id of a login name; nothing when there is no such user.
std::optional<uid_t> userId(const QString& login);

// The login name of a user id, or the number where the database has none.
QString userName(uid_t uid);

// The name of a group id, or the number where the database has none.
QString groupName(gid_t gid);

// Whether `login` is in the group named `group`, as its primary group or as one of its others
// (getgrouplist); false where either is unknown.
bool inGroup(const QString& login, const QString& group);
// The same by group id.
bool inGroup(const QString& login, gid_t group);

} // namespace brevane
