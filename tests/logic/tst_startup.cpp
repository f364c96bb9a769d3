#include "app/StartupSequence.h"
#include "config/ConfigFile.h"
#include "fakes/Fakes.h"

#include <QFileInfo>
#include <QTemporaryDir>

using namespace brevane;

using Files = QMap<QString, QByteArray>; // a directory is listed as "name/"

namespace {

const auto box = [](const QString& title, const QString& text, MsgIcon icon = MsgIcon::Critical) {
    return Message{text, title, MsgButtons::Ok, icon};
};
const Message kDefaultNotFound =
    box("Configuration file not found", "Default configuration file not found...\rCreating Reflex.Cfg", MsgIcon::None);
const Message kInvalidDefault =
    box("Configuration Error", "Invalid Default Configuration File\rCreating New Configuration File");
const Message kInvalidDefaultKept =
    box(kInvalidDefault.title, kInvalidDefault.text + "\rThe refused file was kept as Reflex.cfg.bad");
const Message kInvalidNamed =
    box("Configuration Error", "Invalid Configuration File\rUsing Default Configuration File");
const Message kScreenTooSmall = box("Fatal Application Error", "Orv Brevane supports a minimum screen resolution of "
                                                               "800 x 600\rPress OK to terminate program");
const auto namedNotFound = [](const QString& name) {
    return box("Configuration load error", "File " + name + " could not be found\rUsing Default Configuration");
};

QByteArray fileBytes(const ReflexConfig& c)
{
    return fakes::written([&](QIODevice& device) { writeConfig(device, c, ConfigLayout::Full); });
}

// Away from the defaults, run counts included, and from each other.
const ReflexConfig kConfigS{SimpleConfigBlock{1, 2500, 2, 1, 1500, 15}};
const ReflexConfig kConfigT{SimpleConfigBlock{0, 3100, 1, 1, 1000, 20}};

struct Case {
    const char* name;
    QString commandLine; // <dir> stands for the start directory
    Files before;
    QList<Message> messages;
    ReflexConfig config;
    QString loading;      // a letter per status line: User file, Default file
    bool defaultsWritten; // else no file changes
    ScreenMetrics screen = {1024, 768};
};

// A start-up under the lab's settings: <dir> stands for the start directory, where the lab's file
// lab.conf and the class configuration class.cfg are too.
struct LabCase {
    const char* name;
    LabSession lab;
    QString commandLine;
    Files before;
    QList<Message> messages;
    ReflexConfig config;
    QString inUse; // the about box's words
};

const auto labBox = [](const QString& title, const QString& text) {
    return Message{text, title, MsgButtons::Ok, MsgIcon::Exclamation};
};

// One start-up in a temporary directory. Status lines and loaders share one log, so that their
// order shows.
struct Harness final : SplashView {
    QTemporaryDir dir;
    AppState state;
    fakes::FakePrompt prompt;
    fakes::FakePointer pointer;
    QStringList log;
    StartupSequence sequence{state, prompt, pointer, *this, QDir(dir.path())};

