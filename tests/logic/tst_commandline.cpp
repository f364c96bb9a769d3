#include "app/CommandLine.h"
#include "app/SessionPlatform.h"
#include "fakes/Fakes.h"
#include "shared/Accounts.h"
#include "shared/LabSettings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <grp.h>
#include <unistd.h>

using namespace brevane;

namespace {
// The user's own primary group, which they are always in.
QByteArray ownGroup()
{
    return groupName(::getegid()).toLocal8Bit();
}
// A group the user is not in.
QByteArray otherGroup()
{
    setgrent();
    QByteArray found;
    while (const group* g = getgrent())
        if (found.isEmpty() && !inGroup(loginName(), g->gr_gid))
            found = g->gr_name;
    endgrent();
    return found;
}

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
    // after -platform is the one Qt takes; --hand-in and --language take their values apart or joined.
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
        const CommandLine unlock = CommandLine::parse({"brevane", "--unlock", "lab.cfg"});
        QVERIFY(unlock.unlock && unlock.configFile == "lab.cfg");
        QVERIFY(!CommandLine::parse({"brevane", "--", "--unlock"}).unlock);
        const CommandLine german = CommandLine::parse({"brevane", "--language", "de", "lab.cfg"});
        QVERIFY(german.language == "de" && german.configFile == "lab.cfg");
        QCOMPARE(CommandLine::parse({"brevane", "--language=ar"}).language, "ar");
        QCOMPARE(CommandLine::parse({"brevane", "--", "--language", "ja"}).configFile, "--language ja");
    }

    // The lab's file is the machine's; the file a test names counts only on a machine without one
    // (a link to nothing there is one).
    void theLabsFileIsTheMachinesWhereItHasOne()
    {
        QTemporaryDir dir;
        const QString system = dir.filePath("Brevane.conf"), mine = dir.filePath("mine.conf");
        QCOMPARE(labFilePath(system, mine), mine);
        QCOMPARE(labFilePath(system, {}), system);
        QVERIFY(QFile::link(dir.filePath("nothing"), system));
        QCOMPARE(labFilePath(system, mine), system);
        QFile::remove(system);
        fakes::writeFile(system, "");
        QCOMPARE(labFilePath(system, mine), system);
    }

    // [Lab] in the lab's file: a class configuration named relative to the file, the lock, and
    // --unlock for the members of the teachers' group alone (the user's own primary group stands
    // for it; a group without the user, and one that does not exist, for the others). Without
    // the keys, nothing changes.
    void labSettings_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<bool>("unlock");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<QString>("notice"); // <me>, <group> stand for the user and the group named
        const QByteArray mine = "[Lab]\nLockSettings=true\nTeachers=" + ownGroup() + "\n";
        const QByteArray others = "[Lab]\nLockSettings=yes\nTeachers=" + otherGroup() + "\n";
        const QString refused =
            "Only a member of the group <group> may unlock the settings with --unlock, which <me> is not; the "
            "settings stay locked.";
        QTest::newRow("no keys") << QByteArray("[HandIn]\nFolder=/srv/in\n") << true << false << QString();
        QTest::newRow("a teacher, locked without --unlock") << mine << false << true << QString();
        QTest::newRow("a teacher's --unlock") << mine << true << false << QString();
        QTest::newRow("another's --unlock") << others << true << true << refused;
        QTest::newRow("no such group") << QByteArray("[Lab]\nLockSettings=1\nTeachers=nosuchgroup48\n") << true << true
                                       << refused;
        QTest::newRow("no group named") << QByteArray("[Lab]\nLockSettings=true\n") << true << true
                                        << "Nobody may unlock the settings here: <file> names no group of teachers "
                                           "(Teachers in its [Lab] section).";
        QTest::newRow("LockSettings=no") << QByteArray("[Lab]\nLockSettings=no\nConfiguration=class.cfg\n") << false
                                         << false << QString();
    }
    void labSettings()
    {
        QFETCH(QByteArray, ini);
        QFETCH(bool, unlock);
        QFETCH(bool, locked);
        QFETCH(QString, notice);
        QTemporaryDir dir;
        const QString file = dir.filePath("etc/Brevane.conf");
        QDir().mkpath(dir.filePath("etc"));
        const bool own = ini.contains("Configuration=");
        fakes::writeFile(file, own ? ini : ini + "Configuration=../share/class.cfg\n");
        const LabSettings read = readLabSettings(QSettings(file, QSettings::IniFormat), file);
        const bool named = ini.startsWith("[Lab]");
        QCOMPARE(read.configuration,
                 named ? dir.filePath(ini.contains("=class.cfg") ? "etc/class.cfg" : "share/class.cfg") : QString());
        const LabSession session = labSession(read, loginName(), unlock);
        QCOMPARE(session.classConfiguration, read.configuration);
        QCOMPARE(!session.lock.isEmpty(), locked);
        QVERIFY2(!locked || session.lock.contains("LockSettings in " + file), qPrintable(session.lock));
        const QString group = QString::fromLatin1(ini).section("Teachers=", 1).section('\n', 0, 0);
        notice.replace("<me>", loginName()).replace("<group>", group).replace("<file>", file);
        QCOMPARE(session.notice, notice);
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
