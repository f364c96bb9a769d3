#include "complex_test/ChoiceEngine.h"
#include "fakes/Fakes.h"

using namespace brevane;
using Count = PerSetCount ChoiceStore::*;

namespace {

// An engine on fakes, the rig its window: fixed 500 ms interval, 1000 ms display time, elements
// 0..3, trigger 2 without the tone, tones on, ten triggers a series.
struct Rig final : ChoiceTestView {
    explicit Rig(
        ChoiceStyle t = ChoiceStyle::Color, const std::function<void(ChoiceConfigBlock&)>& tweak = [](auto&) {})
        : test(t)
    {
        state.Config = ReflexConfig{};
        block().IntervalTiming = 1;
        tweak(block());
        engine.initialise();
    }
    void render() override { }
    Presentation presentElement() override { return {}; }
    QPoint leftTargetCentre() const override { return {5, 6}; }
    ChoiceConfigBlock& block() { return state.Config.*entry.choiceBlock; }
    ChoiceStore& store() { return test == ChoiceStyle::Color ? state.Color : state.Number; }
    fakes::FakeTimer& timer(int i) { return *fp.timers.timers.at(i); } // 0 interval, 1 display
    void startYes() { fp.prompt.answers.push_back(MsgAnswer::Yes), engine.start(); }
    void elapse(int i)
    {
        fp.clock.advanceMs(timer(i).interval());
        QVERIFY(timer(i).fire());
    }
    void nextElement() { elapse(0); }
    void timeOut() { elapse(1); }
    void show(int index, bool sound) // scripted draws of that element
    {
        scripted.values.insert(scripted.values.begin(), {double(index) / block().LastElement, sound ? 0.9 : 0.1});
        nextElement();
    }
    void pressAfter(double ms) { fp.clock.advanceMs(ms), engine.press({fp.clock.nowNs()}); }
    float time(int k) { return store().Times[state.CurrentSet][k]; }
    int counted()
    {
        const int s = state.CurrentSet;
        return store().CorrectHits[s] + store().InCorrectHits[s] + store().CorrectMisses[s] + store().MissedHits[s];
    }

    ChoiceStyle test;
    AppState state;
    fakes::FakePlatform fp;
    fakes::ScriptedRandom scripted;
    fakes::FakeRecoveryWriter recovery{fp.prompt};
    const TestDescriptor& entry = test == ChoiceStyle::Color ? kColorTest : kNumberTest;
    ChoiceEngine engine{test, entry, state, fp.platform, scripted, *this, recovery.callback()};
};

// The element shown (by index), with a tone or not, pressed or let pass; the count it adds to
// (none: stopped) and the time it stores (empty: none).
struct Outcome {
    const char* name;
    int index;
    bool sound, pressed;
    Count count;
    QString time;
};
struct LastTrigger {
    const char* name;
    int runs;
    bool hit;
};
} // namespace

class TestChoiceEngine : public QObject {
    Q_OBJECT
private slots:
    void eachOutcomeIsScoredOnce_data()
    {
        fakes::addRows<Outcome>({{"correct hit", 2, false, true, &ChoiceStore::CorrectHits, "0.345"},
                                 {"missed hit", 2, false, false, &ChoiceStore::MissedHits, "1.000"},
                                 {"incorrect hit", 1, false, true, &ChoiceStore::InCorrectHits, ""},
                                 {"correct miss", 2, true, false, &ChoiceStore::CorrectMisses, ""},
                                 {"stopped", 2, false, false, Count(), ""}});
    }
    void eachOutcomeIsScoredOnce()
    {
        QFETCH(Outcome, row);
        const auto& [name, index, sound, pressed, count, time] = row;
        Rig rig;
        rig.startYes();
        rig.show(index, sound);
        rig.engine.press({rig.fp.clock.nowNs()}); // made before the element appeared: stamped with it
        pressed ? rig.pressAfter(345) : count ? rig.timeOut() : rig.engine.stop();

        const ChoiceTestDisplay& d = rig.engine.display();
        QCOMPARE(count ? (rig.store().*count)[1] : 1, 1);
        QCOMPARE(rig.counted(), count ? 1 : 0);
        QVERIFY(!d.element && rig.timer(0).isEnabled() == bool(count) && !rig.timer(1).isEnabled());
        QCOMPARE(rig.time(1), time.toFloat()); // none: 0
        QCOMPARE((QStringList{d.lblTimeNumber, d.lblRunCountNumber, d.lblAverageTimeNumber, d.lblDifferenceNumber}),
                 (time.isEmpty() ? QStringList{" 0.000", "   10", "  0.000", "  0.000"}
                                 : QStringList{" " + time, "   09", "   " + time, "  " + time}));
        const ChoiceStore before = rig.store();
        rig.pressAfter(50); // between elements, or after Stop blanked the element
        QVERIFY(rig.store() == before && rig.state.dataNotSaved(rig.store()) &&
                !rig.state.DataNotSaved.Simple); // its test marked unsaved at Start
    }

