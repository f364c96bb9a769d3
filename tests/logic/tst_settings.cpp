#include "config/ConfigFile.h"
#include "config/MasterVolume.h"
#include "config/SettingsEditor.h"
#include "fakes/Fakes.h"
#include "shared/Palette.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace reflex;
using namespace reflex::fakes;
using F = SettingsField;
using O = SettingsOption;

Q_DECLARE_METATYPE(reflex::SettingsField)
Q_DECLARE_METATYPE(reflex::SettingsOption)

namespace {

// The dialog as an opener leaves it: Config holds the defaults (four elements, trigger 3),
// the start-up copy has its own run counts, and the load handler has run.
struct Dialog {
    FakePlatform fakes;
    FakeMixer mixer;
    AppState state;
    SettingsEditor editor{state, fakes.platform, mixer};
    QList<int> colourAnswers; // what the colour dialog answers, in order
    int colourDialogs = 0;

    Dialog()
    {
        state.Config = ReflexConfig{};
        state.StartupConfig = state.Config;
        state.StartupConfig.Normal.RunCount = 7;
        editor.chooseColour = [this](QRgb, int) {
            ++colourDialogs;
            return colourAnswers.isEmpty() ? -1 : colourAnswers.takeFirst();
        };
        editor.load();
    }
};

QStringList fileLines(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QString::fromLatin1(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void fieldChecks_data()
    {
        QTest::addColumn<F>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("shown"); // the field's text afterwards

        QTest::newRow("time 0") << F::NormalFixedTimeInterval << "0" << false << "2000";
        QTest::newRow("time -5") << F::ColorDisplayTime << "-5" << false << "1000";
        QTest::newRow("time text") << F::NumberFixedTimeInterval << "12a" << false << "2000";
        QTest::newRow("half down to even") << F::NormalFixedTimeInterval << "1500.5" << true << "1500";
        QTest::newRow("half up to even") << F::NumberDisplayTime << " 1501.5 " << true << "1502";
        QTest::newRow("exponent") << F::ColorFixedTimeInterval << "2.5e2" << true << "250";
        QTest::newRow("fraction to 0") << F::ColorDisplayTime << ".4" << false << "1000";
        QTest::newRow("16-bit top") << F::NumberDisplayTime << "32767" << true << "32767";
        QTest::newRow("beyond 16 bits") << F::NormalFixedTimeInterval << "32768" << false << "2000";
        QTest::newRow("minimum at 3000") << F::NormalMinimumTimeInterval << "3000" << true << "3000";
        QTest::newRow("minimum above 3000") << F::ColorMinimumTimeInterval << "3001" << false << "1000";
        QTest::newRow("runs 20") << F::NormRunCount << "20" << true << "20";
        QTest::newRow("runs 21") << F::ColorRunCount << "21" << false << "10";
        QTest::newRow("runs 0") << F::NumberRunCount << "0" << false << "10";
        QTest::newRow("11 elements") << F::ColorElementCount << "11" << false << "4";
        QTest::newRow("10 elements") << F::NumberElementCount << "10" << true << "10";
        QTest::newRow("fewer than trigger") << F::ColorElementCount << "2" << false << "4";
        QTest::newRow("down to trigger") << F::NumberElementCount << "3" << true << "3";
        QTest::newRow("trigger above count") << F::ColorTriggerElement << "5" << false << "3";
        QTest::newRow("trigger last") << F::NumberTriggerElement << "4" << true << "4";
        QTest::newRow("trigger 0") << F::NumberTriggerElement << "0" << false << "3";
        QTest::newRow("element above count") << F::ColorCurrentElement << "5" << false << "1";
        QTest::newRow("element last") << F::NumberCurrentElement << "4" << true << "4";
        QTest::newRow("duplicate number") << elementBox(1) << "3" << false << "1";
        QTest::newRow("own number") << elementBox(3) << "3" << true << "3";
        QTest::newRow("unused element's number") << elementBox(0) << "7" << true << "7";
        QTest::newRow("number 100") << elementBox(2) << "100" << false << "2";
        QTest::newRow("number 99") << elementBox(2) << "99" << true << "99";
        QTest::newRow("number 0 again") << elementBox(0) << "0" << true << "0";
        QTest::newRow("element not in use") << elementBox(5) << "50" << false << " ";
        QTest::newRow("edited element") << F::NumberSetElementNumberBox << "42" << true << "42";
        QTest::newRow("edited element dup") << F::NumberSetElementNumberBox << "2" << false << "0";
    }
    void fieldChecks()
    {
        QFETCH(F, field);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(QString, shown);
        Dialog d;
        QCOMPARE(d.editor.leave(field, typed), accepted);
        QCOMPARE(d.fakes.beeper.beeps, accepted ? 0 : 1);
        QCOMPARE(d.editor.text(field), shown);
        QCOMPARE(d.state.Config, ReflexConfig{}); // edits stay in EditConfig
    }

    void elementEditors()
    {
        Dialog d;
        QCOMPARE(d.editor.swatch(3), paletteColour(3));
        QCOMPARE(d.editor.swatch(4), kUnusedSwatch);
        QCOMPARE(d.editor.text(elementBox(4)), " ");
        QVERIFY(!d.editor.enabled(elementBox(4)));
        d.editor.leave(F::ColorElementCount, "10");
        QCOMPARE(d.editor.swatch(7), paletteColour(15));
        QCOMPARE(d.editor.swatch(9), paletteColour(9));

        // The trigger's number box and the edited element's box follow the element boxes.
        d.editor.leave(elementBox(2), "77");
        QCOMPARE(d.editor.text(F::NumberTriggerNumberBox), "77");
        d.editor.leave(F::NumberCurrentElement, "3");
        QCOMPARE(d.editor.text(F::NumberSetElementNumberBox), "77");
        // A refused element still moves the colour editor to the saved element.
        d.state.ColorEditElement = 2;
        d.editor.leave(F::ColorCurrentElement, "11");
        QCOMPARE(d.state.ColorEditElement, 0);
        // A file's trigger far beyond the elements does not reach past the array.
        d.state.Config.Number.TriggerElement = d.state.Config.Number.CurrentElement = 40;
        d.editor.load();
        QCOMPARE(d.editor.text(F::NumberTriggerNumberBox), QString());
        QVERIFY(!d.editor.enabled(F::NumberSetElementNumberBox));
    }

    void soundOptions_data()
    {
        QTest::addColumn<O>("group");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("triggerOn"); // before
        QTest::addColumn<int>("makeSound");
        QTest::addColumn<int>("triggerOnAfter");
        QTest::addColumn<int>("makeSoundAfter");
        QTest::newRow("with audio forces sound") << O::ColorTriggerOn << 0 << 1 << 1 << 0 << 0;
        QTest::newRow("silent trigger keeps sound") << O::NumberTriggerOn << 1 << 0 << 0 << 1 << 0;
        QTest::newRow("no sound silences trigger") << O::NumberMakeSound << 1 << 0 << 0 << 1 << 1;
        QTest::newRow("sound on keeps trigger") << O::ColorMakeSound << 0 << 1 << 1 << 1 << 0;
    }
    void soundOptions()
    {
        QFETCH(O, group);
        QFETCH(int, index);
        QFETCH(int, triggerOn);
        QFETCH(int, makeSound);
        QFETCH(int, triggerOnAfter);
        QFETCH(int, makeSoundAfter);
        Dialog d;
        const bool color = group == O::ColorTriggerOn || group == O::ColorMakeSound;
        ChoiceConfigBlock& b = color ? d.state.EditConfig.Color : d.state.EditConfig.Number;
        b.TriggerOn = qint16(triggerOn);
        b.MakeSound = qint16(makeSound);
        d.editor.chooseOption(group, index);
        QCOMPARE(int(b.TriggerOn), triggerOnAfter);
        QCOMPARE(int(b.MakeSound), makeSoundAfter);
        const O triggerGroup = color ? O::ColorTriggerOn : O::NumberTriggerOn;
        const O soundGroup = color ? O::ColorMakeSound : O::NumberMakeSound;
        QCOMPARE(d.editor.option(triggerGroup), triggerOnAfter);
        QCOMPARE(d.editor.optionEnabled(soundGroup, 1), triggerOnAfter != 0);
        QCOMPARE(d.editor.optionEnabled(triggerGroup, 0), makeSoundAfter != 1);
    }

    void loadAndIntervalOptions()
    {
        Dialog d;
        d.state.Config.Color.MakeSound = 1;
        d.state.Config.Color.TriggerOn = 0; // breaks the rule, as a file may
        d.editor.load();
        QCOMPARE(d.editor.option(O::ColorMakeSound), 0);
        QVERIFY(d.editor.enabled(F::NormalMinimumTimeInterval));
        QVERIFY(!d.editor.enabled(F::NormalFixedTimeInterval));
        d.editor.chooseOption(O::NormalIntervalTiming, 1);
        QVERIFY(d.editor.enabled(F::NormalFixedTimeInterval));
        QVERIFY(!d.editor.enabled(F::NormalMinimumTimeInterval));
        QVERIFY(d.editor.enabled(F::ColorMinimumTimeInterval)); // other pages keep theirs
    }

    void colourPicking()
    {
        Dialog d;
        d.colourAnswers = {12, -1, 5, 9};
        d.editor.leave(F::ColorCurrentElement, "2");
        d.editor.pickElementColour();
        QCOMPARE(d.editor.swatch(1), paletteColour(12));
        d.editor.clickSwatch(0); // cancelled
        QCOMPARE(d.editor.swatch(0), paletteColour(0));
        QCOMPARE(d.editor.text(F::ColorCurrentElement), "1");
        d.editor.clickTriggerColourBox();
        QCOMPARE(d.editor.triggerColourBox(), paletteColour(5));
        d.editor.clickSwatch(6); // not in use: only a beep
        QCOMPARE(d.colourDialogs, 3);
        QCOMPARE(d.fakes.beeper.beeps, 1);

        // The stimulus colour takes effect at once and outlives Cancel.
        d.editor.pickTriggerColour();
        d.editor.cancel();
        QCOMPARE(d.state.NormalTriggerColor, paletteColour(9));
        QCOMPARE(d.state.Config.Color.Element[1], 1);
    }

    void okCancelReset()
    {
        Dialog d;
        d.editor.leave(F::NormalFixedTimeInterval, "2500");
        d.editor.leave(F::NumberRunCount, "15");
        d.editor.cancel();
        QCOMPARE(d.state.Config, ReflexConfig{});
        d.editor.load();
        QCOMPARE(d.editor.text(F::NormalFixedTimeInterval), "2000");
        QCOMPARE(d.editor.text(F::NumberRunCount), "10");

        d.editor.leave(F::NormalFixedTimeInterval, "2500");
        d.editor.leave(F::NumberRunCount, "15");
        d.editor.ok();
        QCOMPARE(d.state.Config.Normal.FixedTimeInterval, 2500);
        QCOMPARE(d.state.Config.Number.RunCount, 15);

        // Reset brings back the start-up values, run counts included, and outlives Cancel.
        d.editor.load();
        d.editor.reset();
        QCOMPARE(d.editor.text(F::NormRunCount), "7");
        d.editor.cancel();
        QCOMPARE(d.state.Config, d.state.StartupConfig);
    }

    void saveAndLoad()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("mine.cfg");
        Dialog d;
        d.fakes.files.answers = {std::nullopt, path}; // the first Save is cancelled
        d.editor.save();
        QVERIFY(!QFile::exists(path));
        d.editor.leave(F::ColorDisplayTime, "700");
        d.editor.leave(elementBox(1), "55");
        d.editor.leave(F::ColorRunCount, "5"); // not saved: run counts reach Config by OK only
        d.editor.save();
        QCOMPARE(fileLines(path).size(), kShortLayoutLines);
        const ReflexConfig saved = d.state.Config;
        QCOMPARE(saved.Color.DisplayTime, 700);
        QCOMPARE(saved.Color.RunCount, 10);

        // Loaded after other edits and a run count changed by OK: the file's values, the
        // run counts as they were.
        d.editor.load();
        d.editor.leave(F::ColorDisplayTime, "900");
        d.editor.leave(F::NormRunCount, "3");
        d.editor.ok();
        d.fakes.files.answers = {path};
        d.editor.loadFile();
        ReflexConfig expected = saved;
        expected.Normal.RunCount = 3;
        QCOMPARE(d.state.Config, expected);
        QCOMPARE(d.state.EditConfig, expected);

        // Reset after a Load: the start-up values, run counts included.
        d.editor.reset();
        QCOMPARE(d.state.Config, d.state.StartupConfig);
    }

    void refusedFiles_data()
    {
        QTest::addColumn<QByteArray>("contents"); // empty: no such file
        QTest::addColumn<QString>("title");
        QBuffer b;
        b.open(QIODevice::WriteOnly);
        ReflexConfig c;
        c.Color.DisplayTime = 333;
        writeConfig(b, c, ConfigLayout::Full);
        const QList<QByteArray> lines = b.data().split('\n');
        QTest::newRow("missing") << QByteArray() << "Load Cancelled";
        QTest::newRow("wrong header") << QByteArray(b.data()).replace("TOVANEL", "tovanel")
                                      << "Configuration File Load Error";
        QTest::newRow("40 lines") << lines.mid(0, 40).join('\n') << "Configuration File Load Error";
        QTest::newRow("bad value") << QByteArray(b.data()).replace("\r\n333\r\n", "\r\nabc\r\n")
                                   << "Load Cancelled";
    }
    void refusedFiles()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, title);
        QTemporaryDir dir;
        const QString path = dir.filePath("x.cfg");
        if (!contents.isEmpty()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(contents);
        }
        Dialog d;
        d.editor.leave(F::ColorDisplayTime, "800");
        const AppState before = d.state;
        d.fakes.files.answers = {path};
        d.editor.loadFile();
        QCOMPARE(d.fakes.prompt.titles(), QStringList{title});
        QCOMPARE(d.state.Config, before.Config);
        QCOMPARE(d.state.EditConfig, before.EditConfig);
    }

    void fullLayoutLoadsWithoutRunCounts()
    {
        QTemporaryDir dir;
        QFile f(dir.filePath("full.cfg"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        ReflexConfig c;
        c.Color.RunCount = 20;
        c.Number.FixedTimeInterval = 1234;
        writeConfig(f, c, ConfigLayout::Full);
        f.close();
        Dialog d;
        d.fakes.files.answers = {f.fileName()};
        d.editor.loadFile();
        QVERIFY(d.fakes.prompt.shown.isEmpty());
        c.Color.RunCount = 10;
        QCOMPARE(d.state.Config, c);
    }

    void saveFailure()
    {
        Dialog d;
        d.fakes.files.answers = {QStringLiteral("/nonexistent-folder/x.cfg")};
        d.editor.save();
        QCOMPARE(d.fakes.prompt.titles(), QStringList{"Save Cancelled"});
    }

    void masterVolume_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<bool>("device");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QList<long>>("written");
        QTest::newRow("100") << 100 << true << true << QList<long>{65535};
        QTest::newRow("0") << 0 << true << true << QList<long>{0};
        QTest::newRow("50 half to even") << 50 << true << true << QList<long>{32768};
        QTest::newRow("101") << 101 << true << false << QList<long>{};
        QTest::newRow("-1") << -1 << true << false << QList<long>{};
        QTest::newRow("no device") << 40 << false << false << QList<long>{};
    }
    void masterVolume()
    {
        QFETCH(int, percent);
        QFETCH(bool, device);
        QFETCH(bool, ok);
        QFETCH(QList<long>, written);
        FakeMixer mixer;
        if (!device)
            mixer.range.reset();
        QCOMPARE(SetMasterVolume(mixer, percent), ok);
        QCOMPARE(mixer.values, written);
        QCOMPARE(mixer.closes, mixer.opens); // every path lets go of the device
        QCOMPARE(mixer.opens, percent >= 0 && percent <= 100 ? 1 : 0);
    }

    void volumeSliderWithoutDevice()
    {
        Dialog d;
        d.mixer.range = VolumeRange{-10, 90};
        d.editor.volumeMoved(25);
        QCOMPARE(d.mixer.values, QList<long>{15});
        d.mixer.range.reset();
        d.editor.volumeMoved(60);
        QCOMPARE(d.editor.volume(), 60);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
