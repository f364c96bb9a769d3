#include "config/ConfigFile.h"
#include "config/MasterVolume.h"
#include "config/SettingsEditor.h"
#include "fakes/Fakes.h"
#include "shared/Palette.h"

#include <QTemporaryDir>

using namespace brevane;
using namespace brevane::fakes;
using F = SettingsField;
using O = SettingsOption;

struct FieldCase {
    const char* name;
    SettingsField field;
    QString typed, shown;
    bool accepted;
};
struct SoundCase {
    const char* name;
    SettingsOption group;
    int index, before, after;
};
struct VolumeCase {
    const char* name;
    int percent, min, max;
    QList<long> written;
}; // min > max: no device

namespace {

// The dialog as an opener leaves it: Config holds the defaults (four elements, trigger 3),
// the start-up copy has its own run count, and the load handler has run.
struct Dialog {
    FakePlatform fakes;
    FakeMixer mixer;
    AppState state;
    SettingsEditor editor{state, fakes.platform, mixer};
    QList<int> colourAnswers; // what the colour dialog answers, in order; a dialog too many is cancelled

    Dialog()
    {
        state.StartupConfig = state.Config = ReflexConfig{};
        state.StartupConfig.Normal.RunCount = 7;
        editor.chooseColour = [this](QRgb, int) { return colourAnswers.isEmpty() ? -1 : colourAnswers.takeFirst(); };
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
        addRows<FieldCase>({{"time text", F::NumberFixedTimeInterval, "12a", "2000", false},
                            {"half down to even", F::NormalFixedTimeInterval, "1500.5", "1500", true},
                            {"half up to even", F::NumberDisplayTime, " 1501.5 ", "1502", true},
                            {"fraction to 0", F::ColorDisplayTime, ".4", "1000", false},
                            {"beyond 16 bits", F::NormalFixedTimeInterval, "32768", "2000", false},
                            {"minimum 3000", F::NormalMinimumTimeInterval, "3000", "3000", true},
                            {"minimum 3001", F::ColorMinimumTimeInterval, "3001", "1000", false},
                            {"runs 20", F::NormRunCount, "20", "20", true},
                            {"runs 21", F::ColorRunCount, "21", "10", false},
                            {"11 elements", F::ColorElementCount, "11", "4", false},
                            {"fewer than trigger", F::ColorElementCount, "2", "4", false},
                            {"down to trigger", F::NumberElementCount, "3", "3", true},
                            {"trigger above count", F::ColorTriggerElement, "5", "3", false},
                            {"duplicate number", elementBox(1), "3", "1", false},
                            {"number 100", elementBox(2), "100", "2", false},
                            {"own number 0", elementBox(0), "0", "0", true},
                            {"element not in use", elementBox(5), "50", " ", false},
                            {"edited element", F::NumberSetElementNumberBox, "42", "42", true}});
    }
    void fieldChecks()
    {
        QFETCH(FieldCase, row);
        Dialog d;
        QCOMPARE(d.editor.leave(row.field, row.typed), row.accepted);
        QCOMPARE(d.fakes.beeper.beeps, row.accepted ? 0 : 1);
        QCOMPARE(d.editor.text(row.field), row.shown);
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
        d.colourAnswers = {12, -1, 5, 15, 9};
        d.editor.leave(F::ColorCurrentElement, "2");
        d.editor.pickElementColour();
        QCOMPARE(d.editor.swatch(1), paletteColour(12));
        d.editor.clickSwatch(0);
        QVERIFY(d.editor.swatch(0) == paletteColour(0) && d.editor.text(F::ColorCurrentElement) == "1");
        d.editor.clickTriggerColourBox();
        QCOMPARE(d.editor.triggerColourBox(), paletteColour(5));
        d.editor.clickSwatch(6);
        QCOMPARE(d.fakes.beeper.beeps, 1); // and no dialog: the trigger colour below takes the last answers
        d.editor.pickTriggerColour();      // white, the panel at rest: the stimulus would be invisible
        QVERIFY(d.state.NormalTriggerColor == AppState{}.NormalTriggerColor && d.fakes.beeper.beeps == 2);
        QCOMPARE(d.fakes.prompt.titles(), QStringList{"Trigger Colour"});
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
        QVERIFY(d.editor.option(O::ColorMakeSound) == 0 && !d.editor.enabled(F::NormalFixedTimeInterval));
    }

    // A raised count brings in no number already in use: the element that would repeat the
    // trigger's 7 takes the lowest free number, the others keep theirs.
    void raisedNumberCountBringsInNoDuplicate()
    {
        Dialog d;
        QVERIFY(d.editor.leave(elementBox(2), "7") && d.editor.leave(F::NumberElementCount, "8"));
        QStringList numbers;
        for (int i = 0; i < 8; ++i)
            numbers << d.editor.text(elementBox(i));
        QCOMPARE(numbers, (QStringList{"0", "1", "7", "3", "4", "5", "6", "2"}));
    }