    explicit Harness(ScreenMetrics screen = Case{}.screen) { sequence.initialiseGlobals(screen); }
    void setProgress(int) override { }
    void setStatus(const QString& text) override { log << text; }
    void create(const Files& files)
    {
        for (const auto& [name, bytes] : files.asKeyValueRange())
            name.endsWith('/') ? void(QDir().mkdir(dir.filePath(name))) : fakes::writeFile(dir.filePath(name), bytes);
    }
    Files files() const
    {
        Files out;
        for (const QFileInfo& info : QDir(dir.path()).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot))
            out[info.fileName() + (info.isDir() ? "/" : "")] = info.isDir() ? "" : fakes::readFile(info.filePath());
        return out;
    }
    StartupOutcome run(const QString& commandLine = QString())
    {
        const auto loader = [this](const QString& name) { return [this, name] { log << "load " + name; }; };
        return sequence.loadConfiguration(commandLine,
                                          {loader("settings"), {loader("simple"), loader("color"), loader("number")}});
    }
};

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    // A refused Reflex.cfg that holds anything is kept as Reflex.cfg.bad before the defaults
    // replace it; the default file written is the fixture. The screen is measured in pixels,
    // whatever the twips per pixel; a refused one ends the program before anything is read or written.
    void decisionTree_data()
    {
        const ReflexConfig defaults, unread = ReflexConfig::zeroed();
        const QByteArray s = fileBytes(kConfigS), t = fileBytes(kConfigT);
        const QString cfg = "Reflex.cfg";
        Message unwritable = kInvalidDefault;
        unwritable.detail = "Reflex.cfg is a folder, not a file.";
        // clang-format off
        fakes::addRows<Case>({
            {"no file, 800 x 600 at 12 twips", "", {}, {kDefaultNotFound}, defaults, "DD", true, {800, 600, 12, 12}},
            {"empty file: not kept", "", {{cfg, ""}}, {kInvalidDefault}, defaults, "D", true},
            {"wrong-case header: kept over an older copy", "", {{cfg, QByteArray(s).replace("Conf", "conf")},
             {cfg + ".bad", "old"}}, {kInvalidDefaultKept}, defaults, "D", true},
            {"valid default file", "", {{cfg, s}}, {}, kConfigS, "D", false},
            {"Reflex.cfg cannot be written", "", {{cfg + '/', ""}}, {unwritable}, defaults, "D", false},
            {"missing named file, valid default file (not rewritten)", "lab.cfg", {{cfg, s}},
             {namedNotFound("lab.cfg")}, kConfigS, "UD", false},
            {"named file with a wrong header", "bad.cfg", {{"bad.cfg", QByteArray(t).replace("Conf", "conf")},
             {cfg, s}}, {kInvalidNamed}, kConfigS, "U", false},
            {"absolute name with blanks, no default file (none made)", "<dir>/my lab.cfg", {{"my lab.cfg", t}}, {},
             kConfigT, "U", false},
            {"letter case of the name kept", "LAB.CFG", {{"lab.cfg", t}, {cfg, s}}, {namedNotFound("LAB.CFG")},
             kConfigS, "UD", false},
            {"screen too narrow", "", {{cfg, s}}, {kScreenTooSmall}, unread, "", false, {799, 600}},
            {"screen too low", "lab.cfg", {{"lab.cfg", t}}, {kScreenTooSmall}, unread, "", false, {800, 599}},
        });
        // clang-format on
    }
    void decisionTree()
    {
        QFETCH(Case, row);
        auto& [name, commandLine, before, messages, config, loading, defaultsWritten, screen] = row;
        const bool ends = messages.contains(kScreenTooSmall);
        Harness h(screen);
        h.create(before);
        QCOMPARE(h.run(commandLine.replace("<dir>", h.dir.path())),
                 ends ? StartupOutcome::Terminate : StartupOutcome::ShowMainMenu);
        QCOMPARE(h.prompt.shown, messages);
        QVERIFY(h.state.Config == config && h.state.StartupConfig == config);
        Files after = before;
        if (messages.contains(kInvalidDefaultKept))
            after["Reflex.cfg.bad"] = before["Reflex.cfg"];
        if (defaultsWritten)
            after["Reflex.cfg"] = fakes::fixture("default.cfg");
        QCOMPARE(h.files(), after);
        QStringList log;
        for (QChar c : loading)
            log << QString("Loading %1 configuration file ...").arg(c == u'U' ? "user" : "default");
        if (!ends)
            log << "load settings"
                << "Initializing application ..."
                << "load simple"
                << "load color"
                << "Initializing application ... Almost Done"
                << "load number"
                << " ";
        QCOMPARE(h.log, log);
        QVERIFY(!h.pointer.busy && h.state.StartupDone != ends);
    }

    // The lab's class configuration is read in place of Reflex.cfg, and is the default a missing
    // named file falls back to; one that cannot be read is said once with the reason, and
    // Reflex.cfg is read instead, as without a lab (decisionTree's rows). Where the lab locks the
    // settings, a file named on the command line is not read, and a refused --unlock is said. The
    // about box's words name the file read.
    void labSettings_data()
    {
        const QByteArray s = fileBytes(kConfigS), t = fileBytes(kConfigT);
        const QString lock = "The settings are locked by the lab.";
        const LabSession lab{"<dir>/lab.conf", "<dir>/class.cfg", {}, {}};
        const LabSession locked{lab.labFile, lab.classConfiguration, lock, {}};
        const Message missing =
            labBox("Class Configuration", "The class configuration <dir>/class.cfg that "
                                          "<dir>/lab.conf names cannot be read (there is no such "
                                          "file); the configuration of this computer is used instead.");
        Message refused = missing;
        refused.text.replace("there is no such file", "not a configuration file");
        const Message notRead = labBox("Settings Locked", "The configuration file <dir>/mine.cfg is not read: the lab "
                                                          "locks the settings (LockSettings in <dir>/lab.conf).");
        // clang-format off
        fakes::addRows<LabCase>({
            {"the class configuration", lab, "", {{"class.cfg", t}, {"Reflex.cfg", s}}, {}, kConfigT,
             "the class configuration <dir>/class.cfg"},
            {"none there: Reflex.cfg", lab, "", {{"Reflex.cfg", s}}, {missing}, kConfigS, "<dir>/Reflex.cfg"},
            {"refused: Reflex.cfg", lab, "", {{"class.cfg", "x"}, {"Reflex.cfg", s}}, {refused}, kConfigS,
             "<dir>/Reflex.cfg"},
            {"a named file over it", lab, "mine.cfg", {{"class.cfg", t}, {"mine.cfg", s}}, {}, kConfigS,
             "<dir>/mine.cfg"},
            {"a named file missing: the class configuration", lab, "gone.cfg", {{"class.cfg", t}, {"Reflex.cfg", s}},
             {namedNotFound("gone.cfg")}, kConfigT, "the class configuration <dir>/class.cfg"},
            {"locked: no named file read", locked, "mine.cfg", {{"class.cfg", t}, {"mine.cfg", s}}, {notRead},
             kConfigT, "the class configuration <dir>/class.cfg, locked by the lab"},
            {"locked, --unlock refused", {{}, {}, lock, "Only teachers unlock."}, "", {{"Reflex.cfg", s}},
             {labBox("Settings Locked", "Only teachers unlock.")}, kConfigS, "<dir>/Reflex.cfg, locked by the lab"},
        });
        // clang-format on
    }
    void labSettings()
    {
        QFETCH(LabCase, row);
        Harness h;
        const auto here = [&](QString text) { return text.replace("<dir>", h.dir.path()); };
        h.create(row.before);
        h.sequence.setLab({here(row.lab.labFile), here(row.lab.classConfiguration), row.lab.lock, row.lab.notice});
        QCOMPARE(h.run(row.commandLine), StartupOutcome::ShowMainMenu);
        for (Message& m : row.messages)
            m.text = here(m.text);
        QCOMPARE(h.prompt.shown, row.messages);
        QVERIFY(h.state.Config == row.config && h.state.StartupConfig == row.config);
        QCOMPARE(h.state.ConfigurationInUse, here(row.inUse));
        QCOMPARE(h.state.SettingsLock, row.lab.lock);
        QCOMPARE(h.files(), row.before); // nothing written
    }

    // A second load (the menu reopened) returns at once and changes nothing: not the settings the
    // dialog left, nor the data.
    void secondLoadReturnsAtOnce()
    {
        Harness h;
        h.create({{"Reflex.cfg", fileBytes(kConfigS)}});
        QCOMPARE(h.sequence.loadConfiguration(QString(), StartupLoaders{}), StartupOutcome::ShowMainMenu);
        h.log.clear();
        h.state.Config = kConfigT; // as the settings dialog may have left it
        h.state.Simple.Times[1][1] = 0.25f;
        h.create({{"Reflex.cfg", "garbage"}});
        QCOMPARE(h.run("lab.cfg"), StartupOutcome::ShowMainMenu);
        QVERIFY(h.log.isEmpty() && h.prompt.shown.isEmpty());
        QVERIFY(h.state.Config == kConfigT && h.state.StartupConfig == kConfigS && h.state.Simple.Times[1][1] == 0.25f);
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
