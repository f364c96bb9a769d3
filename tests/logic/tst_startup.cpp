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
