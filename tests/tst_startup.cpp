#include "app/StartupSequence.h"
#include "config/ConfigFile.h"
#include "fakes/Fakes.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace reflex;

Q_DECLARE_METATYPE(reflex::Message)
Q_DECLARE_METATYPE(reflex::ReflexConfig)

namespace {

// Records the progress bar and the status line in one log with the loaders.
class FakeSplash final : public SplashView {
public:
    explicit FakeSplash(QStringList& log) : log_(log) {}
    void setProgress(int value) override
    {
        progress << value;
        log_ << QStringLiteral("progress %1").arg(value);
    }
    void setStatus(const QString& text) override
    {
        statuses << text;
        log_ << QStringLiteral("status '%1'").arg(text);
    }
    QList<int> progress;
    QStringList statuses;

private:
    QStringList& log_;
};

Message okBox(MsgIcon icon, const QString& title, const QString& text)
{
    Message m;
    m.title = title;
    m.text = text;
    m.buttons = MsgButtons::Ok;
    m.icon = icon;
    return m;
}

const Message kDefaultNotFound =
    okBox(MsgIcon::None, "Configuration file not found",
          "Default configuration file not found...\rCreating Reflex.Cfg");
const Message kInvalidDefault =
    okBox(MsgIcon::Critical, "Configuration Error",
          "Invalid Default Configuration File\rCreating New Configuration File");
const Message kInvalidNamed =
    okBox(MsgIcon::Critical, "Configuration Error",
          "Invalid Configuration File\rUsing Default Configuration File");
Message namedNotFound(const QString& name)
{
    return okBox(MsgIcon::Critical, "Configuration load error",
                 "File " + name + " could not be found\rUsing Default Configuration");
}
const Message kFatal =
    okBox(MsgIcon::Critical, "Fatal Application Error",
          "Orv Brevane supports a minimum screen resolution of 800 x 600\r"
          "Press OK to terminate program");

const QString kLoadingDefault = "Loading default configuration file ...";
const QString kLoadingUser = "Loading user configuration file ...";

QByteArray fileBytes(const ReflexConfig& c, ConfigLayout layout = ConfigLayout::Full)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeConfig(buffer, c, layout);
    return buffer.data();
}

const QByteArray kDefaultBytes = fileBytes(ReflexConfig{});

ReflexConfig configS()
{
    ReflexConfig c;
    c.Normal = SimpleConfigBlock{1, 2500, 2, 1, 1500, 15};
    c.Color.TriggerElement = 12;
    c.Color.RunCount = 16;
    c.Number.DisplayTime = 700;
    c.Number.RunCount = 17;
    return c;
}

ReflexConfig configT()
{
    ReflexConfig c;
    c.Normal.FixedTimeInterval = 3100;
    c.Color.Element = {15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 0};
    c.Number.RunCount = 20;
    return c;
}

ReflexConfig withRunCounts(ReflexConfig c, qint16 n)
{
    c.Normal.RunCount = c.Color.RunCount = c.Number.RunCount = n;
    return c;
}

QByteArray wrongCase(QByteArray bytes)
{
    return bytes.replace("Configuration file", "configuration file");
}

