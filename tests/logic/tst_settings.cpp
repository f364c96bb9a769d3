#include "config/ConfigFile.h"
#include "config/MasterVolume.h"
#include "config/SettingsEditor.h"
#include "fakes/Fakes.h"
#include "shared/Palette.h"

#include <QTemporaryDir>
#include <QTest>

using namespace reflex;
using namespace reflex::fakes;
using F = SettingsField;
using O = SettingsOption;

struct FieldCase { SettingsField field; QString typed, shown; bool accepted; };
struct SoundCase { SettingsOption group; int index, before, after; };
struct VolumeCase { int percent, min, max; QList<long> written; }; // min > max: no device
Q_DECLARE_METATYPE(FieldCase)
Q_DECLARE_METATYPE(SoundCase)
Q_DECLARE_METATYPE(VolumeCase)

namespace {

// The dialog as an opener leaves it: Config holds the defaults (four elements, trigger 3),
// the start-up copy has its own run count, and the load handler has run.
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

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    // A refused entry beeps and shows the value before it; edits stay in EditConfig.
    void fieldChecks_data()
    {
        QTest::addColumn<FieldCase>("c");
        QTest::newRow("time text") << FieldCase{F::NumberFixedTimeInterval, "12a", "2000", false};
        QTest::newRow("half down to even") << FieldCase{F::NormalFixedTimeInterval, "1500.5", "1500", true};
        QTest::newRow("half up to even") << FieldCase{F::NumberDisplayTime, " 1501.5 ", "1502", true};
        QTest::newRow("fraction to 0") << FieldCase{F::ColorDisplayTime, ".4", "1000", false};
        QTest::newRow("beyond 16 bits") << FieldCase{F::NormalFixedTimeInterval, "32768", "2000", false};
        QTest::newRow("minimum 3000") << FieldCase{F::NormalMinimumTimeInterval, "3000", "3000", true};
        QTest::newRow("minimum 3001") << FieldCase{F::ColorMinimumTimeInterval, "3001", "1000", false};
        QTest::newRow("runs 20") << FieldCase{F::NormRunCount, "20", "20", true};
        QTest::newRow("runs 21") << FieldCase{F::ColorRunCount, "21", "10", false};
        QTest::newRow("11 elements") << FieldCase{F::ColorElementCount, "11", "4", false};
        QTest::newRow("fewer than trigger") << FieldCase{F::ColorElementCount, "2", "4", false};
        QTest::newRow("down to trigger") << FieldCase{F::NumberElementCount, "3", "3", true};
        QTest::newRow("trigger above count") << FieldCase{F::ColorTriggerElement, "5", "3", false};
        QTest::newRow("duplicate number") << FieldCase{elementBox(1), "3", "1", false};
        QTest::newRow("number 100") << FieldCase{elementBox(2), "100", "2", false};
        QTest::newRow("own number 0") << FieldCase{elementBox(0), "0", "0", true};
        QTest::newRow("element not in use") << FieldCase{elementBox(5), "50", " ", false};
        QTest::newRow("edited element") << FieldCase{F::NumberSetElementNumberBox, "42", "42", true};
    }
    void fieldChecks()
    {
        QFETCH(FieldCase, c);
        Dialog d;
        QCOMPARE(d.editor.leave(c.field, c.typed), c.accepted);
        QCOMPARE(d.fakes.beeper.beeps, c.accepted ? 0 : 1);
        QCOMPARE(d.editor.text(c.field), c.shown);
        QCOMPARE(d.state.Config, ReflexConfig{});
    }