    // Start draws the first interval as the generator stands; every element reseeds before its
    // draws; an incorrect hit keeps the interval drawn with the element, a timeout draws afresh
    // without reseeding and compares the unrounded value with the minimum of 1000 ms.
    void intervalsAndReseeding()
    {
        for (ChoiceStyle test : {ChoiceStyle::Color, ChoiceStyle::Number}) { // one draws after showing, one before
            Rig rig(test, [](ChoiceConfigBlock& b) { b.IntervalTiming = 0; });
            rig.scripted.values = {0.5, 0.33331}; // 1500 ms; 999.93 ms rounds to 1000: enough
            rig.startYes();
            const std::int64_t started = rig.fp.clock.now;
            rig.show(1, false); // shown at the deadline: presenting takes no time on the fake clock
            QCOMPARE(rig.fp.clock.now - started, 1500'000'000);
            rig.pressAfter(200);
            rig.scripted.values = {0.9, 0.33331, 0.6}; // 2700 with the element; 1800 after the timeout
            rig.show(1, false);
            QCOMPARE(rig.fp.clock.now - started, 2700'000'000); // 1000 after the press
            rig.timeOut();
            rig.scripted.values = {0.5};
            rig.show(1, false);
            QCOMPARE(rig.fp.clock.now - started, 5500'000'000); // 1800 after the blank at 3700
            QCOMPARE(rig.scripted.reseeds, 3);                  // none at Start or after the timeout
        }
    }

    // The trigger without the tone, then with it: three non-triggers, a natural trigger, six
    // non-triggers and a forced seventh. Each element shows as drawn, beeping when it has a tone.
    void seventhNonTriggerIsForced()
    {
        for (bool withTone : {false, true}) {
            Rig rig(ChoiceStyle::Color, [&](ChoiceConfigBlock& b) { b.TriggerOn = !withTone; });
            rig.startYes();
            const int elements[] = {1, 3, 0, -1, 1, 2, 3, 0, 2, 1, 1};
            for (int k = 0; k < 11; ++k) {
                const int beeps = rig.fp.beeper.beeps, e = elements[k], shown = e < 0 || k == 10 ? 2 : e;
                const bool tone = e == 2 ? !withTone : withTone; // the forced trigger has the natural one's tone
                rig.show(e < 0 ? 2 : e, tone);
                QVERIFY(rig.engine.triggerShown() == (k == 3 || k == 10) && rig.fp.beeper.beeps == beeps + tone);
                QCOMPARE(rig.engine.display().element.value_or(-1), rig.block().Element[shown]);
                rig.timeOut();
            }
            QCOMPARE(rig.state.CurrentRun, 2);
        }
    }

    // Each trigger follows a non-trigger (pressed or let pass). Missed triggers store 1.000;
    // a series ends with its last trigger and goes to recover.dat, then the message after a hit,
    // a beep only after a miss; a new Start empties entries 1..10 only. The set's comment is filed
    // under the set the series ran in.
    void seriesEndsWithItsLastTrigger_data()
    {
        fakes::addRows<LastTrigger>({{"10 hit", 10, true}, {"10 missed", 10, false}, {"12 missed", 12, false}});
    }
    void seriesEndsWithItsLastTrigger()
    {
        QFETCH(LastTrigger, row);
        const auto& [name, runs, hit] = row;
        Rig rig(ChoiceStyle::Color, [&](ChoiceConfigBlock& b) { b.RunCount = qint16(runs); });
        rig.engine.nextSet(), rig.engine.nextSet();
        rig.engine.commentEdited(QStringLiteral("set 3"));
        rig.startYes();
        for (int k = 1; k <= runs; ++k) {
            rig.show(k % 2 ? 1 : 3, false);
            k % 2 ? rig.pressAfter(150) : rig.timeOut();
            rig.show(2, false);
            hit ? rig.pressAfter(300 + k) : rig.timeOut();
        }
        QCOMPARE(rig.fp.beeper.beeps, 1); // no element has a tone: the end of the series
        QVERIFY(!rig.engine.running() && !rig.timer(0).isEnabled() && !rig.timer(1).isEnabled());
        QVERIFY(rig.counted() == 2 * runs && rig.store().CorrectHits[3] + rig.store().MissedHits[3] == runs);
        for (int k = 1; k <= runs; ++k)
            QCOMPARE(rig.time(k), hit ? (300 + k) / 1000.0f : 1.0f);
        QVERIFY(rig.store().SetComment[2] == "set 3" && rig.store().SetComment[0].isEmpty());
        QCOMPARE(rig.store().SetAverage[3], hit ? 0.3055f : 1.0f);
        QVERIFY(rig.engine.display().lblRunCountNumber == "   0" && rig.recovery.writes == 1);
        QCOMPARE(rig.recovery.shownAtLastWrite, 1); // before END RUN waits for the student
        QCOMPARE(rig.fp.prompt.titles().back(), QString(hit ? "END RUN" : "Start Reflex Data Collection"));
        rig.startYes();
        for (int k = 1; k <= kMaxRuns; ++k)
            QCOMPARE(rig.time(k), k <= 10 || k > runs ? 0.0f : 1.0f);
        QCOMPARE(rig.counted(), 0);
    }
};

QTEST_GUILESS_MAIN(TestChoiceEngine)
#include "tst_choiceengine.moc"
