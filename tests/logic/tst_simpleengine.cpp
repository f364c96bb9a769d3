#include "fakes/Fakes.h"
#include "simple_test/SimpleEngine.h"

#include <QTest>

using namespace reflex;
using fakes::FakePlatform;

namespace {

struct FakeView final : SimpleTestView {
    void render() override { ++renders; }
    void presentStimulus() override
    {
        ++presented;
        if (clock)
            clock->advanceMs(drawingMs);
    }
    fakes::FakeClock* clock = nullptr;
    double drawingMs = 0;
    QPoint leftTargetCentre() const override { return {111, 222}; }
    int renders = 0;
    int presented = 0;
};

// An engine on fakes, configured like a fresh default file with the given simple block.
struct Rig {
    explicit Rig(SimpleConfigBlock normal = {})
    {
        state.Config = ReflexConfig{};
        state.Config.Normal = normal;
        engine.initialise();
    }
    fakes::FakeTimer& timer() { return *fp.timers.timers.at(0); }
    void startYes()
    {
        fp.prompt.answers.push_back(MsgAnswer::Yes);
        engine.start();
    }
    // Waits out the pending interval and presents the stimulus.
    void elapseInterval()
    {
        QVERIFY(timer().isEnabled());
        fp.clock.advanceMs(timer().interval());
        QVERIFY(timer().fire());
    }
    void respondAfter(double ms)
    {
        fp.clock.advanceMs(ms);
        engine.press(fp.clock.nowNs());
    }
    float time(int run) const { return state.Simple.Times[state.CurrentSet][run]; }

    AppState state;
    FakePlatform fp;
    FakeView view;
    int recoveryWrites = 0;
    SimpleEngine engine{state, fp.platform, view, [this] { ++recoveryWrites; }};
};

SimpleConfigBlock fixed(int intervalMs, int runs, int trigger = VisualTrigger)
{
    SimpleConfigBlock b;
    b.IntervalTiming = 1;
    b.FixedTimeInterval = qint16(intervalMs);
    b.RunCount = qint16(runs);
    b.TriggerOn = qint16(trigger);
    return b;
}

} // namespace

