#include "app/CommandLine.h"
#include "app/SessionPlatform.h"
#include "fakes/Fakes.h"

using namespace brevane;

namespace {
struct SessionCase {
    const char* name;
    SessionEnvironment environment; // WAYLAND_DISPLAY, XDG_SESSION_TYPE, DISPLAY, QT_QPA_PLATFORM, -platform,
                                    // presentation feedback
    QByteArray platform;            // what QT_QPA_PLATFORM is set to; "" leaves it
    const char* notice;             // a word the one-line notice holds; nullptr: none
};
} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    // In a Wayland session a compositor with presentation feedback gets the program as its own
    // client, XWayland or not; without the feedback XWayland is preferred. Wayland costs the
    // pointer placement and the raw press stamp, and says so; what the user named stands, with
    // its cost told.
    void sessionPlatform_data()
    {
        fakes::addRows<SessionCase>({
            {"X session", {{}, "x11", ":0", {}, {}}, "", nullptr},
            {"feedback and XWayland", {"wayland-0", "wayland", ":1", {}, {}, true}, "wayland", "pointer placement"},
            {"Wayland with XWayland", {"wayland-0", "wayland", ":1", {}, {}}, "xcb", "XWayland"},
            {"Wayland socket, no session type", {"wayland-1", {}, ":1", {}, {}}, "xcb", "XWayland"},
            {"Wayland without XWayland", {"wayland-0", "wayland", {}, {}, {}}, "wayland", "pointer placement"},
            {"user's xcb", {"wayland-0", "wayland", {}, "xcb", {}}, "", nullptr},
            {"user's Wayland first in a list", {"wayland-0", "wayland", ":1", "wayland;xcb", {}}, "", "toolkit event"},
            {"-platform over the environment", {"wayland-0", "wayland", {}, "wayland", "offscreen"}, "", nullptr},
        });
    }
    void sessionPlatform()
    {
        QFETCH(SessionCase, row);
        const SessionPlatform chosen = chooseSessionPlatform(row.environment);
        QCOMPARE(chosen.qpaPlatform, row.platform);
        QVERIFY2(row.notice ? chosen.notice.startsWith("brevane: ") && chosen.notice.contains(row.notice) &&
                                  !chosen.notice.contains('\n')
                            : chosen.notice.isEmpty(),
                 qPrintable(chosen.notice));
    }

    // --help, then --version, win over --timing-check; after "--" it is a file name. The name
    // after -platform is the one Qt takes.
    void arguments()
    {
        using A = CommandLine::Action;
        const auto action = [](QStringList a) { return CommandLine::parse(QStringList{"brevane"} + a).action; };
        QCOMPARE(action({"--timing-check"}), A::TimingCheck);
        QCOMPARE(action({"--timing-check", "--version"}), A::PrintVersion);
        QCOMPARE(action({"--help", "--timing-check", "--version"}), A::PrintHelp);
        QCOMPARE(action({"--", "--timing-check"}), A::Run);
        QCOMPARE(action({"--check-machine"}), A::CheckMachine);
        QCOMPARE(action({"--check-machine", "--timing-check"}), A::CheckMachine); // the first one named
        QCOMPARE(action({"--check-machine", "--help"}), A::PrintHelp);
        // The hand-in folder is no part of the configuration's name, in either spelling.
        const CommandLine line = CommandLine::parse({"brevane", "my", "--hand-in", "/srv/in", "lab.cfg"});
        QCOMPARE(line.handInFolder, "/srv/in");
        QCOMPARE(line.configFile, "my lab.cfg");
        QCOMPARE(CommandLine::parse({"brevane", "--hand-in=/srv/in"}).handInFolder, "/srv/in");
        QCOMPARE(CommandLine::parse({"brevane", "--", "--hand-in", "x"}).handInFolder, "");
        QCOMPARE(platformArgument({"brevane", "-platform", "wayland", "lab.cfg"}), "wayland");
        QCOMPARE(platformArgument({"brevane", "lab.cfg", "--platform"}), "");
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
