#include "app/Application.h"
#include "platform/AlsaBeeper.h"

#include <QApplication>
#include <QTimer>

using namespace reflex;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brevane"));
    QApplication::setApplicationVersion(ProgramVersion::current().dotted());
    // Windows replace each other; only Exit on the main menu ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    MonotonicClock clock;
    QtTimerFactory timers;
    QtPrompt prompt;
    QtFileChooser files;
    AlsaBeeper beeper; // opened once here, so the first tone starts at once
    QtPointer pointer;
    const Platform platform{clock, timers, prompt, files, beeper, pointer, ProgramVersion::current()};

    AppState state;
    state.Random.reseedFromTimeOfDay();
    Application shell(state, platform, commandLineString(QApplication::arguments()));
    // A benchmarking aid, not a setting: the stamps behind every stored time.
    if (const QByteArray trace = qgetenv("REFLEX_TIMING_TRACE"); !trace.isEmpty())
        shell.setTimingTrace(QString::fromLocal8Bit(trace));
    QTimer::singleShot(0, &shell, &Application::start);
    return QApplication::exec();
}
