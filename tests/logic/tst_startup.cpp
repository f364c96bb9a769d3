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

namespace reflex { // lists of messages that differ show what they hold
char* toString(const Message& m)
{
    return QTest::toString(QString("%1 | %2 | icon %3").arg(m.title, m.text).arg(int(m.icon)));
}
} // namespace reflex

namespace {

const Message kDefaultNotFound{"Default configuration file not found...\rCreating Reflex.Cfg",
                               "Configuration file not found", MsgButtons::Ok, MsgIcon::None};
const Message kInvalidDefaultKept{"Invalid Default Configuration File\rCreating New Configuration File\r"
                                  "The refused file was kept as Reflex.cfg.bad",
                                  "Configuration Error", MsgButtons::Ok, MsgIcon::Critical};
const Message kInvalidDefault{"Invalid Default Configuration File\rCreating New Configuration File",
                              "Configuration Error", MsgButtons::Ok, MsgIcon::Critical};
const Message kInvalidNamed{"Invalid Configuration File\rUsing Default Configuration File",
                            "Configuration Error", MsgButtons::Ok, MsgIcon::Critical};
const Message kFatal{"Orv Brevane supports a minimum screen resolution of 800 x 600\r"
                     "Press OK to terminate program",
                     "Fatal Application Error", MsgButtons::Ok, MsgIcon::Critical};
Message namedNotFound(const QString& name)
{
    return {"File " + name + " could not be found\rUsing Default Configuration",
            "Configuration load error", MsgButtons::Ok, MsgIcon::Critical};
}

// `loading` has a letter per status shown while the files are read: U user file, D default file.
QStringList expectedLog(const QString& loading)
{
    QStringList log{"10"};
    for (QChar c : loading)
        log << (c == u'U' ? "'Loading user configuration file ...'"
                          : "'Loading default configuration file ...'");
    return log + QStringList{"15", "20", "load settings", "45", "'Initializing application ...'",
                             "load simple", "60", "load color", "75",
                             "'Initializing application ... Almost Done'", "90", "load number", "100",
                             "' '"};
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

QByteArray wrongCase(QByteArray bytes)
{
    return bytes.replace("Configuration file", "configuration file");
}

// One start-up in a temporary directory, on a 1024 x 768 screen unless told otherwise. Progress,
// status and loaders share one log, so that their order shows.
struct Harness final : SplashView {
    QTemporaryDir dir;
    AppState state;
    fakes::FakePrompt prompt;
    fakes::FakePointer pointer;
    QStringList log;
    StartupSequence sequence{state, prompt, pointer, *this, QDir(dir.path())};

    explicit Harness(ScreenMetrics screen = {1024, 768, 15.0, 15.0}) { sequence.initialiseGlobals(screen); }

    void setProgress(int value) override { log << QString::number(value); }
    void setStatus(const QString& text) override { log << "'" + text + "'"; }

    void create(const Files& files)
    {
        for (auto it = files.begin(); it != files.end(); ++it) {
            QFile file(dir.filePath(it.key()));
            if (it.key().endsWith('/'))
                QVERIFY(QDir().mkdir(file.fileName()));
            else
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write(*it) == it->size());
        }
    }

    Files files() const
    {
        Files out;
        const QDir::Filters all = QDir::AllEntries | QDir::NoDotAndDotDot;
        for (const QFileInfo& info : QDir(dir.path()).entryInfoList(all)) {
            QFile file(info.filePath());
            QByteArray& bytes = out[info.fileName() + (info.isDir() ? "/" : "")];
            if (file.open(QIODevice::ReadOnly))
                bytes = file.readAll();
        }
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
    void decisionTree_data()
    {
        QTest::addColumn<QString>("commandLine"); // <dir> stands for the start directory
        QTest::addColumn<Files>("before");
        QTest::addColumn<Messages>("messages");
        QTest::addColumn<ReflexConfig>("config");
        QTest::addColumn<QString>("loading");      // see expectedLog()
        QTest::addColumn<bool>("defaultsWritten"); // else no file changes

        const ReflexConfig defaults;
        const QByteArray s = fileBytes(kConfigS), t = fileBytes(kConfigT), badT = wrongCase(t);
        const QString cfg = "Reflex.cfg";
        const Messages none;

        QTest::newRow("no file") << "" << Files{} << Messages{kDefaultNotFound} << defaults << "DD" << true;
        QTest::newRow("empty file")
            << "" << Files{{cfg, ""}} << Messages{kInvalidDefault} << defaults << "D" << true;
        QTest::newRow("wrong-case header, kept")
            << "" << Files{{cfg, wrongCase(s)}} << Messages{kInvalidDefaultKept} << defaults << "D" << true;
        QByteArray oneDeleted = s;
        oneDeleted.remove(oneDeleted.indexOf("2500\r\n"), 6);
        QTest::newRow("a value deleted by hand, kept over an older copy")
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
        QTest::newRow("named file with a wrong header, no default file")
            << "bad.cfg" << Files{{"bad.cfg", badT}} << Messages{kInvalidNamed, kDefaultNotFound} << defaults
            << "UD" << true;
        QTest::newRow("named file with a wrong header, valid default file") << "bad.cfg"
            << Files{{"bad.cfg", badT}, {cfg, s}} << Messages{kInvalidNamed} << kConfigS << "U" << false;
        QTest::newRow("named directory") << "sub" << Files{{"sub/", ""}, {cfg, s}} << Messages{kInvalidNamed}
                                         << kConfigS << "U" << false;
        QTest::newRow("valid named file, no default file (none made)")
            << "lab.cfg" << Files{{"lab.cfg", t}} << none << kConfigT << "U" << false;
        QTest::newRow("valid named file with blanks, valid default file")
            << "my lab.cfg" << Files{{"my lab.cfg", t}, {cfg, s}} << none << kConfigT << "U" << false;
        QTest::newRow("absolute name")
            << "<dir>/lab.cfg" << Files{{"lab.cfg", t}} << none << kConfigT << "U" << false;
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
            after["Reflex.cfg"] = fileBytes(ReflexConfig{});
        QCOMPARE(h.files(), after);
        QCOMPARE(h.log, expectedLog(loading));
        QVERIFY(!h.pointer.busy && h.state.StartupDone);
    }

    void screenCheck_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<double>("twipsPerPixel");
        QTest::addColumn<bool>("passes");
        QTest::newRow("800 x 600") << 800 << 600 << 15.0 << true;
        QTest::newRow("799 x 600") << 799 << 600 << 15.0 << false;
        QTest::newRow("800 x 599") << 800 << 599 << 15.0 << false;
        QTest::newRow("800 x 600 at 120 dpi") << 800 << 600 << 12.0 << true;
        QTest::newRow("799 x 600 at 120 dpi") << 799 << 600 << 12.0 << false;
    }

    void screenCheck()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(double, twipsPerPixel);
        QFETCH(bool, passes);
        Harness h({width, height, twipsPerPixel, twipsPerPixel});
        const StartupOutcome outcome = h.run("lab.cfg");
        QCOMPARE(h.prompt.titles().contains("Fatal Application Error"), !passes);
        QCOMPARE(outcome, passes ? StartupOutcome::ShowMainMenu : StartupOutcome::Terminate);
        if (passes)
            return;
        QCOMPARE(h.prompt.shown, Messages{kFatal});
        QVERIFY(h.log.isEmpty() && h.pointer.busyChanges.isEmpty()); // nothing started
        QCOMPARE(h.files(), Files{});
        QVERIFY(h.state.Config == ReflexConfig::zeroed() && !h.state.StartupDone);
    }

