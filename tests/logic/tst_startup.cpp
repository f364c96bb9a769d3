#include "app/StartupSequence.h"
#include "config/ConfigFile.h"
#include "fakes/Fakes.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace reflex;

using Files = QMap<QString, QByteArray>; // a directory is listed as "name/"
using Messages = QList<Message>;

Q_DECLARE_METATYPE(reflex::ScreenMetrics)

namespace {

Message box(const QString& title, const QString& text, MsgIcon icon = MsgIcon::Critical)
{
    return {text, title, MsgButtons::Ok, icon};
}
const Message kDefaultNotFound = box("Configuration file not found",
                                     "Default configuration file not found...\rCreating Reflex.Cfg", MsgIcon::None);
const Message kInvalidDefault = box("Configuration Error", "Invalid Default Configuration File\r"
                                                           "Creating New Configuration File");
const Message kInvalidDefaultKept = box(kInvalidDefault.title, kInvalidDefault.text
                                                                   + "\rThe refused file was kept as Reflex.cfg.bad");
const Message kInvalidNamed = box("Configuration Error", "Invalid Configuration File\rUsing Default Configuration File");
const Message kFatal = box("Fatal Application Error", "Orv Brevane supports a minimum screen resolution of "
                                                      "800 x 600\rPress OK to terminate program");
Message namedNotFound(const QString& name)
{
    return box("Configuration load error", "File " + name + " could not be found\rUsing Default Configuration");
}

QByteArray fileBytes(const ReflexConfig& c)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeConfig(buffer, c, ConfigLayout::Full);
    return buffer.data();
}

// Away from the defaults, run counts included, and from each other.
const ReflexConfig kConfigS{SimpleConfigBlock{1, 2500, 2, 1, 1500, 15}};
const ReflexConfig kConfigT{SimpleConfigBlock{0, 3100, 1, 1, 1000, 20}};

// One start-up in a temporary directory, on a 1024 x 768 screen unless told otherwise. Status
// lines and loaders share one log, so that their order shows.
struct Harness final : SplashView {
    QTemporaryDir dir;
    AppState state;
    fakes::FakePrompt prompt;
    fakes::FakePointer pointer;
    QStringList log;
    QList<int> progress;
    StartupSequence sequence{state, prompt, pointer, *this, QDir(dir.path())};

    explicit Harness(ScreenMetrics screen = {1024, 768, 15.0, 15.0}) { sequence.initialiseGlobals(screen); }

    void setProgress(int value) override { progress << value; }
    void setStatus(const QString& text) override { log << text; }

