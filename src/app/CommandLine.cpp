#include "app/CommandLine.h"

#include "config/ConfigFile.h"
#include "platform/services/ProgramInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <cstdio>
#include <cstring>

namespace brevane {

CommandLine CommandLine::parse(const QStringList& arguments)
{
    CommandLine line;
    QStringList rest{arguments.value(0)};
    bool options = true;
    QString* valueNext = nullptr; // the option whose value the next argument is
    for (const QString& argument : arguments.mid(1)) {
        if (valueNext) {
            *valueNext = argument;
            valueNext = nullptr;
        } else if (options && argument == QLatin1String("--hand-in")) {
            valueNext = &line.handInFolder;
        } else if (options && argument.startsWith(QLatin1String("--hand-in="))) {
            line.handInFolder = argument.mid(int(std::strlen("--hand-in=")));
        } else if (options && argument == QLatin1String("--language")) {
            valueNext = &line.language;
        } else if (options && argument.startsWith(QLatin1String("--language="))) {
            line.language = argument.mid(int(std::strlen("--language=")));
        } else if (options && argument == QLatin1String("--")) {
            options = false;
        } else if (options && argument == QLatin1String("--version")) {
            if (line.action != Action::PrintHelp)
                line.action = Action::PrintVersion;
        } else if (options && (argument == QLatin1String("--help") || argument == QLatin1String("-h"))) {
            line.action = Action::PrintHelp;
        } else if (options && argument == QLatin1String("--timing-check")) {
            if (line.action == Action::Run)
                line.action = Action::TimingCheck;
        } else if (options && argument == QLatin1String("--check-machine")) {
            if (line.action == Action::Run)
                line.action = Action::CheckMachine;
        } else if (options && argument == QLatin1String("--user-folder")) {
            line.userFolder = true;
        } else if (options && argument == QLatin1String("--unlock")) {
            line.unlock = true;
        } else {
            rest << argument;
        }
    }
    line.configFile = commandLineString(rest);
    return line;
}

QString userFolderPath()
{
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::home().filePath(QStringLiteral("Documents"));
    return QDir(documents).filePath(QStringLiteral("Brevane"));
}

bool enterUserFolder()
{
    const QString folder = userFolderPath();
    if (QDir().mkpath(folder) && QDir::setCurrent(folder))
        return true;
    const QString text =
        QCoreApplication::translate("CommandLine", "cannot create or enter the folder %1; files are kept "
                                                   "in %2")
            .arg(QDir::toNativeSeparators(folder), QDir::toNativeSeparators(QDir::currentPath()));
    std::fprintf(stderr, "brevane: %s\n", qPrintable(text));
    return false;
}

QString versionText(const QString& version)
{
    return QStringLiteral("brevane %1\n").arg(version);
}

QString helpText(const QString& program)
{
    return QCoreApplication::translate(
               "CommandLine", "Usage: %1 [--user-folder] [--hand-in DIR] [--unlock] [--language CODE]\n"
                              "          [CONFIGURATION-FILE]\n"
                              "       %1 --timing-check | --check-machine | --version | --help\n"
                              "\n"
                              "Simple vs Complex Stimulus Reaction Timing: a student's reaction times to a\n"
                              "tone, a colour change or both, in a simple test and two choice tests.\n"
                              "\n"
                              "  CONFIGURATION-FILE  the configuration to use instead of %2; a relative\n"
                              "                      name is taken in the folder where files are kept\n"
                              "  --user-folder       keep files in the per-user folder, created when missing:\n"
                              "                      %3\n"
                              "                      (the desktop menu entry starts the program this way)\n"
                              "  --hand-in DIR       also hand each saved .nrm and .col file and each\n"
                              "                      recover.dat in to DIR/<login name>/, for the teacher\n"
                              "                      (set for every user in /etc/xdg/Brevane/Brevane.conf;\n"
                              "                      man brevane)\n"
                              "  --unlock            where the lab locks the settings, let a member of the\n"
                              "                      lab's group of teachers change them in this session\n"
                              "  --timing-check      show a flashing patch for a photodiode or a camera, with\n"
                              "                      the refresh rate, the frame time jitter and the stamp\n"
                              "                      sources in use (Esc or a click ends it)\n"
                              "  --check-machine     check this PC end to end through its sound card's input: the\n"
                              "                      screen by a photodiode, the sound by a cable from the output,\n"
                              "                      the mouse by its click; keeps the lags for the about box and\n"
                              "                      the class summary (docs/guide.md)\n"
                              "  --language CODE     show the program in this language (de, ja, ar, ...;\n"
                              "                      English where it has no translation) instead of the\n"
                              "                      system's or the one set in Brevane.conf\n"
                              "  --version           print the version and end\n"
                              "  --help              print this text and end\n"
                              "\n"
                              "Files are kept in the current directory, or with --user-folder in the folder\n"
                              "above: %2 (the configuration, written with the defaults when missing)\n"
                              "and recover.dat (every test's sets, rewritten when a series ends; Recover on\n"
                              "the main menu reads it back). The file dialogs open there; results files\n"
                              "(.nrm, .col) go where you save them.\n")
        .arg(program, QLatin1String(kDefaultConfigFileName), QDir::toNativeSeparators(userFolderPath()));
}

} // namespace brevane
