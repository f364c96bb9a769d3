#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/MachineHandIn.h"
#include "app/SessionPlatform.h"
#include "platform/audio/CaptureRoute.h"
#include "platform/audio/SoundRoute.h"
#include "platform/audio/alsa/AlsaMixer.h"
#include "platform/display/wayland/WaylandProbe.h"
#include "platform/display/x11/XDisplay.h"
#include "platform/print/QtPrinting.h"
#include "shared/HandInNotice.h"
#include "shared/HandInQueue.h"
#include "timing_check/MachineCheckWindow.h"
#include "timing_check/TimingCheckWindow.h"

#include <QApplication>
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

// The lab's hand-in folder: --hand-in, else the user's settings, else the machine's. Without
// one nothing is handed in.
std::unique_ptr<HandIn> makeHandIn(const QString& commandLineFolder, TimerFactory& timers, HandInNotice& notice)
{
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brevane"),
                             QStringLiteral("Brevane"));
    const HandInSettings lab = readHandInSettings(settings, commandLineFolder);
    if (lab.folder.isEmpty())
        return std::make_unique<NoHandIn>();
    const QString folder = lab.folder;
    const QString own = handInSubfolder(loginName(), QSysInfo::machineHostName(), lab.perMachine);
    return std::make_unique<HandInQueue>(
        [folder, own](const QString& name, const QByteArray& bytes) { return handInFile(folder, own, name, bytes); },
        timers, [folder, &notice](const QString& reason) { notice.show(handInNoticeText(folder, reason)); },
        lab.timeLimitMs);
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
    if (!session.notice.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(session.notice));

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brevane"));
    QApplication::setApplicationVersion(ProgramVersion::current().dotted());
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orv.brevane"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/org.orv.brevane.png")));
    // Once a session: where the display cannot say when a stimulus is on the screen.
    if (const QString notice = displayStampPlan(probeDisplay()).notice; !notice.isEmpty())
        std::fprintf(stderr, "brevane: %s\n", qPrintable(notice));

    MonotonicClock clock;
    QtTimerFactory timers;
    if (early.action == CommandLine::Action::TimingCheck) {
        // Opened as for the tests, so the readout names the sound's real route.
        const std::unique_ptr<Beeper> beeper = makeBeeper(clock);
        TimingCheckWindow check(clock, timers, *beeper);
        check.showFullScreen();
        return QApplication::exec(); // it ends when its window closes
    }
    if (early.action == CommandLine::Action::CheckMachine) {
        const std::unique_ptr<Beeper> beeper = makeBeeper(clock);
        const std::unique_ptr<SoundCapture> capture = makeSoundCapture(clock);
        MachineCheckWindow check(clock, timers, *beeper, *capture);
        check.showFullScreen();
        return QApplication::exec();
    }
    // Windows replace each other; only Exit on the main menu ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    QtPrompt prompt;
    QtFileChooser files;
    const std::unique_ptr<Beeper> beeper = makeBeeper(clock); // chosen and opened once, here
    QtPointer pointer;
    MersenneRandom random;
    random.reseedFromTimeOfDay();
    AlsaMixer mixer;
    QtPrinting printing(prompt); // one for the program: its printer settings last between reports
    HandInNotice notice;
    // The machine's check result goes along with the first file handed in each session.
    const std::unique_ptr<HandIn> handIn =
        std::make_unique<MachineHandIn>(makeHandIn(handInFolder, timers, notice), [] { return machineResultBytes(); });
    const Platform platform{
        clock, timers, prompt, files, *beeper, pointer, random, mixer, printing, *handIn, ProgramVersion::current()};

    AppState state;
    // Qt has taken its own options (-platform, -display, ...) out of the arguments by now.
    Application shell(state, platform, CommandLine::parse(QApplication::arguments()).configFile);
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