    // Choosing option `index` of `group`; before and after as TriggerOn * 10 + MakeSound.
    void soundOptions_data()
    {
        addRows<SoundCase>({{"with audio forces sound", O::ColorTriggerOn, 0, 11, 0},
                            {"silent trigger keeps sound", O::NumberTriggerOn, 1, 0, 10},
                            {"no sound silences trigger", O::NumberMakeSound, 1, 0, 11},
                            {"sound on keeps trigger", O::ColorMakeSound, 0, 11, 10}});
    }
    void soundOptions()
    {
        QFETCH(SoundCase, row);
        const auto [name, group, index, before, after] = row;
        Dialog d;
        const bool color = group == O::ColorTriggerOn || group == O::ColorMakeSound;
        ChoiceConfigBlock& b = color ? d.state.EditConfig.Color : d.state.EditConfig.Number;
        std::tie(b.TriggerOn, b.MakeSound) = std::pair(qint16(before / 10), qint16(before % 10));
        d.editor.chooseOption(group, index);
        QCOMPARE(b.TriggerOn * 10 + b.MakeSound, after);
        QCOMPARE(d.editor.optionEnabled(color ? O::ColorMakeSound : O::NumberMakeSound, 1), after >= 10);
        QCOMPARE(d.editor.optionEnabled(color ? O::ColorTriggerOn : O::NumberTriggerOn, 0), after % 10 != 1);
    }

    // (Cancel drops edits: the window test.) Save writes the short layout with Config's run counts
    // (a failure says so); a file that is not whole and valid loads nothing, not even in part; a Load
    // after OK keeps the run counts OK set; Reset goes back to the start-up values, and a Cancel after
    // it does not undo it.
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
        const ReflexConfig edited = d.state.EditConfig;
        QList<QByteArray> lastBad = saved.split('\n');
        lastBad[2] = "2500\r"; // a fixed interval away from Config's before the value made bad
        lastBad[kShortLayoutLines - 1] = "abc\r";
        for (const QByteArray& contents : {QByteArray(), saved.split('\n').mid(0, 40).join('\n'), lastBad.join('\n')}) {
            if (!contents.isEmpty()) // empty: no such file
                writeFile(refused, contents);
            d.editor.loadFile();
            QVERIFY(d.state.Config == expected && d.state.EditConfig == edited);
        }
        d.editor.ok();
        d.editor.loadFile();
        std::tie(expected.Normal.RunCount, expected.Color.RunCount) = std::pair(3, 5);
        QVERIFY(d.state.Config == expected && d.state.EditConfig == expected);
        QCOMPARE(d.fakes.prompt.titles(),
                 (QStringList{"Save Cancelled", "Load Cancelled", "Configuration File Load Error", "Load Cancelled"}));
        d.editor.reset();
        QCOMPARE(d.editor.text(F::NormRunCount), "7");
        d.editor.cancel();
        QCOMPARE(d.state.Config, d.state.StartupConfig);
    }

    // Where the lab locks the settings, OK, Save, Load and Reset each say the lock's one sentence
    // and change nothing: no file dialog, Config as it was; no field or option may be edited;
    // Cancel and the volume stay the student's.
    void lockedSettingsChangeNothing_data()
    {
        QTest::addColumn<QString>("command");
        for (const char* name : {"OK", "Save", "Load", "Reset"})
            QTest::newRow(name) << QString(name);
    }
    void lockedSettingsChangeNothing()
    {
        QFETCH(QString, command);
        Dialog d;
        const QString sentence = "The settings are locked by the lab (LockSettings in /etc/lab.conf).";
        d.state.SettingsLock = sentence;
        d.state.Config.Normal.RunCount = 3; // as a class configuration set it
        d.editor.load();
        const ReflexConfig before = d.state.Config;
        d.fakes.files.answers = {"/tmp/never.cfg"};
        if (command == "OK")
            QVERIFY(!d.editor.ok()); // the dialog stays open
        else
            (d.editor.*(command == "Save"   ? &SettingsEditor::save
                        : command == "Load" ? &SettingsEditor::loadFile
                                            : &SettingsEditor::reset))();
        QCOMPARE(d.fakes.prompt.shown,
                 (QList<Message>{{sentence, "Settings Locked", MsgButtons::Ok, MsgIcon::Exclamation}}));
        QVERIFY(d.fakes.files.requests.isEmpty());
        QVERIFY(d.state.Config == before && d.state.EditConfig == before);
        QCOMPARE(d.editor.text(F::NormRunCount), "3");
        for (const F field : {F::NormRunCount, F::NormalFixedTimeInterval, F::NormalMinimumTimeInterval,
                              F::ColorDisplayTime, F::NumberElementCount, elementBox(0)})
            QVERIFY(!d.editor.enabled(field));
        for (const O group : {O::NormalTriggerOn, O::NormalIntervalTiming, O::ColorMakeSound})
            QVERIFY(!d.editor.optionEnabled(group, 0) && !d.editor.optionEnabled(group, 1));
        d.editor.volumeMoved(40);
        QCOMPARE(d.editor.volume(), 40);
        d.editor.cancel();
        QVERIFY(d.state.Config == before);
    }

    // Through the call and the slider alike; every path lets go of the device, and the slider
    // shows the value whatever the device says.
    void masterVolume_data()
    {
        addRows<VolumeCase>({{"100, range not from 0", 100, -10, 90, {90}},
                             {"0, range not from 0", 0, -10, 90, {-10}},
                             {"50 half to even", 50, 0, 65535, {32768}},
                             {"101", 101, 0, 65535, {}},
                             {"no device", 40, 1, 0, {}}});
    }
    void masterVolume()
    {
        QFETCH(VolumeCase, row);
        const auto [name, percent, min, max, written] = row;
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
