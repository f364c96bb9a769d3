#include "app/CommandLine.h"
#include "app/SessionPlatform.h"
#include "fakes/Fakes.h"

using namespace reflex;

namespace {
struct SessionCase {
    const char* name;
    SessionEnvironment environment;
    QByteArray platform; // what QT_QPA_PLATFORM is set to; "" leaves it
    const char* notice;  // a word the notice holds; nullptr: no notice
};

struct ArgumentsCase {
    const char* name;
    QStringList arguments;
    CommandLine::Action action;
    QByteArray platform; // named after -platform
};
} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    // XWayland is preferred in a Wayland session; Wayland alone costs the pointer placement and
    // the raw press stamp, and says so; what the user named stands, with its cost told.
    void sessionPlatform_data()
    {
        fakes::addRows<SessionCase>({
            {"X session", {{}, "x11", ":0", {}, {}}, "", nullptr},
            {"no window system named at all", {}, "", nullptr},
            {"Wayland with XWayland", {"wayland-0", "wayland", ":1", {}, {}}, "xcb", "XWayland"},
            {"Wayland socket without a session type", {"wayland-1", {}, ":1", {}, {}}, "xcb", "XWayland"},
            {"Wayland without XWayland", {"wayland-0", "wayland", {}, {}, {}}, "wayland", "pointer placement"},
            {"user's QT_QPA_PLATFORM=xcb", {"wayland-0", "wayland", {}, "xcb", {}}, "", nullptr},
            {"user's Wayland first in a list", {"wayland-0", "wayland", ":1", "wayland;xcb", {}}, "", "toolkit event"},
            {"-platform offscreen over the environment",
             {"wayland-0", "wayland", {}, "wayland", "offscreen"},
             "",
             nullptr},
        });
    }
    void sessionPlatform()
    {
        QFETCH(SessionCase, row);
        const SessionPlatform chosen = chooseSessionPlatform(row.environment);
        QCOMPARE(chosen.qpaPlatform, row.platform);
        if (row.notice) {
            QVERIFY2(chosen.notice.startsWith("brevane: ") && chosen.notice.contains(row.notice) &&
                         !chosen.notice.contains('\n'),
                     qPrintable(chosen.notice));
        } else {
            QCOMPARE(chosen.notice, QString());
        }
    }

    void arguments_data()
    {
        using A = CommandLine::Action;
        fakes::addRows<ArgumentsCase>({
            {"plain run", {"brevane", "lab.cfg"}, A::Run, ""},
            {"timing check", {"brevane", "--timing-check"}, A::TimingCheck, ""},
            {"--version over the check", {"brevane", "--timing-check", "--version"}, A::PrintVersion, ""},
            {"--help over both", {"brevane", "--help", "--timing-check", "--version"}, A::PrintHelp, ""},
            {"after --: a file name", {"brevane", "--", "--timing-check"}, A::Run, ""},
            {"-platform and its name", {"brevane", "-platform", "wayland", "lab.cfg"}, A::Run, "wayland"},
            {"--platform at the end without a name", {"brevane", "--platform"}, A::Run, ""},
        });
    }
    void arguments()
    {
        QFETCH(ArgumentsCase, row);
        QCOMPARE(CommandLine::parse(row.arguments).action, row.action);
        QCOMPARE(platformArgument(row.arguments), row.platform);
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