    void create(const Files& files)
    {
        for (auto it = files.begin(); it != files.end(); ++it)
            it.key().endsWith('/') ? void(QDir(dir.path()).mkdir(it.key())) : fakes::writeFile(dir.filePath(it.key()), *it);
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
        const auto loader = [this](const QString& name) { // every load with the busy pointer
            return [this, name] { log << (pointer.busy ? "load " : "load, pointer not busy: ") + name; };
        };
        return sequence.loadConfiguration(
            commandLine, {loader("settings"), loader("simple"), loader("color"), loader("number")});
    }
};

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    // A refused Reflex.cfg that holds anything is kept as Reflex.cfg.bad before the defaults
    // replace it; the default file written is the fixture.
    void decisionTree_data()
    {
        QTest::addColumn<QString>("commandLine"); // <dir> stands for the start directory
        QTest::addColumn<Files>("before");
        QTest::addColumn<Messages>("messages");
        QTest::addColumn<ReflexConfig>("config");
        QTest::addColumn<QString>("loading");      // a letter per status line: User file, Default file
        QTest::addColumn<bool>("defaultsWritten"); // else no file changes
        const ReflexConfig defaults;
        const QByteArray s = fileBytes(kConfigS), t = fileBytes(kConfigT);
        const QByteArray badT = QByteArray(t).replace("Configuration file", "configuration file");
        QByteArray oneDeleted = s;
        oneDeleted.remove(oneDeleted.indexOf("2500\r\n"), 6);
        const QString cfg = "Reflex.cfg";
        const Messages none;

        QTest::newRow("no file") << "" << Files{} << Messages{kDefaultNotFound} << defaults << "DD" << true;
        QTest::newRow("empty file: not kept") << "" << Files{{cfg, ""}} << Messages{kInvalidDefault} << defaults
                                              << "D" << true;
        QTest::newRow("wrong-case header: kept") << "" << Files{{cfg, QByteArray(s).replace("Conf", "conf")}}
                                                 << Messages{kInvalidDefaultKept} << defaults << "D" << true;
        QTest::newRow("a value deleted by hand: kept over an older copy")
            << "" << Files{{cfg, oneDeleted}, {cfg + ".bad", "old"}} << Messages{kInvalidDefaultKept}
            << defaults << "D" << true;
        QTest::newRow("valid default file") << "" << Files{{cfg, s}} << none << kConfigS << "D" << false;
        QTest::newRow("reflex.cfg is another file")
            << "" << Files{{"reflex.cfg", s}} << Messages{kDefaultNotFound} << defaults << "DD" << true;
        QTest::newRow("Reflex.cfg cannot be written")
            << "" << Files{{cfg + '/', ""}} << Messages{kInvalidDefault} << defaults << "D" << false;
        QTest::newRow("missing named file, valid default file (not rewritten)") << "lab.cfg"
            << Files{{cfg, s}} << Messages{namedNotFound("lab.cfg")} << kConfigS << "UD" << false;
        QTest::newRow("missing named file, no default file") << "lab.cfg" << Files{}
            << Messages{namedNotFound("lab.cfg"), kDefaultNotFound} << defaults << "UDD" << true;
        QTest::newRow("named file with a wrong header") << "bad.cfg" << Files{{"bad.cfg", badT}, {cfg, s}}
                                                        << Messages{kInvalidNamed} << kConfigS << "U" << false;
        QTest::newRow("named directory") << "sub" << Files{{"sub/", ""}, {cfg, s}} << Messages{kInvalidNamed}
                                         << kConfigS << "U" << false;
        QTest::newRow("absolute name, no default file (none made)")
            << "<dir>/lab.cfg" << Files{{"lab.cfg", t}} << none << kConfigT << "U" << false;
        QTest::newRow("name with blanks") << "my lab.cfg" << Files{{"my lab.cfg", t}, {cfg, s}} << none
                                          << kConfigT << "U" << false;
        QTest::newRow("letter case of the name kept") << "LAB.CFG" << Files{{"lab.cfg", t}, {cfg, s}}
            << Messages{namedNotFound("LAB.CFG")} << kConfigS << "UD" << false;
    }

    void decisionTree()
    {
        QFETCH(QString, commandLine);
        QFETCH(Files, before);
        QFETCH(Messages, messages);
        QFETCH(ReflexConfig, config);
        QFETCH(QString, loading);
        QFETCH(bool, defaultsWritten);
        Harness h;
        h.create(before);
        QCOMPARE(h.run(commandLine.replace("<dir>", h.dir.path())), StartupOutcome::ShowMainMenu);
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
        log << "load settings" << "Initializing application ..." << "load simple" << "load color"
            << "Initializing application ... Almost Done" << "load number" << " ";
        QCOMPARE(h.log, log);
        QVERIFY(std::is_sorted(h.progress.begin(), h.progress.end()) && h.progress.last() == 100);
        QVERIFY(!h.pointer.busy && h.state.StartupDone);
    }

    // The screen is measured in pixels, whatever the twips per pixel; a refused one ends the
    // program before anything is read or written.
    void screenCheck_data()
    {
        QTest::addColumn<ScreenMetrics>("screen");
        QTest::addColumn<bool>("passes");
        QTest::newRow("800 x 600 at 120 dpi") << ScreenMetrics{800, 600, 12.0, 12.0} << true;
        QTest::newRow("799 x 600") << ScreenMetrics{799, 600, 15.0, 15.0} << false;
        QTest::newRow("800 x 599") << ScreenMetrics{800, 599, 15.0, 15.0} << false;
    }

    void screenCheck()
    {
        QFETCH(ScreenMetrics, screen);
        QFETCH(bool, passes);
        Harness h(screen);
        QCOMPARE(h.run("lab.cfg"), passes ? StartupOutcome::ShowMainMenu : StartupOutcome::Terminate);
        QCOMPARE(h.prompt.shown.contains(kFatal), !passes);
        if (!passes)
            QVERIFY(h.prompt.shown.size() == 1 && h.log.isEmpty() && h.files().isEmpty() && !h.state.StartupDone);
    }

    // Start-up empties runs 1..10 and the statistics of every store; a second load (the menu
    // reopened) returns at once and changes nothing.
    void storesZeroedThenSecondLoadReturnsAtOnce()
    {
        Harness h;
        h.create({{"Reflex.cfg", fileBytes(kConfigS)}});
        SetData full, cleared;
        for (int set = 1; set <= kSetCount; ++set) {
            full.SetAverage[set] = full.SetFastest[set] = full.SetSlowest[set] = 1.5f;
            cleared.Times[set] = full.Times[set] = RunRow{}; // runs 11..20 are not cleared
            full.Times[set].fill(1.5f);
            std::fill(cleared.Times[set].begin() + kStoredRuns + 1, cleared.Times[set].end(), 1.5f);
            cleared.Times[set][0] = 1.5f;
        }
        for (SetData* store : std::initializer_list<SetData*>{&h.state.Simple, &h.state.Color, &h.state.Number})
            *store = full;
        // The program may run without some of the windows.
        QCOMPARE(h.sequence.loadConfiguration(QString(), StartupLoaders{}), StartupOutcome::ShowMainMenu);
        for (const SetData& store : std::initializer_list<SetData>{h.state.Simple, h.state.Color, h.state.Number})
            QVERIFY(store == cleared);

        h.log.clear();
        h.state.Config = kConfigT; // as the settings dialog may have left it
        h.state.Simple.Times[1][1] = 0.25f;
        h.create({{"Reflex.cfg", "garbage"}});
        QCOMPARE(h.run("lab.cfg"), StartupOutcome::ShowMainMenu);
        QVERIFY(h.log.isEmpty() && h.prompt.shown.isEmpty());
        QVERIFY(h.state.Config == kConfigT && h.state.StartupConfig == kConfigS && h.state.Simple.Times[1][1] == 0.25f);
        QCOMPARE(h.files(), (Files{{"Reflex.cfg", "garbage"}}));
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