    // Cancel in the colour dialog changes nothing; a swatch not in use only beeps; the stimulus
    // colour takes effect at once and outlives Cancel. The trigger's and the edited element's
    // boxes follow the element boxes; a refused element moves the colour editor back to the saved
    // one; a trigger from a file beyond the elements reads past no array; the interval option
    // enables its own page's fields.
    void coloursElementsAndOptions()
    {
        Dialog d;
        d.colourAnswers = {12, -1, 5, 9};
        d.editor.leave(F::ColorCurrentElement, "2");
        d.editor.pickElementColour();
        QCOMPARE(d.editor.swatch(1), paletteColour(12));
        d.editor.clickSwatch(0);
        QVERIFY(d.editor.swatch(0) == paletteColour(0) && d.editor.text(F::ColorCurrentElement) == "1");
        d.editor.clickTriggerColourBox();
        QCOMPARE(d.editor.triggerColourBox(), paletteColour(5));
        d.editor.clickSwatch(6);
        QVERIFY(d.colourDialogs == 3 && d.fakes.beeper.beeps == 1);
        d.editor.pickTriggerColour();
        d.editor.cancel();
        QVERIFY(d.state.NormalTriggerColor == paletteColour(9) && d.state.Config.Color.Element[1] == 1);

        QVERIFY(d.editor.swatch(4) == kUnusedSwatch && !d.editor.enabled(elementBox(4)));
        d.editor.leave(F::ColorElementCount, "10");
        QCOMPARE(d.editor.swatch(7), paletteColour(15));
        d.editor.leave(elementBox(2), "77");
        d.editor.leave(F::NumberCurrentElement, "3");
        QCOMPARE(d.editor.text(F::NumberTriggerNumberBox) + d.editor.text(F::NumberSetElementNumberBox), "7777");
        d.state.ColorEditElement = 2;
        d.editor.leave(F::ColorCurrentElement, "11");
        QCOMPARE(d.state.ColorEditElement, 0);

        d.editor.chooseOption(O::NormalIntervalTiming, 1);
        QVERIFY(d.editor.enabled(F::NormalFixedTimeInterval) && !d.editor.enabled(F::NormalMinimumTimeInterval));
        QVERIFY(d.editor.enabled(F::ColorMinimumTimeInterval));
        d.state.Config.Number.TriggerElement = d.state.Config.Number.CurrentElement = 40;
        std::tie(d.state.Config.Color.MakeSound, d.state.Config.Color.TriggerOn) = std::pair(1, 0);
        d.editor.load(); // a file may break the sound rule; the dialog mends it
        QVERIFY(d.editor.text(F::NumberTriggerNumberBox).isEmpty() && !d.editor.enabled(F::NumberSetElementNumberBox));
        QCOMPARE(d.editor.option(O::ColorMakeSound), 0);
        QVERIFY(!d.editor.enabled(F::NormalFixedTimeInterval));
    }

    // Choosing option `index` of `group`; before and after as TriggerOn * 10 + MakeSound.
    void soundOptions_data()
    {
        QTest::addColumn<SoundCase>("c");
        QTest::newRow("with audio forces sound") << SoundCase{O::ColorTriggerOn, 0, 11, 0};
        QTest::newRow("silent trigger keeps sound") << SoundCase{O::NumberTriggerOn, 1, 0, 10};
        QTest::newRow("no sound silences trigger") << SoundCase{O::NumberMakeSound, 1, 0, 11};
        QTest::newRow("sound on keeps trigger") << SoundCase{O::ColorMakeSound, 0, 11, 10};
    }
    void soundOptions()
    {
        QFETCH(SoundCase, c);
        const auto [group, index, before, after] = c;
        Dialog d;
        const bool color = group == O::ColorTriggerOn || group == O::ColorMakeSound;
        ChoiceConfigBlock& b = color ? d.state.EditConfig.Color : d.state.EditConfig.Number;
        std::tie(b.TriggerOn, b.MakeSound) = std::pair(qint16(before / 10), qint16(before % 10));
        d.editor.chooseOption(group, index);
        QCOMPARE(b.TriggerOn * 10 + b.MakeSound, after);
        QCOMPARE(d.editor.optionEnabled(color ? O::ColorMakeSound : O::NumberMakeSound, 1), after >= 10);
        QCOMPARE(d.editor.optionEnabled(color ? O::ColorTriggerOn : O::NumberTriggerOn, 0), after % 10 != 1);
    }

