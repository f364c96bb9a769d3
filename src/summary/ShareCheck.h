#pragma once
// brevane-summary --check-share DIR: whether a hand-in folder is set up as one of the guide's two
// recipes ("A hand-in folder for the class"), and what is wrong where it is not. The recipes:
//   one group folder     DIR root:<teachers> mode 3773; each student's folder made by the program
//                        on the first save, <login>:<teachers> mode 0750 (the setgid bit gives the
//                        group)
//   a folder per student DIR root:<teachers> mode 0751; each <login>/ made by the administrator,
//                        <login>:<teachers> mode 0750
// Either way a <login>/ (or <login>@<machine>/ of a shared account) belongs to that login, has the
// folder's group, lets nobody else in, and no student is in that group; nothing else lies in DIR.
// Each finding is a line for standard error; the folder is right when none says what is wrong.

#include <QString>
#include <QStringList>

namespace brevane::summary {

struct ShareCheck {
    QStringList lines; // what was found, the recipe first
    int wrong = 0;     // the lines that say what is wrong
};

ShareCheck checkShare(const QString& folder);

} // namespace brevane::summary
