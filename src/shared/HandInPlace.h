#pragma once
// Where a student's results are handed in, and the copy itself. A lab sets one hand-in folder
// for every user of a machine, usually a network share mounted on every machine:
//   /etc/xdg/Brevane/Brevane.conf     [HandIn] Folder=..., set by the administrator (the lab's
//                                     file, shared/LabSettings.h)
//   ~/.config/Brevane/Brevane.conf    the same keys, for one user: they win over the above
//   --hand-in DIR                     on the command line (the menu entry): wins over both
// Each student writes into a subfolder of their own, <login name>, or <login name>@<machine>
// where the students of a lab share one account (Subfolder=login@machine), and only by
// renaming a finished file within it: thirty machines at once never write the same name.
// Where every student may create folders in the hand-in folder, another student may have made
// one of that name first, or a link of that name to a folder of their own: the copy goes only
// into a folder that is the student's own, opened once and written relative to its descriptor.

#include <QByteArray>
#include <QString>

class QSettings;

namespace brevane {

inline constexpr char kHandInFolderKey[] = "HandIn/Folder";
inline constexpr char kHandInSubfolderKey[] = "HandIn/Subfolder"; // "login" (the default) or "login@machine"
inline constexpr char kHandInTimeLimitKey[] = "HandIn/TimeLimit"; // seconds a copy may take
inline constexpr int kDefaultHandInSeconds = 10;

struct HandInSettings {
    QString folder; // empty: nothing is handed in
    bool perMachine = false;
    int timeLimitMs = kDefaultHandInSeconds * 1000;
};

// `user` is the user's own file, `lab` the lab's; a folder named on the command line comes first.
HandInSettings readHandInSettings(const QSettings& user, const QSettings& lab, const QString& commandLineFolder);

// The student's subfolder name: the login name, with "@machine" where asked.
QString handInSubfolder(const QString& login, const QString& machine, bool perMachine);

struct HandInResult {
    bool ok = false;
    QString reason; // the system's reason when !ok
};

// Writes `bytes` as folder/subfolder/fileName through the atomic save. The subfolder is made
// when missing, the hand-in folder never: a missing one is a share that is not mounted, and a
// copy made in its place would reach nobody. Folder and file are readable by their owner and
// group only (rwxr-x---, rw-r-----). A subfolder that is a link, is no folder, or belongs to
// another user than the one running the program is refused, with the reason.
HandInResult handInFile(const QString& folder, const QString& subfolder, const QString& fileName,
                        const QByteArray& bytes);

// The student's notice of a copy that did not go in.
QString handInNoticeText(const QString& folder, const QString& reason);

} // namespace brevane
