#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/MachineHandIn.h"
#include "app/SessionPlatform.h"
#include "platform/audio/CaptureRoute.h"
#include "platform/audio/SoundRoute.h"
#include "platform/audio/alsa/AlsaMixer.h"
#include "platform/display/DisplayProbe.h"
#include "platform/display/FramePresenter.h"
#include "platform/display/wayland/WaylandProbe.h"
#include "platform/input/DevicePressStamper.h"
#include "platform/print/QtPrinting.h"
#include "platform/services/qt/QtServices.h"
#include "shared/Accounts.h"
#include "shared/HandInNotice.h"
#include "shared/HandInQueue.h"
#include "shared/LabSettings.h"
#include "shared/Language.h"
#include "shared/LanguageLayout.h"
#include "timing_check/MachineCheckWindow.h"
#include "timing_check/TimingCheckWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QIcon>
#include <QSettings>
#include <QSysInfo>
#include <QTimer>
#include <cstdio>

using namespace brevane;

namespace {

QStringList rawArguments(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// The lab's own file, /etc/xdg/Brevane/Brevane.conf (or, on a machine without one, the file a
// test names in BREVANE_LAB_FILE).
QString labFile()
{
    return labFilePath(QLatin1String(kLabFile), qEnvironmentVariable(kLabFileVariable));
}

// The lab's hand-in folder: --hand-in, else the user's settings, else the lab's. Without one
// nothing is handed in.
std::unique_ptr<HandIn> makeHandIn(const QString& commandLineFolder, TimerFactory& timers, HandInNotice& notice)
{
    QSettings user(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brevane"), QStringLiteral("Brevane"));
    user.setFallbacksEnabled(false); // the machine's file is the lab's, read below
    const QSettings lab(labFile(), QSettings::IniFormat);
    const HandInSettings read = readHandInSettings(user, lab, commandLineFolder);
    if (read.folder.isEmpty())
        return std::make_unique<NoHandIn>();
    const QString folder = read.folder;
    const QString own = handInSubfolder(loginName(), QSysInfo::machineHostName(), read.perMachine);
    return std::make_unique<HandInQueue>(
        [folder, own](const QString& name, const QByteArray& bytes) { return handInFile(folder, own, name, bytes); },
        timers, [folder, &notice](const QString& reason) { notice.show(handInNoticeText(folder, reason)); },
        read.timeLimitMs);
}

// The class configuration and the lock on the settings, from the lab's file alone.
LabSession makeLabSession(bool unlock)
{
    const QString file = labFile();
    const QSettings lab(file, QSettings::IniFormat);
    return labSession(readLabSettings(lab, file), loginName(), unlock);
}

// The language shown: --language, else the lab's Brevane.conf, else the system's.
std::unique_ptr<Translations> installLanguage(const CommandLine& line)
{
    QString requested = line.language;
    if (requested.isEmpty()) {
        const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brevane"),
                                 QStringLiteral("Brevane"));
        requested = settings.value(QLatin1String(kLanguageKey)).toString();
    }
    const QStringList folders = translationFolders();
    const QString code = chooseLanguage(requested, QLocale::system().uiLanguages(), availableLanguages(folders));
    auto translations = std::make_unique<Translations>(code, folders);
    if (!requested.isEmpty() && code == QLatin1String(kEnglish) &&
        normalisedLanguage(requested).section(u'_', 0, 0) != QLatin1String(kEnglish))
        std::fprintf(stderr, "brevane: %s\n",
                     qPrintable(QCoreApplication::translate("main", "there is no translation for \"%1\"; the "
                                                                    "program is shown in English")
                                    .arg(requested)));
    return translations;
}

} // namespace

int main(int argc, char** argv)
{
    // --version and --help are answered before any window system is opened, so they work
    // without a display.
    const CommandLine early = CommandLine::parse(rawArguments(argc, argv));
    if (early.action == CommandLine::Action::PrintVersion) {
        std::fputs(qPrintable(versionText(ProgramVersion::current().dotted())), stdout);
        return 0;
    }
    if (early.action == CommandLine::Action::PrintHelp) {
        const QCoreApplication core(argc, argv);
        const std::unique_ptr<Translations> language = installLanguage(early);
        std::fputs(qPrintable(helpText(QStringLiteral("brevane"))), stdout);
        return 0;
    }
    // A relative hand-in folder is taken where the program was started, before it moves.
    const QString handInFolder =
        early.handInFolder.isEmpty() ? QString() : QDir::current().absoluteFilePath(early.handInFolder);
    // Before anything reads the current directory: the start directory, Reflex.cfg, recover.dat
    // and the file dialogs' first folder all follow it.
    if (early.userFolder)
        enterUserFolder();

    // In a Wayland session the window system is chosen before Qt chooses one itself.
    SessionEnvironment environment{qgetenv("WAYLAND_DISPLAY"), qgetenv("XDG_SESSION_TYPE"), qgetenv("DISPLAY"),
                                   qgetenv("QT_QPA_PLATFORM"), platformArgument(rawArguments(argc, argv))};
    environment.presentationFeedback = inWaylandSession(environment) && compositorOffersPresentationFeedback();
    const SessionPlatform session = chooseSessionPlatform(environment);
    if (!session.qpaPlatform.isEmpty())
        qputenv("QT_QPA_PLATFORM", session.qpaPlatform);

    QApplication app(argc, argv);
    // Before the first window: Arabic and Hebrew run right to left, and the dialogs mirror.
    const std::unique_ptr<Translations> language = installLanguage(early);
    QGuiApplication::setLayoutDirection(QLocale(language->language()).textDirection());
    // A translation's longer texts get the room their controls have (the English ones fit as laid out).
    LanguageLayout fitter;
    if (!englishShown())
        app.installEventFilter(&fitter);
    // The session's word, in the language shown (chosen above, before Qt started).
    if (const QString notice = chooseSessionPlatform(environment).notice; !notice.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(notice));
    QApplication::setApplicationName(QStringLiteral("Brevane"));
    QApplication::setApplicationVersion(ProgramVersion::current().dotted());
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orv.brevane"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/org.orv.brevane.png")));
    // Once a session: where the display cannot say when a stimulus is on the screen.
    if (const QString notice = displayStampPlan(probeDisplay()).notice; !notice.isEmpty())
        std::fprintf(stderr, "brevane: %s\n", qPrintable(notice));

    MonotonicClock clock;
    QtTimerFactory timers;
    // One for the session, shared by the windows that present stimuli and stamp presses.
    FramePresenter presenter(clock);
    DevicePressStamper presses(clock);
    if (early.action == CommandLine::Action::TimingCheck) {
        // Opened as for the tests, so the readout names the sound's real route.
        const std::unique_ptr<Beeper> beeper = makeBeeper(clock, timers);
        TimingCheckWindow check(clock, timers, *beeper, presenter, presses);
        check.showFullScreen();
        return QApplication::exec(); // it ends when its window closes
    }
    if (early.action == CommandLine::Action::CheckMachine) {
        const std::unique_ptr<Beeper> beeper = makeBeeper(clock, timers);
        const std::unique_ptr<SoundCapture> capture = makeSoundCapture(clock);
        MachineCheckWindow check(clock, timers, *beeper, *capture, presenter, presses);
        check.showFullScreen();
        return QApplication::exec();
    }
    // Windows replace each other; only Exit on the main menu ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    QtPrompt prompt;
    QtFileChooser files;
    const std::unique_ptr<Beeper> beeper = makeBeeper(clock, timers); // chosen and opened once, here
    QtPointer pointer;
    MersenneRandom random;
    random.reseedFromTimeOfDay();
    AlsaMixer mixer;
    QtPrinting printing(prompt); // one for the program: its printer settings last between reports
    HandInNotice notice;
    // The machine's check result goes along with the first file handed in each session.
    const std::unique_ptr<HandIn> handIn =
        std::make_unique<MachineHandIn>(makeHandIn(handInFolder, timers, notice), [] { return machineResultBytes(); });
    const Platform platform{clock,
                            timers,
                            prompt,
                            files,
                            *beeper,
                            presenter,
                            presses,
                            pointer,
                            random,
                            mixer,
                            printing,
                            *handIn,
                            ProgramVersion::current()};

    AppState state;
    // Qt has taken its own options (-platform, -display, ...) out of the arguments by now.
    Application shell(state, platform, CommandLine::parse(QApplication::arguments()).configFile,
                      makeLabSession(early.unlock));
    // A benchmarking aid, not a setting: the stamps behind every stored time. The older name
    // still works, since lab scripts may set it.
    QByteArray trace = qgetenv("BREVANE_TIMING_TRACE");
    if (trace.isEmpty())
        trace = qgetenv("REFLEX_TIMING_TRACE");
    if (!trace.isEmpty())
        shell.setTimingTrace(QString::fromLocal8Bit(trace));
    QTimer::singleShot(0, &shell, &Application::start);
    const int status = QApplication::exec();
    handIn->finish(); // what a failed hand-in left waiting gets one more try at Exit
    return status;
}
