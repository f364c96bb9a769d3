#pragma once
// The lab's own settings: the one file the administrator writes for every user of a machine,
// /etc/xdg/Brevane/Brevane.conf. Besides the hand-in folder (HandInPlace.h) it may name
//   [Lab] Configuration=FILE   the class configuration, read at start-up in place of Reflex.cfg
//                              (a relative name is taken in the lab file's folder)
//   [Lab] LockSettings=true    the settings dialog shows the configuration and changes nothing,
//                              and no configuration file named on the command line is read
//   [Lab] Teachers=GROUP       whose members may lift the lock for a session with --unlock
// These keys come from the lab's file alone: a user's own Brevane.conf, which any student may
// edit, is never asked for them. main() reads the file and hands what labSession() makes of it
// to the start-up sequence, which tells what it has to tell and reads the configuration.
//
// Tests, and a teacher trying a lab's file out on a machine of their own, name another file in
// BREVANE_LAB_FILE. It counts only where the machine has no lab's file, so on a lab machine it
// lifts no lock and names no other configuration.

#include <QString>

class QSettings;

namespace brevane {

inline constexpr char kLabFile[] = "/etc/xdg/Brevane/Brevane.conf";
inline constexpr char kLabFileVariable[] = "BREVANE_LAB_FILE";

// The lab's file: `systemFile`, or where nothing of that name exists, the one `variable` names
// (when it names one).
QString labFilePath(const QString& systemFile, const QString& variable);

struct LabSettings {
    QString file;          // the file read, for the sentences that name it
    QString configuration; // the class configuration, absolute; "" when none is named
    bool lockSettings = false;
    QString teachers; // the group whose members may unlock; "" when none is named
};

// `lab` is the lab's file, read from `file`.
LabSettings readLabSettings(const QSettings& lab, const QString& file);

// What a session makes of the lab's settings.
struct LabSession {
    QString labFile;
    QString classConfiguration; // "" when none is named
    QString lock;               // the sentence the settings refuse their commands with; "" unlocked
    QString notice;             // said once at start-up (an --unlock refused); "" when nothing
};

// `login` runs the program; `unlock`: --unlock was given. Whether the login is in the teachers'
// group is asked of the system's groups.
LabSession labSession(const LabSettings& lab, const QString& login, bool unlock);

} // namespace brevane
