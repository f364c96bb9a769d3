#include "fakes/Fakes.h"
#include "simple_test/SimpleEngine.h"

using namespace brevane;

namespace {

const QRgb white = qRgb(255, 255, 255);

SimpleConfigBlock fixed(int ms, int runs, int trigger = VisualTrigger)
{
    return {1, qint16(ms), qint16(trigger), 1, 1000, qint16(runs)};
}

// An engine on fakes, configured like a fresh default file with the given simple block; the
// rig is its window, where putting the stimulus on the screen takes `drawingMs` on the clock.
struct Rig final : SimpleTestView {
    explicit Rig(SimpleConfigBlock normal, bool speaker = false)
    {
        state.Config = ReflexConfig{};
        state.Config.Normal = normal;
        state.ShowSpeaker = speaker;
        engine.initialise();
    }
    void render() override { }
    void presentStimulus() override { ++presented, fp.clock.advanceMs(drawingMs); }
    Presentation presentation() const override { return frame ? frame() : Presentation{}; }
    QPoint leftTargetCentre() const override { return {111, 222}; }
    fakes::FakeTimer& timer() { return *fp.timers.timers.at(0); }
    void startYes() { fp.prompt.answers.push_back(MsgAnswer::Yes), engine.start(); }
    void elapseInterval()
    {
        fp.clock.advanceMs(timer().interval());
        QVERIFY(timer().fire());
    } // to the stimulus
    void respondAfter(double ms) { fp.clock.advanceMs(ms), engine.press({fp.clock.nowNs()}); }
    void run(double ms) { elapseInterval(), respondAfter(ms); }
    float time(int run) const { return state.Simple.Times[state.CurrentSet][run]; }
    bool idle() const
    {
        const SimpleTestDisplay& d = engine.display();
        return d.cmdStart && d.cmdConfigure && d.CmdClearSet && d.cmdDisplay && d.cmdExit && d.cmdNextSet &&
               d.cmdPreviousSet && !d.cmdStop;
    }

    AppState state;
    fakes::FakePlatform fp;
    double drawingMs = 0;
    std::function<Presentation()> frame; // what the display said of the stimulus's frame
    int presented = 0;
    fakes::FakeRecoveryWriter recovery{fp.prompt};
    SimpleEngine engine{state, fp.platform, *this, recovery.callback()};
};

// A series as configured: the shortest interval it may draw, the runs it has, and the speaker
// before and after the window read the trigger kind.
struct Series {
    const char* name;
    SimpleConfigBlock block;
    int low, runs;
    bool speakerBefore, speakerAfter;
};

} // namespace