    // (Cancel drops edits: tst_cfg.) Save writes the short layout with Config's run counts (a failure
    // says so); a file that is not whole and valid loads nothing, not even in part; a Load after OK
    // keeps the run counts OK set; Reset goes back to the start-up values, and a Cancel after it does
    // not undo it.
    void commands()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("mine.cfg"), refused = dir.filePath("x.cfg");
        Dialog d;
        d.fakes.files.answers = {std::nullopt, "/nonexistent-folder/x.cfg", path, refused, refused, refused, path};
        d.editor.save();
        d.editor.save();
        QCOMPARE(d.fakes.prompt.titles(), QStringList{"Save Cancelled"});
        d.editor.leave(F::ColorDisplayTime, "700");
        d.editor.leave(F::ColorRunCount, "5");
        d.editor.save();
        const QByteArray saved = readFile(path);
        QCOMPARE(saved.count("\r\n"), kShortLayoutLines);
        ReflexConfig expected = d.state.Config;
        QVERIFY(expected.Color.DisplayTime == 700 && expected.Color.RunCount == 10);

        d.editor.leave(F::ColorDisplayTime, "900");
        d.editor.leave(F::NormRunCount, "3");
        d.editor.ok();
        const ReflexConfig okConfig = d.state.Config;
        d.editor.leave(F::ColorDisplayTime, "800");
        const ReflexConfig edited = d.state.EditConfig;
        QList<QByteArray> lastBad = saved.split('\n'); // the values before it hold the display time 700
        lastBad[kShortLayoutLines - 1] = "abc\r";
        for (const QByteArray& contents : {QByteArray(), saved.split('\n').mid(0, 40).join('\n'), lastBad.join('\n')}) {
            if (!contents.isEmpty()) // empty: no such file
                writeFile(refused, contents);
            d.editor.loadFile();
            QVERIFY(d.state.Config == okConfig && d.state.EditConfig == edited);
        }
        d.editor.loadFile();
        std::tie(expected.Normal.RunCount, expected.Color.RunCount) = std::pair(3, 5);
        QVERIFY(d.state.Config == expected && d.state.EditConfig == expected);
        QCOMPARE(d.fakes.prompt.titles(), (QStringList{"Save Cancelled", "Load Cancelled",
                                                       "Configuration File Load Error", "Load Cancelled"}));
        d.editor.reset();
        QCOMPARE(d.editor.text(F::NormRunCount), "7");
        d.editor.cancel();
        QCOMPARE(d.state.Config, d.state.StartupConfig);
    }

    // Through the call and the slider alike; every path lets go of the device, and the slider
    // shows the value whatever the device says.
    void masterVolume_data()
    {
        QTest::addColumn<VolumeCase>("c");
        QTest::newRow("100, range not from 0") << VolumeCase{100, -10, 90, {90}};
        QTest::newRow("0, range not from 0") << VolumeCase{0, -10, 90, {-10}};
        QTest::newRow("50 half to even") << VolumeCase{50, 0, 65535, {32768}};
        QTest::newRow("101") << VolumeCase{101, 0, 65535, {}};
        QTest::newRow("no device") << VolumeCase{40, 1, 0, {}};
    }
    void masterVolume()
    {
        QFETCH(VolumeCase, c);
        const auto [percent, min, max, written] = c;
        Dialog d;
        d.mixer.range = min > max ? std::nullopt : std::optional(VolumeRange{min, max});
        QCOMPARE(SetMasterVolume(d.mixer, percent), !written.isEmpty());
        const bool inRange = percent <= 100;
        if (inRange)
            d.editor.volumeMoved(percent);
        QCOMPARE(d.mixer.values, written + written);
        QVERIFY(d.mixer.opens == int(inRange) * 2 && d.mixer.closes == d.mixer.opens);
        QCOMPARE(d.editor.volume(), inRange ? percent : 75);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
