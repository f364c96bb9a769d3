#pragma once
// The program's command line. Nine options are its own: --version and --help print and end
// the program, --user-folder moves it into the per-user folder (the desktop menu entry starts it
// that way), --timing-check shows the timing check instead of the tests, --check-machine the
// machine check (timing_check/MachineCheckWindow.h), --hand-in DIR names the class's hand-in
// folder (shared/HandInPlace.h), --unlock lifts the lab's lock on the settings for a teacher
// (shared/LabSettings.h), --language CODE the language shown (shared/Language.h).
// They are taken wherever they stand, until
// "--"; every other argument is part of the configuration file's name, the arguments joined by one blank, as they
// always were.

#include <QString>
#include <QStringList>

namespace brevane {

struct CommandLine {
    enum class Action { Run, PrintVersion, PrintHelp, TimingCheck, CheckMachine };
    Action action = Action::Run;
    bool userFolder = false;
    bool unlock = false;
    QString configFile;   // "" when none was named
    QString handInFolder; // as given after --hand-in; "" when none was named
    QString language;     // as given after --language; "" when none was named

    // `arguments` starts with the program's own name, as argv does.
    static CommandLine parse(const QStringList& arguments);
};

// <documents>/Brevane, from the XDG user directories ($HOME/Documents when none is set).
QString userFolderPath();

// Creates the per-user folder when missing and makes it the current directory. On failure it
// says why on standard error and the program stays in the directory it was started from.
bool enterUserFolder();

// `brevane --version` and `brevane --help`.
QString versionText(const QString& version);
QString helpText(const QString& program);

} // namespace brevane