class TestSimpleEngine : public QObject {
    Q_OBJECT
private slots:
    // Start answered No changes nothing. Drawing takes time, yet from the second run on every
    // stimulus is on the screen exactly the interval after the press that ended the run before.
    // Presses before Start, during an interval and after the series are no responses. A press
    // made while the stimulus was being drawn arrives once the window is armed, with a stamp at
    // or before the stimulus stamp: it is no response, and the run waits on; a response under
    // half a millisecond is stored as 1 ms. A response reaches the trace with what its stamp
    // was taken from.
    void threeRunSeriesWithAFixedInterval()
    {
        Rig rig(fixed(2000, 3));
        rig.drawingMs = 2;
        QList<std::int64_t> stimuli, presses;
        QList<PressSource> sources;
        rig.engine.onResponseMeasured = [&](std::int64_t s, const PressStamp& p) {
            stimuli << s, presses << p.ns, sources << p.source;
        };
        rig.state.Simple.Times[1][1] = 0.5f;
        rig.fp.prompt.answers.push_back(MsgAnswer::No);
        rig.engine.start();
        rig.engine.press({rig.fp.clock.nowNs()});
        QVERIFY(rig.time(1) == 0.5f && !rig.timer().isEnabled() && !rig.state.DataNotSaved.any() && rig.idle());
        rig.startYes();
        QCOMPARE(rig.fp.prompt.shown, QList<Message>(2, {"Over write Data in Set  1 ?", "Start Reflex Data Collection",
                                                         MsgButtons::YesNo, MsgIcon::Critical, true}));
        QCOMPARE(rig.fp.pointer.moves, QList<QPoint>{QPoint(111, 222)});
        QVERIFY(rig.state.DataNotSaved.Simple && !rig.state.DataNotSaved.Color && !rig.engine.display().cmdStart &&
                rig.engine.display().cmdStop);

        // time, previous, difference (never negative), runs left
        const double reactions[] = {180.6, 250.4, 0.3};
        const QStringList readouts[] = {{" 0.181", "  0.000", "  0.181", "   02"},
                                        {" 0.250", "  0.181", "  0.069", "   01"},
                                        {" 0.001", "  0.250", "  0.249", "   0"}};
        for (int i = 0; i < 3; ++i) {
            rig.elapseInterval();
            rig.engine.press({rig.fp.clock.nowNs()}); // made while drawing: stamped with the stimulus
            rig.fp.clock.advanceMs(reactions[i]);
            rig.engine.press({rig.fp.clock.nowNs(), PressSource(i + 1)}); // the source goes to the trace
            rig.engine.press({rig.fp.clock.nowNs()});
            const SimpleTestDisplay& d = rig.engine.display();
            QCOMPARE(
                QStringList({d.lblTimeNumber, d.lblPreviousTimeNumber, d.lblDifferenceNumber, d.lblRunCountNumber}),
                readouts[i]);
        }
        QVERIFY(stimuli[1] - presses[0] == 2'000'000'000 && stimuli[2] - presses[1] == 2'000'000'000);
        QCOMPARE(sources, (QList<PressSource>{PressSource::Server, PressSource::Raw, PressSource::Kernel}));
        QCOMPARE(QList<float>({rig.time(1), rig.time(2), rig.time(3), rig.time(4)}), // rounded only when stored
                 QList<float>({0.181f, 0.250f, 0.001f, 0}));
        QCOMPARE(rig.engine.display().lblAverageTimeNumber, QStringLiteral("   0.144"));
        QVERIFY(rig.engine.display().panelColor == white && rig.idle());
        QCOMPARE(rig.fp.prompt.shown.mid(2), (QList<Message>{{"Your run has ended", "END RUN"}}));
    }

    // Random intervals stay within the minimum (kept in 1..3000) and 3000 ms; the run count is
    // kept in 1..20, runs 11..20 living in the store. A visual trigger is drawn, an audio one
    // beeps, both do both; the speaker shows for audio, hides for visual, and stays as it was
    // for both. A tone alone counts from its first sample, 4 ms after the beep; with the colour,
    // from the earlier onset.
    void seriesEndsAfterTheRunCount_data()
    {
        auto random = [](int min, int kind) { return SimpleConfigBlock{0, 2000, qint16(kind), 1, qint16(min), 20}; };
        fakes::addRows<Series>({
            {"random, default minimum; audio", random(1000, AudioTrigger), 1000, 20, false, true},
            {"random, minimum above the maximum", random(5000, VisualTrigger), 3000, 20, true, false},
            {"random, negative minimum; both, speaker shown", random(-20, AudioVisualTrigger), 1, 20, true, true},
            {"fixed 0 ms raised to 1 ms; both, no speaker", fixed(0, 20, AudioVisualTrigger), 1, 20, false, false},
            {"0 runs", fixed(100, 0), 100, 1, true, false},
            {"21 runs", fixed(100, 21), 100, 20, true, false},
        });
    }
    void seriesEndsAfterTheRunCount()
    {
        QFETCH(Series, row);
        const int trigger = row.block.TriggerOn;
        Rig rig(row.block, row.speakerBefore);
        const SimpleTestDisplay& d = rig.engine.display();
        QCOMPARE(d.speakerVisible, row.speakerAfter);
        rig.fp.beeper.tone = [&clock = rig.fp.clock] {
            return ToneStamp{clock.nowNs() + 4'000'000, ToneSource::Trigger};
        };
        rig.startYes();
        for (int run = 0; run < row.runs; ++run) {
            QVERIFY(row.low <= rig.engine.pendingInterval() && rig.engine.pendingInterval() <= 3000);
            rig.elapseInterval();
            QCOMPARE(d.panelColor, trigger == AudioTrigger ? white : rig.state.NormalTriggerColor);
            rig.respondAfter(300);
        }
        const int visual = trigger != AudioTrigger, audio = trigger != VisualTrigger; // the series' end beeps too
        QVERIFY(rig.presented == visual * row.runs && rig.fp.beeper.beeps == audio * row.runs + 1);
        QVERIFY(rig.recovery.writes == 1 && !rig.timer().isEnabled());
        QCOMPARE(rig.recovery.shownAtLastWrite, 1);                     // written before END RUN waits for the student
        const float reaction = trigger == AudioTrigger ? 0.296f : 0.3f; // with the colour, the colour came first
        QCOMPARE(rig.time(row.runs), reaction);
        QCOMPARE(rig.state.Simple.SetAverage[1], reaction); // fuzzy: the mean of ten
    }

