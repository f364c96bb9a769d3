// brevane-summary: a class's data files in, three tables and a chart out (ClassSummary.h says how);
// with --watch, again whenever the hand-in folder changes, and with --show in a window as well.
// Everything it says goes to standard error: skipped files with their reasons, copies, students
// with two different files of a test, progress on long runs, and one closing line per pass.
#include "shared/Language.h"
#include "summary/ClassChartWindow.h"
#include "summary/ClassRun.h"
#include "summary/ClassWatch.h"
#include "summary/RuleOptions.h"
#include "summary/ShareCheck.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSettings>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

using namespace brevane;
using namespace brevane::summary;

namespace {

void say(const QString& text)
{
    std::fputs(("brevane-summary: " + text + u'\n').toUtf8().constData(), stderr);
}

struct Invocation {
    SummaryOptions options;
    bool watch = false, show = false;
    QString checkShare; // --check-share DIR
};

bool asksForWindow(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--show") == 0)
            return true;
    return false;
}

// The command line as options; nullopt with the exit status when the tool is to stop.
std::optional<Invocation> readCommandLine(const QApplication& app, int& status)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "summary", "The class summary of reaction-time files (recover.dat, .nrm and .col files, or folders of them):\n"
                   "sets.csv, students.csv, class.csv, class-notes.txt, class-chart.pdf and class-chart.png."));
    parser.addHelpOption();
    const QCommandLineOption output(
        {QStringLiteral("o"), QStringLiteral("output")},
        QCoreApplication::translate("summary", "Write into <folder> (default: the current folder)."),
        QCoreApplication::translate("summary", "folder"), QStringLiteral("."));
    const QCommandLineOption colour(QStringLiteral("colour"),
                                    QCoreApplication::translate("summary", "The .col files are the colour test's."));
    const QCommandLineOption number(QStringLiteral("number"),
                                    QCoreApplication::translate("summary", "The .col files are the number test's."));
    const QCommandLineOption from(
        QStringLiteral("student-from"),
        QCoreApplication::translate("summary", "Name each student after their folder or their files' names."),
        QStringLiteral("folder|name"));
    const QCommandLineOption excel(QStringLiteral("excel"),
                                   QCoreApplication::translate("summary", "Start each CSV file with a UTF-8 mark."));
    const QCommandLineOption watch(
        QStringLiteral("watch"),
        QCoreApplication::translate("summary", "Write again whenever a file changes, until stopped."));
    const QCommandLineOption show(QStringLiteral("show"),
                                  QCoreApplication::translate("summary", "As --watch, with the chart in a window."));
    const QCommandLineOption owners(
        QStringLiteral("owners"),
        QCoreApplication::translate("summary",
                                    "Count a folder's files as its owners handed them in (yes), or by their names "
                                    "(no); by default the owners decide in a hand-in folder, one that others may "
                                    "enter but not list."),
        QStringLiteral("yes|no"));
    const QCommandLineOption share(
        QStringLiteral("check-share"),
        QCoreApplication::translate("summary", "Say whether the hand-in folder <folder> is set up as one of the "
                                               "guide's recipes, and what is wrong; nothing is summarised."),
        QCoreApplication::translate("summary", "folder"));
    parser.addOptions({output, colour, number, from, excel, watch, show, owners, share});
    const RuleOptions rules = addRuleOptions(parser);
    parser.addPositionalArgument(QStringLiteral("paths"),
                                 QCoreApplication::translate("summary", "Data files and folders."),
                                 QCoreApplication::translate("summary", "path..."));
    parser.process(app);
    status = kUsage;
    const QString studentFrom = parser.value(from);
    if (parser.isSet(colour) && parser.isSet(number)) {
        say(QCoreApplication::translate(
            "summary", "--colour and --number exclude each other: summarise each test's .col files apart"));
        return std::nullopt;
    }
    if (parser.isSet(from) && studentFrom != u"folder" && studentFrom != u"name") {
        say(QCoreApplication::translate("summary", "--student-from takes folder or name, not %1").arg(studentFrom));
        return std::nullopt;
    }
    const QString ownersValue = parser.value(owners);
    if (parser.isSet(owners) && ownersValue != u"yes" && ownersValue != u"no") {
        say(QCoreApplication::translate("summary", "--owners takes yes or no, not %1").arg(ownersValue));
        return std::nullopt;
    }
    if (parser.isSet(share)) {
        Invocation check;
        check.checkShare = parser.value(share);
        return check;
    }
    if (parser.positionalArguments().isEmpty()) {
        std::fputs(parser.helpText().toUtf8().constData(), stderr);
        return std::nullopt;
    }
    Invocation run{{parser.positionalArguments(), parser.value(output)}, parser.isSet(watch), parser.isSet(show), {}};
    run.options.colTest = parser.isSet(colour)   ? ColTest::Colour
                          : parser.isSet(number) ? ColTest::Number
                                                 : ColTest::Choice;
    run.options.studentFrom = !parser.isSet(from)        ? StudentFrom::Either
                              : studentFrom == u"folder" ? StudentFrom::Folder
                                                         : StudentFrom::Name;
    run.options.excel = parser.isSet(excel);
    run.options.owners = !parser.isSet(owners) ? Owners::Auto : ownersValue == u"yes" ? Owners::Yes : Owners::No;
    if (const QString wrong = readRuleOptions(parser, rules, run.options); !wrong.isEmpty()) {
        say(wrong);
        return std::nullopt;
    }
    return run;
}