    void storesZeroedThenSecondLoadReturnsAtOnce()
    {
        Harness h;
        h.create({{"Reflex.cfg", fileBytes(kConfigS)}});
        const std::array<SetData*, 3> stores{&h.state.Simple, &h.state.Color, &h.state.Number};
        for (SetData* store : stores) {
            for (auto& set : store->Times)
                set.fill(1.5f);
            for (PerSet* statistic : {&store->SetAverage, &store->SetFastest, &store->SetSlowest})
                statistic->fill(1.5f);
        }
        // The program may run without some of the windows.
        QCOMPARE(h.sequence.loadConfiguration(QString(), StartupLoaders{}), StartupOutcome::ShowMainMenu);
        for (const SetData* store : stores) {
            for (int set = 1; set <= kSetCount; ++set) {
                for (int run = 1; run <= kMaxRuns; ++run) // only the saved runs are cleared
                    QCOMPARE(store->Times[set][run], run <= kStoredRuns ? 0.0f : 1.5f);
                QVERIFY(!store->SetAverage[set] && !store->SetFastest[set] && !store->SetSlowest[set]);
            }
        }
        for (int i = 0; i < 16; ++i)
            QCOMPARE(h.state.ColorPalette[i], qint16(i));

        h.log.clear();
        h.state.Config = kConfigT; // as the settings dialog may have left it
        h.state.Simple.Times[1][1] = 0.25f;
        h.create({{"Reflex.cfg", "garbage"}});
        QCOMPARE(h.run("lab.cfg"), StartupOutcome::ShowMainMenu);
        QVERIFY(h.log.isEmpty() && h.prompt.shown.isEmpty());
        QVERIFY(h.state.Config == kConfigT);
        QVERIFY(h.state.StartupConfig == kConfigS);
        QCOMPARE(h.state.Simple.Times[1][1], 0.25f);
        QCOMPARE(h.files(), (Files{{"Reflex.cfg", "garbage"}}));
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