    // Colour and tone: the tone is asked for before the colour is presented, on the frame the
    // colour is expected on (once presenting is known to take 3 ms), and the time counts from the
    // earlier onset, the colour here, 1 ms before the tone; the trace keeps the 1 ms.
    void audioVisualToneAimsAtTheFrame()
    {
        Rig rig(fixed(1000, 3, AudioVisualTrigger));
        rig.drawingMs = 3;
        rig.fp.beeper.tone = [&clock = rig.fp.clock] {
            return ToneStamp{clock.nowNs() + 1'000'000, ToneSource::Graph};
        };
        rig.startYes();
        QList<qint64> pictures;
        for (int run = 0; run < 2; ++run) {
            rig.elapseInterval();
            pictures << rig.fp.clock.nowNs();
            QCOMPARE(rig.engine.stimulusToneLagNs(), 1'000'000);
            rig.respondAfter(250);
        }
        QCOMPARE(rig.fp.beeper.asked.size(), 2);
        QCOMPARE(rig.fp.beeper.asked[1], pictures[1]); // the second aims at the colour's frame
        QCOMPARE(rig.time(2), 0.25f);
    }

    // Once two exact frames have shown the display's refreshes, the tone aims at the refresh the
    // colour will reach, its scan-out included, whatever the phase, and is started early enough
    // for a route that places a tone no sooner than its lead: it starts where asked, so its lag
    // behind the colour is 0. Until then the median wait misses.
    void audioVisualToneAimsAtTheRefresh_data()
    {
        QTest::addColumn<std::int64_t>("lead");
        QTest::addColumn<double>("jitterMs"); // drawing takes this much longer every other time
        QTest::newRow("a device starting at once") << std::int64_t(0) << 0.0;
        QTest::newRow("a server's stream 30 ms ahead") << std::int64_t(30'000'000) << 0.0;
        QTest::newRow("drawing that varies") << std::int64_t(0) << 3.0;
    }
    void audioVisualToneAimsAtTheRefresh()
    {
        QFETCH(std::int64_t, lead);
        QFETCH(double, jitterMs);
        constexpr std::int64_t period = 16'666'667, scanOut = 3'000'000;
        Rig rig(fixed(1000, 5, AudioVisualTrigger));
        rig.fp.beeper.lead = lead;
        rig.frame = [&clock = rig.fp.clock] { // shown at the first refresh after the hand-over
            const std::int64_t handed = clock.nowNs();
            const std::int64_t msc = handed / period + 1;
            return Presentation{handed, 0, msc * period, std::uint64_t(msc), StampSource::Present, true, scanOut};
        };
        rig.fp.beeper.tone = [&b = rig.fp.beeper] {
            return ToneStamp{std::max(b.asked.last(), b.startedAt.last() + b.lead), ToneSource::Graph};
        };
        rig.startYes();
        QList<std::int64_t> lags;
        for (int run = 0; run < 5; ++run) {
            rig.drawingMs = 2 + run % 2 * jitterMs;
            rig.elapseInterval();
            lags << rig.engine.stimulusToneLagNs();
            rig.respondAfter(250 + 7 * run); // a new phase each time
        }
        QVERIFY2(lags[0] != 0 && lags.mid(2) == QList<std::int64_t>(3, 0), qPrintable(QString::number(lags[2])));
    }