int summariseOnce(const SummaryOptions& options)
{
    ClassRound round = readClass(options, collectClassFiles(options.paths, options.studentFrom, options.owners), say);
    if (round.read == 0)
        round.said << QCoreApplication::translate("summary", "no file could be read; nothing written");
    const bool written = round.read > 0 && writeOutputs(options, round.summary, round.said);
    for (const QString& line : round.said)
        say(line);
    if (round.read > 0)
        say(closingLine(round));
    return !written ? kFailed : !round.skipped.isEmpty() ? kSkipped : kDone;
}

// The hand-in folder against the guide's recipes: 0 where it is as one has it.
int checkHandInFolder(const QString& folder)
{
    const ShareCheck check = checkShare(folder);
    for (const QString& line : check.lines)
        say(line);
    return check.wrong == 0 ? kDone : kFailed;
}

// Until the window is closed, or the tool is stopped when there is none.
int watchClass(QApplication& app, const Invocation& run)
{
    ClassWatch watch(run.options, say);
    std::unique_ptr<ClassChartWindow> window;
    if (run.show) {
        window = std::make_unique<ClassChartWindow>();
        QObject::connect(&watch, &ClassWatch::updated, window.get(), &ClassChartWindow::showSummary);
        window->show();
    }
    watch.start();
    return app.exec();
}

} // namespace

int main(int argc, char** argv)
{
    // Qt's own warnings (no XDG_RUNTIME_DIR on a server, say) mean nothing to a teacher and would
    // hide the lines that do; the tool says what went wrong itself.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            say(text);
    });
    // Without a window the tool only draws into files. The offscreen platform gives QtGui its
    // fonts without a display, and where there is one the tool need not connect to it.
    if (!asksForWindow(argc, argv))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("brevane-summary"));
    // The program's language: the lab's Brevane.conf, else the system's.
    const QSettings lab(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brevane"),
                        QStringLiteral("Brevane"));
    const QStringList folders = translationFolders();
    const Translations language(chooseLanguage(lab.value(QLatin1String(kLanguageKey)).toString(),
                                               QLocale::system().uiLanguages(), availableLanguages(folders)),
                                folders);
    QGuiApplication::setLayoutDirection(QLocale(language.language()).textDirection());
    int status = kDone;
    const std::optional<Invocation> run = readCommandLine(app, status);
    if (!run)
        return status;
    if (!run->checkShare.isEmpty())
        return checkHandInFolder(run->checkShare);
    return run->watch || run->show ? watchClass(app, *run) : summariseOnce(run->options);
}