class TestSimpleEngine : public QObject {
    Q_OBJECT
private slots:
    void threeRunSeriesWithAFixedInterval()
    {
        Rig rig(fixed(2000, 3));
        rig.startYes();
        QCOMPARE(rig.fp.prompt.shown.at(0).text, QStringLiteral("Over write Data in Set  1 ?"));
        QCOMPARE(rig.fp.prompt.shown.at(0).title, QStringLiteral("Start Reflex Data Collection"));
        QVERIFY(rig.fp.prompt.shown.at(0).secondIsDefault);
        QCOMPARE(rig.fp.pointer.moves, QList<QPoint>{QPoint(111, 222)});
        QVERIFY(rig.state.DataNotSaved);
        QVERIFY(!rig.engine.display().cmdStart && rig.engine.display().cmdStop);

        // readouts after each run: time, previous, difference (never negative), runs left
        const double reactions[] = {250.4, 180.6, 301.0};
        const char* readouts[][4] = {{" 0.250", "  0.000", "  0.250", "   02"},
                                     {" 0.181", "  0.250", "  0.069", "   01"},
                                     {" 0.301", "  0.181", "  0.120", "   0"}};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(rig.engine.pendingInterval(), 2000);
            rig.elapseInterval();
            QCOMPARE(rig.view.presented, i + 1);
            QCOMPARE(rig.engine.display().panelColor, rig.state.NormalTriggerColor);
            rig.respondAfter(reactions[i]);
            const SimpleTestDisplay& d = rig.engine.display();
            QCOMPARE(QStringList({d.lblTimeNumber, d.lblPreviousTimeNumber, d.lblDifferenceNumber,
                                  d.lblRunCountNumber}),
                     QStringList({readouts[i][0], readouts[i][1], readouts[i][2], readouts[i][3]}));
        }
        QCOMPARE(rig.time(1), 0.250f);
        QCOMPARE(rig.time(2), 0.181f); // rounded to the millisecond only when stored
        QCOMPARE(rig.time(3), 0.301f);
        QCOMPARE(rig.engine.display().lblRunCountNumber, QStringLiteral("   0"));
        QCOMPARE(rig.engine.display().panelColor, qRgb(255, 255, 255));
        QCOMPARE(rig.fp.prompt.titles().count(QStringLiteral("END RUN")), 1);
        QCOMPARE(rig.fp.prompt.shown.last().text, QStringLiteral("Your run has ended"));
        QCOMPARE(rig.recoveryWrites, 1);
        QVERIFY(!rig.timer().isEnabled());
        QVERIFY(!rig.engine.armed());
        QVERIFY(rig.engine.display().cmdStart && !rig.engine.display().cmdStop);
        QCOMPARE(rig.state.Simple.SetAverage[1], (0.250f + 0.181f + 0.301f) / 3);
        QCOMPARE(rig.engine.display().lblAverageTimeNumber, QStringLiteral("   0.244"));
    }

    void pressesWhileNotArmedAreIgnored()
    {
        Rig rig(fixed(1000, 2));
        rig.engine.press(rig.fp.clock.nowNs()); // before Start
        rig.startYes();
        rig.respondAfter(500); // during the interval
        QCOMPARE(rig.time(1), 0.0f);
        QVERIFY(rig.timer().isEnabled());
        rig.fp.clock.advanceMs(500);
        QVERIFY(rig.timer().fire());
        rig.respondAfter(200);
        QCOMPARE(rig.time(1), 0.2f);
        rig.respondAfter(50); // between runs
        QCOMPARE(rig.time(2), 0.0f);
        QCOMPARE(rig.state.CurrentRun, qint16(1));
    }

    // A press made while the stimulus was being drawn arrives once the window is armed, with
    // a stamp at or before the stimulus stamp: it is no response, and the run waits on.
    void pressStampedBeforeTheStimulusIsIgnored()
    {
        Rig rig(fixed(1000, 1));
        rig.view.clock = &rig.fp.clock;
        rig.view.drawingMs = 2;
        rig.startYes();
        rig.elapseInterval();
        const std::int64_t stimulus = rig.fp.clock.nowNs();
        for (std::int64_t early : {stimulus - 1'500'000, stimulus}) {
            rig.engine.press(early);
            QCOMPARE(rig.time(1), 0.0f);
            QVERIFY(rig.engine.armed());
        }
        rig.engine.press(stimulus + 300'000); // rounds to 0 ms, stored as the least time
        QCOMPARE(rig.time(1), 0.001f);
        QVERIFY(!rig.engine.armed());
    }

    void randomIntervalsStayWithinMinimumAndMaximum_data()
    {
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("low");
        QTest::newRow("default 1000") << 1000 << 1000;
        QTest::newRow("2999") << 2999 << 2999;
        QTest::newRow("above the maximum is held at 3000") << 5000 << 3000;
        QTest::newRow("zero is raised to 1 ms") << 0 << 1;
        QTest::newRow("negative is raised to 1 ms") << -20 << 1;
        QTest::newRow("fixed 0 ms is raised to 1 ms") << -1 << 1;
    }
    void randomIntervalsStayWithinMinimumAndMaximum()
    {
        QFETCH(int, minimum);
        QFETCH(int, low);
        SimpleConfigBlock b;
        b.IntervalTiming = 0;
        b.MinimumTimeInterval = qint16(minimum);
        b.RunCount = 20;
        if (minimum == -1) // the fixed row
            b = fixed(0, 20);
        Rig rig(b);
        for (int series = 0; series < 5; ++series) {
            rig.startYes();
            for (int run = 0; run < 20; ++run) {
                const int interval = rig.engine.pendingInterval();
                QVERIFY2(interval >= low && interval <= 3000, qPrintable(QString::number(interval)));
                rig.elapseInterval();
                rig.respondAfter(200);
            }
        }
        QCOMPARE(rig.recoveryWrites, 5);
    }

    // The timer wakes early and drawing takes time, yet every stimulus is on screen exactly
    // the interval after the press that ended the run before.
    void stimulusIsDueTheIntervalAfterThePress()
    {
        Rig rig(fixed(1000, 4));
        rig.view.clock = &rig.fp.clock;
        rig.view.drawingMs = 0.7;
        QList<std::int64_t> stimuli, presses;
        rig.engine.onResponseMeasured = [&](std::int64_t s, std::int64_t p) {
            stimuli << s;
            presses << p;
        };
        rig.startYes();
        for (int i = 0; i < 4; ++i) {
            QVERIFY(rig.timer().interval() < 1000);
            rig.elapseInterval();
            rig.respondAfter(300);
        }
        for (int i = 2; i < 4; ++i) // from the second run on the drawing time is known
            QCOMPARE(stimuli[i] - presses[i - 1], std::int64_t(1000) * 1000000);
        QCOMPARE(rig.time(4), 0.3f);
    }

    void runCountIsClampedIntoTheStore_data()
    {
        QTest::addColumn<int>("configured");
        QTest::addColumn<int>("runs");
        QTest::newRow("0") << 0 << 1;
        QTest::newRow("-3") << -3 << 1;
        QTest::newRow("21") << 21 << 20;
        QTest::newRow("12") << 12 << 12;
    }
    void runCountIsClampedIntoTheStore()
    {
        QFETCH(int, configured);
        QFETCH(int, runs);
        Rig rig(fixed(100, configured));
        QCOMPARE(rig.state.SimpleRunsPerSet, qint16(runs));
        rig.startYes();
        for (int i = 0; i < runs; ++i) {
            rig.elapseInterval();
            rig.respondAfter(300);
        }
        QCOMPARE(rig.recoveryWrites, 1);
        QVERIFY(!rig.timer().isEnabled());
        if (runs == 12) {
            QCOMPARE(rig.time(12), 0.3f); // runs 11 and 12 live in the store
            QCOMPARE(rig.state.Simple.SetAverage[1], 0.3f);
        }
    }

    void stopWhileWaitingEndsQuietly()
    {
        Rig rig(fixed(1000, 3));
        rig.startYes();
        const int beeps = rig.fp.beeper.beeps;
        rig.engine.stop();
        QVERIFY(!rig.timer().isEnabled());
        QVERIFY(!rig.timer().fire());
        QCOMPARE(rig.view.presented, 0);
        QCOMPARE(rig.fp.prompt.shown.size(), 1); // only the Start question
        QCOMPARE(rig.recoveryWrites, 0);
        QCOMPARE(rig.fp.beeper.beeps, beeps + 1);
        const auto& d = rig.engine.display();
        QVERIFY(d.cmdStart && d.cmdConfigure && d.CmdClearSet && d.cmdDisplay && d.cmdExit
                && d.cmdNextSet && d.cmdPreviousSet && !d.cmdStop);
    }

    void stopWhileArmedThenPressCompletesTheRun()
    {
        Rig rig(fixed(1000, 3));
        rig.startYes();
        rig.elapseInterval();
        rig.engine.stop();
        QCOMPARE(rig.engine.display().panelColor, qRgb(255, 255, 255));
        QVERIFY(rig.engine.armed());
        rig.respondAfter(350);
        QCOMPARE(rig.time(1), 0.35f);
        QCOMPARE(rig.fp.prompt.shown.last().text, QStringLiteral("Your run has ended"));
        QCOMPARE(rig.recoveryWrites, 1);
        QVERIFY(!rig.engine.armed());
    }

    void newStartAfterStopWhileArmedRecordsNothingAgainstRunZero()
    {
        Rig rig(fixed(1000, 3));
        rig.startYes();
        rig.elapseInterval();
        rig.engine.stop();
        rig.startYes();
        rig.respondAfter(100); // during the first interval of the new series
        QCOMPARE(rig.state.Simple.Times[1][0], 0.0f);
        QCOMPARE(rig.time(1), 0.0f);
        QCOMPARE(rig.fp.prompt.shown.size(), 2); // no end-of-series message
        rig.elapseInterval();
        rig.respondAfter(220);
        QCOMPARE(rig.time(1), 0.22f);
    }

    void startAnsweredNoChangesNothing()
    {
        Rig rig(fixed(1000, 3));
        rig.state.Simple.Times[1][1] = 0.5f;
        const SimpleTestDisplay before = rig.engine.display();
        rig.fp.prompt.answers.push_back(MsgAnswer::No);
        rig.engine.start();
        QCOMPARE(rig.state.Simple.Times[1][1], 0.5f);
        QVERIFY(!rig.timer().isEnabled());
        QVERIFY(!rig.state.DataNotSaved);
        QCOMPARE(rig.engine.display().lblRunCountNumber, before.lblRunCountNumber);
        QVERIFY(rig.fp.pointer.moves.isEmpty());
    }

    void stimulusKinds_data()
    {
        QTest::addColumn<int>("trigger");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("presented");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<bool>("speakerBefore");
        QTest::addColumn<bool>("speakerAfter");
        QTest::newRow("audio") << 0 << "            Audio Trigger" << 0 << 1 << false << true;
        QTest::newRow("visual") << 1 << "           Visual Trigger" << 1 << 0 << true << false;
        QTest::newRow("both keeps the speaker shown") << 2 << "     Audio/Visual Trigger" << 1 << 1 << true << true;
        QTest::newRow("both keeps the speaker hidden") << 2 << "     Audio/Visual Trigger" << 1 << 1 << false << false;
    }
    void stimulusKinds()
    {
        QFETCH(int, trigger);
        QFETCH(QString, label);
        QFETCH(int, presented);
        QFETCH(int, beeps);
        QFETCH(bool, speakerBefore);
        QFETCH(bool, speakerAfter);
        Rig rig(fixed(1000, 2, trigger));
        rig.state.ShowSpeaker = speakerBefore;
        rig.engine.initialise();
        QCOMPARE(rig.engine.display().lblTriggerLable, label);
        QCOMPARE(rig.engine.display().speakerVisible, speakerAfter);
        rig.startYes();
        rig.elapseInterval();
        QCOMPARE(rig.view.presented, presented);
        QCOMPARE(rig.fp.beeper.beeps, beeps);
        QCOMPARE(rig.engine.display().panelColor,
                 presented ? rig.state.NormalTriggerColor : qRgb(255, 255, 255));
    }

    void setNavigationAtBothEnds()
    {
        Rig rig(fixed(1000, 3));
        rig.state.Simple.SetComment[1] = QStringLiteral("second");
        rig.engine.commentEdited(QStringLiteral("first"));
        rig.engine.nextSet();
        QCOMPARE(rig.state.CurrentSet, qint16(2));
        QCOMPARE(rig.state.Simple.SetComment[0], QStringLiteral("first"));
        QCOMPARE(rig.engine.display().txtSetComment, QStringLiteral("second"));
        QCOMPARE(rig.engine.display().txtSetIndicator, QStringLiteral("02"));

        for (int i = 0; i < 8; ++i)
            rig.engine.nextSet();
        QCOMPARE(rig.state.CurrentSet, qint16(10));
        QVERIFY(rig.engine.display().cmdNextSet); // moving onto set 10 keeps it enabled
        rig.engine.nextSet();
        QCOMPARE(rig.state.CurrentSet, qint16(10));
        QVERIFY(!rig.engine.display().cmdNextSet);
        rig.engine.previousSet();
        QCOMPARE(rig.state.CurrentSet, qint16(9));
        QVERIFY(rig.engine.display().cmdNextSet);

        while (rig.state.CurrentSet > 1)
            rig.engine.previousSet();
        QVERIFY(rig.engine.display().cmdPreviousSet);
        rig.engine.previousSet();
        QCOMPARE(rig.state.CurrentSet, qint16(1));
        QVERIFY(!rig.engine.display().cmdPreviousSet);
        QCOMPARE(rig.engine.display().lblTimeNumber, QStringLiteral(" 0.000"));
        rig.engine.nextSet();
        QVERIFY(rig.engine.display().cmdPreviousSet);

        // opening the test again starts at set 1 and keeps the data
        rig.state.Simple.Times[2][1] = 0.3f;
        rig.engine.initialise();
        QCOMPARE(rig.state.CurrentSet, qint16(1));
        QCOMPARE(rig.state.Simple.Times[2][1], 0.3f);
        QCOMPARE(rig.engine.display().txtSetIndicator, QStringLiteral("1"));
    }

    void clearSetTouchesOnlyTheCurrentSet()
    {
        Rig rig(fixed(100, 3));
        rig.startYes();
        for (int i = 0; i < 3; ++i) {
            rig.elapseInterval();
            rig.respondAfter(300);
        }
        rig.state.Simple.Times[2][1] = 0.4f;
        rig.engine.clearSet();
        QCOMPARE(rig.time(1), 0.0f);
        QCOMPARE(rig.state.Simple.SetAverage[1], 0.0f);
        QCOMPARE(rig.state.Simple.SetComment[0], QStringLiteral(" "));
        QCOMPARE(rig.engine.display().lblTimeNumber, QStringLiteral(" 0.000"));
        QCOMPARE(rig.state.Simple.Times[2][1], 0.4f);
    }
};

QTEST_GUILESS_MAIN(TestSimpleEngine)
#include "tst_simpleengine.moc"