    // Stop while waiting ends the series at once; stop while armed lets the press complete the
    // run; a new Start never takes a press against run 0.
    void startAndStop()
    {
        Rig rig(fixed(1000, 3));
        rig.startYes();
        rig.engine.stop();
        QVERIFY(!rig.timer().fire() && rig.idle() && rig.fp.beeper.beeps == 1 && rig.recovery.writes == 0);

        rig.startYes();
        rig.elapseInterval();
        rig.engine.stop();
        QVERIFY(rig.engine.armed() && rig.engine.display().panelColor == white);
        rig.respondAfter(350);
        QVERIFY(rig.time(1) == 0.35f && rig.recovery.writes == 1 && !rig.engine.armed());

        rig.startYes();
        rig.elapseInterval();
        rig.engine.stop();
        rig.startYes();
        rig.respondAfter(100); // during the first interval of the new series
        QVERIFY(rig.state.Simple.Times[1][0] == 0.0f && rig.fp.prompt.shown.size() == 5); // 4 Start questions, 1 end
        rig.run(220);
        QCOMPARE(rig.time(1), 0.22f);
    }

    // After Stop a set command ends the armed state: a press then stores nothing in the set now
    // shown. Without a sound device an audio series does not start (the message names the
    // device), and an audio-visual one says once that the tone is missing.
    void staleAndSilent()
    {
        Rig rig(fixed(1000, 3));
        rig.startYes();
        rig.elapseInterval();
        rig.engine.stop();
        rig.engine.nextSet();
        rig.respondAfter(100);
        QVERIFY(rig.time(1) == 0.0f && rig.state.Simple.SetAverage[2] == 0.0f && rig.recovery.writes == 0);

        rig.fp.beeper.device = false;
        rig.fp.prompt.shown.clear();
        rig.state.Config.Normal.TriggerOn = AudioTrigger;
        rig.engine.optionsClosed();
        rig.engine.start();
        QVERIFY(rig.idle() && rig.fp.prompt.shown[0].text.contains("\"default\""));
        rig.state.Config.Normal.TriggerOn = AudioVisualTrigger;
        rig.engine.optionsClosed();
        rig.fp.prompt.answers = {MsgAnswer::No, MsgAnswer::No};
        rig.engine.start();
        rig.engine.start();
        const QString start = "Start Reflex Data Collection", none = "No Sound Device";
        QCOMPARE(rig.fp.prompt.titles(), (QStringList{none, none, start, start}));
    }

    // Next and Prev disable themselves only when pressed at the end, and come back one step
    // away from it; the comment box follows the set; reopening starts at set 1 with the data
    // kept; Clear Set empties the current set only.
    void setCommands()
    {
        Rig rig(fixed(1000, 1));
        const SimpleTestDisplay& d = rig.engine.display();
        rig.state.Simple.SetComment[1] = QStringLiteral("second");
        rig.engine.commentEdited(QStringLiteral("first"));
        rig.engine.nextSet();
        QCOMPARE(QStringList({rig.state.Simple.SetComment[0], d.txtSetComment, d.txtSetIndicator}),
                 QStringList({"first", "second", "02"}));
        using Step = void (SimpleEngine::*)();
        for (auto [step, back, end, enabled] :
             {std::tuple<Step, Step, int, const bool*>(&SimpleEngine::nextSet, &SimpleEngine::previousSet, 10,
                                                       &d.cmdNextSet),
              {&SimpleEngine::previousSet, &SimpleEngine::nextSet, 1, &d.cmdPreviousSet}}) {
            while (rig.state.CurrentSet != end)
                (rig.engine.*step)();
            QVERIFY(*enabled);
            (rig.engine.*step)();
            QVERIFY(rig.state.CurrentSet == end && !*enabled);
            (rig.engine.*back)();
            QVERIFY(rig.state.CurrentSet == (end == 1 ? 2 : 9) && *enabled);
        }
        rig.state.Simple.Times[2][1] = 0.3f;
        rig.engine.initialise();
        QVERIFY(rig.state.CurrentSet == 1 && d.txtSetIndicator == "1"); // set 2 kept: checked below
        rig.startYes();
        rig.run(300);
        rig.engine.clearSet();
        QVERIFY(rig.time(1) == 0.0f && rig.state.Simple.SetAverage[1] == 0.0f && d.lblTimeNumber == " 0.000");
        QVERIFY(rig.state.Simple.SetComment[0] == " " && rig.state.Simple.Times[2][1] == 0.3f);
    }
};

QTEST_GUILESS_MAIN(TestSimpleEngine)
#include "tst_simpleengine.moc"