QByteArray withoutLastLine(const QByteArray& bytes)
{
    QByteArray out = bytes.chopped(2);
    return out.left(out.lastIndexOf("\r\n") + 2);
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// What Reflex.cfg holds after the sequence.
enum class DefaultAfter { Absent, Unchanged, Defaults };

// One start-up in a temporary directory, on a 1024 x 768 screen unless told otherwise.
struct Harness {
    QTemporaryDir dir;
    AppState state;
    fakes::FakePrompt prompt;
    fakes::FakePointer pointer;
    QStringList log;
    FakeSplash view{log};
    StartupSequence sequence{state, prompt, pointer, view, QDir(dir.path())};
    QList<bool> busyDuringLoaders;

    explicit Harness(ScreenMetrics screen = {1024, 768, 15.0, 15.0})
    {
        sequence.initialiseGlobals(screen);
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    StartupLoaders loaders()
    {
        auto loader = [this](const QString& name) {
            return [this, name] {
                log << "load " + name;
                busyDuringLoaders << pointer.busy;
            };
        };
        return {loader("settings"), loader("simple"), loader("color"), loader("number")};
    }

    StartupOutcome run(const QString& commandLine = QString())
    {
        return sequence.loadConfiguration(commandLine, loaders());
    }
};

void compareMessages(const QList<Message>& shown, const QList<Message>& expected)
{
    for (qsizetype i = 0; i < qMin(shown.size(), expected.size()); ++i) {
        QCOMPARE(shown[i].title, expected[i].title);
        QCOMPARE(shown[i].text, expected[i].text);
        QCOMPARE(int(shown[i].icon), int(expected[i].icon));
        QCOMPARE(int(shown[i].buttons), int(expected[i].buttons));
    }
    QCOMPARE(shown.size(), expected.size());
}

} // namespace

Q_DECLARE_METATYPE(DefaultAfter)

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void initialiseGlobals()
    {
        Harness h;
        h.state.StartupDone = true;
        h.state.VolumeSetting = 3;
        h.state.ColorEditElement = 4;
        h.state.ShowSpeaker = true;
        h.state.NormalTriggerColor = qRgb(1, 2, 3);
        h.sequence.initialiseGlobals({1280, 1024, 12.0, 12.0});
        QCOMPARE(h.state.ScreenWidth, 15360);
        QCOMPARE(h.state.ScreenHeight, 12288);
        QCOMPARE(h.state.TwipsPerPixelX, 12.0);
        QCOMPARE(h.state.TwipsPerPixelY, 12.0);
        QCOMPARE(h.state.StartDirectory, QDir(h.dir.path()).absolutePath());
        QCOMPARE(h.state.VolumeSetting, qint16(75));
        QCOMPARE(h.state.StartupDone, false);
        QCOMPARE(h.state.ColorEditElement, qint16(0));
        QCOMPARE(h.state.ShowSpeaker, false);
        QCOMPARE(h.state.NormalTriggerColor, qRgb(192, 0, 0));
    }

    void decisionTree_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<bool>("hasDefault");
        QTest::addColumn<QByteArray>("defaultBytes");
        QTest::addColumn<QString>("namedFile"); // created when not empty
        QTest::addColumn<QByteArray>("namedBytes");
        QTest::addColumn<QList<Message>>("messages");
        QTest::addColumn<ReflexConfig>("config");
        QTest::addColumn<DefaultAfter>("defaultAfter");

        const ReflexConfig defaults;
        const QByteArray s = fileBytes(configS());
        const QByteArray t = fileBytes(configT());
        const QByteArray none;

        QTest::newRow("no argument, no default file")
            << "" << false << none << "" << none << QList<Message>{kDefaultNotFound}
            << defaults << DefaultAfter::Defaults;
        QTest::newRow("no argument, empty default file")
            << "" << true << QByteArray("") << "" << none << QList<Message>{kInvalidDefault}
            << defaults << DefaultAfter::Defaults;
        QTest::newRow("no argument, default file with a wrong-case header")
            << "" << true << wrongCase(s) << "" << none << QList<Message>{kInvalidDefault}
            << defaults << DefaultAfter::Defaults;
        QTest::newRow("no argument, default file of 48 lines")
            << "" << true << withoutLastLine(s) << "" << none << QList<Message>{kInvalidDefault}
            << defaults << DefaultAfter::Defaults;
        QTest::newRow("no argument, valid default file")
            << "" << true << s << "" << none << QList<Message>{} << configS()
            << DefaultAfter::Unchanged;
        QTest::newRow("no argument, short default file: run counts at their defaults")
            << "" << true << fileBytes(configS(), ConfigLayout::Short) << "" << none
            << QList<Message>{} << withRunCounts(configS(), 10) << DefaultAfter::Unchanged;
        QTest::newRow("no argument, a value skipped")
            << "" << true << QByteArray(s).replace("\r\n2500\r\n", "\r\nabc\r\n") << "" << none
            << QList<Message>{} << ReflexConfig([] { ReflexConfig c = configS(); c.Normal.FixedTimeInterval = 0; return c; }())
            << DefaultAfter::Unchanged;
        QTest::newRow("missing named file, valid default file (not rewritten)")
            << "lab.cfg" << true << s << "" << none << QList<Message>{namedNotFound("lab.cfg")}
            << configS() << DefaultAfter::Unchanged;
        QTest::newRow("missing named file, no default file")
            << "lab.cfg" << false << none << "" << none
            << QList<Message>{namedNotFound("lab.cfg"), kDefaultNotFound} << defaults
            << DefaultAfter::Defaults;
        QTest::newRow("missing named file, invalid default file")
            << "lab.cfg" << true << wrongCase(s) << "" << none
            << QList<Message>{namedNotFound("lab.cfg"), kInvalidDefault} << defaults
            << DefaultAfter::Defaults;
        QTest::newRow("named file with a wrong header, no default file")
            << "bad.cfg" << false << none << "bad.cfg" << wrongCase(t)
            << QList<Message>{kInvalidNamed, kDefaultNotFound} << defaults
            << DefaultAfter::Defaults;
        QTest::newRow("named file with a wrong header, valid default file")
            << "bad.cfg" << true << s << "bad.cfg" << wrongCase(t)
            << QList<Message>{kInvalidNamed} << configS() << DefaultAfter::Unchanged;
        QTest::newRow("empty named file, valid default file")
            << "bad.cfg" << true << s << "bad.cfg" << QByteArray("")
            << QList<Message>{kInvalidNamed} << configS() << DefaultAfter::Unchanged;
        QTest::newRow("named file of 48 lines, valid default file")
            << "bad.cfg" << true << s << "bad.cfg" << withoutLastLine(t)
            << QList<Message>{kInvalidNamed} << configS() << DefaultAfter::Unchanged;
        QTest::newRow("valid named file, valid default file")
            << "lab.cfg" << true << s << "lab.cfg" << t << QList<Message>{} << configT()
            << DefaultAfter::Unchanged;
        QTest::newRow("valid named file, no default file (none created)")
            << "lab.cfg" << false << none << "lab.cfg" << t << QList<Message>{} << configT()
            << DefaultAfter::Absent;
        QTest::newRow("named file with blanks in its name")
            << "my lab.cfg" << true << s << "my lab.cfg" << t << QList<Message>{} << configT()
            << DefaultAfter::Unchanged;
        QTest::newRow("short named file: run counts at their defaults")
            << "lab.cfg" << true << s << "lab.cfg" << fileBytes(configT(), ConfigLayout::Short)
            << QList<Message>{} << withRunCounts(configT(), 10) << DefaultAfter::Unchanged;
        QTest::newRow("the name is not changed in letter case")
            << "LAB.CFG" << true << s << "lab.cfg" << t << QList<Message>{namedNotFound("LAB.CFG")}
            << configS() << DefaultAfter::Unchanged;
    }

    void decisionTree()
    {
        QFETCH(QString, commandLine);
        QFETCH(bool, hasDefault);
        QFETCH(QByteArray, defaultBytes);
        QFETCH(QString, namedFile);
        QFETCH(QByteArray, namedBytes);
        QFETCH(QList<Message>, messages);
        QFETCH(ReflexConfig, config);
        QFETCH(DefaultAfter, defaultAfter);

        Harness h;
        if (hasDefault)
            writeFile(h.path("Reflex.cfg"), defaultBytes);
        if (!namedFile.isEmpty())
            writeFile(h.path(namedFile), namedBytes);

        QCOMPARE(h.run(commandLine), StartupOutcome::ShowMainMenu);
        compareMessages(h.prompt.shown, messages);
        QVERIFY(h.state.Config == config);
        QVERIFY(h.state.StartupConfig == config);
        QVERIFY(h.state.StartupDone);

        switch (defaultAfter) {
        case DefaultAfter::Absent:
            QVERIFY(!QFile::exists(h.path("Reflex.cfg")));
            break;
        case DefaultAfter::Unchanged:
            QCOMPARE(readBytes(h.path("Reflex.cfg")), defaultBytes);
            break;
        case DefaultAfter::Defaults:
            QCOMPARE(readBytes(h.path("Reflex.cfg")), kDefaultBytes);
            break;
        }
        if (!namedFile.isEmpty())
            QCOMPARE(readBytes(h.path(namedFile)), namedBytes); // never written
        QStringList expectedFiles{"Reflex.cfg"};
        if (!namedFile.isEmpty())
            expectedFiles << namedFile;
        if (defaultAfter == DefaultAfter::Absent)
            expectedFiles.removeAll("Reflex.cfg");
        expectedFiles.sort();
        QCOMPARE(QDir(h.dir.path()).entryList(QDir::Files, QDir::Name), expectedFiles);
    }

    void absoluteNamedFile()
    {
        Harness h;
        QTemporaryDir other;
        const QString name = other.filePath("lab.cfg");
        writeFile(name, fileBytes(configT()));
        QCOMPARE(h.run(name), StartupOutcome::ShowMainMenu);
        QVERIFY(h.prompt.shown.isEmpty());
        QVERIFY(h.state.Config == configT());
        QVERIFY(QDir(h.dir.path()).entryList(QDir::Files).isEmpty());
    }

    void lowerCaseDefaultFileIsAnotherFile()
    {
        Harness h;
        writeFile(h.path("reflex.cfg"), fileBytes(configS()));
        h.run();
        compareMessages(h.prompt.shown, {kDefaultNotFound});
        QVERIFY(h.state.Config == ReflexConfig{});
        QCOMPARE(readBytes(h.path("Reflex.cfg")), kDefaultBytes);
        QCOMPARE(readBytes(h.path("reflex.cfg")), fileBytes(configS()));
    }

    // Reflex.cfg is a directory: it can be neither read, deleted nor written.
    void unusableDefaultFileEndsWithTheDefaults()
    {
        Harness h;
        h.state.Config = configS();
        QVERIFY(QDir(h.dir.path()).mkdir("Reflex.cfg"));
        QCOMPARE(h.run(), StartupOutcome::ShowMainMenu);
        compareMessages(h.prompt.shown, {kInvalidDefault});
        QVERIFY(h.state.Config == ReflexConfig{});
        QVERIFY(h.state.StartupConfig == ReflexConfig{});
        QVERIFY(QFileInfo(h.path("Reflex.cfg")).isDir());
        QCOMPARE(h.view.progress, (QList<int>{10, 15, 20, 45, 60, 75, 90, 100}));
        QVERIFY(h.state.StartupDone);
    }

    void namedDirectoryIsAnInvalidFile()
    {
        Harness h;
        QVERIFY(QDir(h.dir.path()).mkdir("sub"));
        writeFile(h.path("Reflex.cfg"), fileBytes(configS()));
        h.run("sub");
        compareMessages(h.prompt.shown, {kInvalidNamed});
        QVERIFY(h.state.Config == configS());
    }

    void unreadableNamedFileUsesTheDefaultFile()
    {
        Harness h;
        writeFile(h.path("lab.cfg"), fileBytes(configT()));
        QFile::setPermissions(h.path("lab.cfg"), QFileDevice::Permissions{});
        {
            QFile probe(h.path("lab.cfg"));
            if (probe.open(QIODevice::ReadOnly))
                QSKIP("permissions do not stop this user from reading");
        }
        writeFile(h.path("Reflex.cfg"), fileBytes(configS()));
        h.run("lab.cfg");
        compareMessages(h.prompt.shown, {kInvalidNamed});
        QVERIFY(h.state.Config == configS());
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
        QTest::newRow("640 x 480") << 640 << 480 << 15.0 << false;
        QTest::newRow("800 x 600 at 120 dpi") << 800 << 600 << 12.0 << true;
        QTest::newRow("799 x 600 at 120 dpi") << 799 << 600 << 12.0 << false;
        QTest::newRow("800 x 599 at 144 dpi") << 800 << 599 << 10.0 << false;
        QTest::newRow("1920 x 1080 at 192 dpi") << 1920 << 1080 << 7.5 << true;
    }

    void screenCheck()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(double, twipsPerPixel);
        QFETCH(bool, passes);
        Harness h({width, height, twipsPerPixel, twipsPerPixel});
        const StartupOutcome outcome = h.run("lab.cfg");
        if (passes) {
            QCOMPARE(outcome, StartupOutcome::ShowMainMenu);
            QVERIFY(!h.prompt.titles().contains("Fatal Application Error"));
            return;
        }
        QCOMPARE(outcome, StartupOutcome::Terminate);
        compareMessages(h.prompt.shown, {kFatal});
        QVERIFY(h.log.isEmpty()); // no progress, no status, no loader
        QVERIFY(h.pointer.busyChanges.isEmpty());
        QVERIFY(QDir(h.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
        QVERIFY(h.state.Config == ReflexConfig::zeroed());
        QVERIFY(!h.state.StartupDone);
    }

    void progressStatusAndLoadersInOrder_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QStringList>("fileSteps"); // between progress 10 and 15
        QTest::newRow("default file") << "" << QStringList{"status '" + kLoadingDefault + "'"};
        QTest::newRow("named file") << "lab.cfg" << QStringList{"status '" + kLoadingUser + "'"};
        QTest::newRow("missing named file")
            << "missing.cfg"
            << QStringList{"status '" + kLoadingUser + "'", "status '" + kLoadingDefault + "'"};
        QTest::newRow("no file at all")
            << "missing.cfg"
            << QStringList{"status '" + kLoadingUser + "'", "status '" + kLoadingDefault + "'",
                           "status '" + kLoadingDefault + "'"};
    }

    void progressStatusAndLoadersInOrder()
    {
        QFETCH(QString, commandLine);
        QFETCH(QStringList, fileSteps);
        Harness h;
        writeFile(h.path("lab.cfg"), fileBytes(configT()));
        if (QString(QTest::currentDataTag()) != "no file at all")
            writeFile(h.path("Reflex.cfg"), fileBytes(configS()));

        QCOMPARE(h.run(commandLine), StartupOutcome::ShowMainMenu);

        const QStringList expected = QStringList{"progress 10"} + fileSteps + QStringList{
            "progress 15",
            "progress 20",
            "load settings",
            "progress 45",
            "status 'Initializing application ...'",
            "load simple",
            "progress 60",
            "load color",
            "progress 75",
            "status 'Initializing application ... Almost Done'",
            "progress 90",
            "load number",
            "progress 100",
            "status ' '",
        };
        QCOMPARE(h.log, expected);
        QCOMPARE(h.view.progress, (QList<int>{10, 15, 20, 45, 60, 75, 90, 100}));
        QCOMPARE(h.view.statuses.last(), QStringLiteral(" "));
        QCOMPARE(h.busyDuringLoaders, (QList<bool>{true, true, true, true}));
        QCOMPARE(h.pointer.busyChanges, (QList<bool>{true, true, true, true, false}));
        QVERIFY(!h.pointer.busy);
    }

    void loadersMayBeMissing()
    {
        Harness h;
        writeFile(h.path("Reflex.cfg"), fileBytes(configS()));
        QCOMPARE(h.sequence.loadConfiguration(QString(), StartupLoaders{}),
                 StartupOutcome::ShowMainMenu);
        QCOMPARE(h.view.progress, (QList<int>{10, 15, 20, 45, 60, 75, 90, 100}));
    }

    void storesZeroedAndConstantsSet()
    {
        Harness h;
        writeFile(h.path("Reflex.cfg"), fileBytes(configS()));
        for (SetData* store : {static_cast<SetData*>(&h.state.Simple),
                               static_cast<SetData*>(&h.state.Color),
                               static_cast<SetData*>(&h.state.Number)}) {
            for (auto& set : store->Times)
                set.fill(1.5f);
            store->SetAverage.fill(1.5f);
            store->SetFastest.fill(1.5f);
            store->SetSlowest.fill(1.5f);
        }
        h.state.MaxRandomInterval = 1;
        h.state.TimeScale = 2.0f;
        h.state.SetCount = 3;
        h.state.ColorPalette.fill(-1);

        h.run();

        for (const SetData* store : {static_cast<const SetData*>(&h.state.Simple),
                                     static_cast<const SetData*>(&h.state.Color),
                                     static_cast<const SetData*>(&h.state.Number)}) {
            for (int set = 1; set <= 10; ++set) {
                for (int run = 1; run <= 10; ++run)
                    QCOMPARE(store->Times[set][run], 0.0f);
                QCOMPARE(store->SetAverage[set], 0.0f);
                QCOMPARE(store->SetFastest[set], 0.0f);
                QCOMPARE(store->SetSlowest[set], 0.0f);
            }
        }
        QCOMPARE(h.state.MaxRandomInterval, qint16(3000));
        QCOMPARE(h.state.TimeScale, 1000.0f);
        QCOMPARE(h.state.SetCount, qint16(10));
        for (int i = 0; i < 16; ++i)
            QCOMPARE(h.state.ColorPalette[i], qint16(i));
    }

    void secondLoadReturnsAtOnce()
    {
        Harness h;
        writeFile(h.path("Reflex.cfg"), fileBytes(configS()));
        QCOMPARE(h.run(), StartupOutcome::ShowMainMenu);
        QVERIFY(h.state.StartupDone);
        QVERIFY(h.state.StartupConfig == configS());

        h.log.clear();
        h.state.Config = configT(); // as the settings dialog may have left it
        h.state.Simple.Times[1][1] = 0.25f;
        writeFile(h.path("Reflex.cfg"), "garbage");
        QCOMPARE(h.run("lab.cfg"), StartupOutcome::ShowMainMenu);
        QVERIFY(h.log.isEmpty());
        QVERIFY(h.prompt.shown.isEmpty());
        QVERIFY(h.state.Config == configT());
        QVERIFY(h.state.StartupConfig == configS());
        QCOMPARE(h.state.Simple.Times[1][1], 0.25f);
        QCOMPARE(readBytes(h.path("Reflex.cfg")), QByteArray("garbage"));
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
