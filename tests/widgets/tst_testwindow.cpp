// The three test windows on their forms: presses, stimuli, readouts and the comment box.
#include "complex_test/ChoiceWindow.h"
#include "shared/Palette.h"
#include "simple_test/frmReflex.h"
#include "widgets/Windows.h"

#include <QLabel>

using namespace brevane;
using namespace brevane::fakes;

class TestTestWindow : public QObject {
    Q_OBJECT
private slots:
    // Each stimulus shows until a press that counts takes it away: on the bare surface, a target or the disabled
    // choice display box. The simple panel, the trigger box and a (disabled) button keep their press, and the
    // stimulus waits for the next one. Stop is on while the series runs; the comment box follows the set.
    void seriesPresses_data() { testRows(true); }
    void seriesPresses()
    {
        QFETCH(int, test);
        const bool simple = test < 0, number = test == int(ChoiceStyle::Number);
        AppState state;
        state.Config = ReflexConfig{};
        state.Config.Normal = SimpleConfigBlock{1, 500, 1, 1, 1000, 3};
        state.Config.Color.IntervalTiming = state.Config.Number.IntervalTiming = 1; // no interval draws
        state.Simple.SetComment[1] = QStringLiteral("set two");
        const ChoiceConfigBlock& cfg = number ? state.Config.Number : state.Config.Color;
        const ChoiceStore& store = number ? state.Number : state.Color;
        FakePlatform fp;
        ScriptedRandom random;
        using W = TestWindow*;
        std::unique_ptr<TestWindow> w(simple ? W(new frmReflex(state, fp.platform, {}))
                                      : number
                                          ? W(new frmNumberReflex(kNumberTest, state, fp.platform, random, nullptr))
                                          : W(new frmColorReflex(kColorTest, state, fp.platform, random, nullptr)));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        fp.prompt.answers.push_back(MsgAnswer::Yes);
        QTest::mouseClick(child(w.get(), "cmdStart"), Qt::LeftButton);
        QVERIFY(child(w.get(), "cmdStop")->isEnabled() && !child(w.get(), "cmdStart")->isEnabled());

        int element = 0;
        const auto shows = [&](bool out) { // the stimulus, or the display blank
            if (number) {                  // what a screen reader says is what the display shows
                auto* box = child<QLabel>(w.get(), "txtInsideFrame");
                const QString want = out ? QStringLiteral(" %1").arg(cfg.Element[element]) : QStringLiteral(" ");
                return box->text() == want &&
                       QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name) == want;
            }
            const QColor stimulus = simple ? QColor(192, 0, 0) : QColor(paletteColour(cfg.Element[element]));
            const QWidget* display = child(w.get(), simple ? "pnlInsideFrame" : "txtInsideFrame");
            return display->palette().color(QPalette::Window) == (out ? stimulus : QColor(Qt::white));
        };
        const auto counted = [&] {
            return simple ? int(std::ranges::count_if(state.Simple.Times[1], [](float v) { return v > 0; }))
                          : store.CorrectHits[1] + store.InCorrectHits[1];
        };
        using Presses = QList<std::pair<const char*, bool>>; // on a control or the surface; kept or not
        const Presses presses = simple ? Presses{{"Shape8", false}, {nullptr, false}, {"pnlInsideFrame", true}}
                                       : Presses{{"Shape12_0", false},
                                                 {"txtInsideFrame", false},
                                                 {nullptr, false},
                                                 {"txtTriggerOnDisplay", true},
                                                 {"cmdStart", true}};
        const QPoint surface(10, simple ? 520 : 440);
        for (auto [name, kept] : presses) {
            element = (element + 1) % 4; // each in turn; 2 without the tone is the trigger
            random.values = {element / 3.0, 0.1};
            fp.clock.advanceMs(fp.timers.timers.at(0)->interval());
            QVERIFY(fp.timers.timers.at(0)->fire());
            const int before = counted();
            QVERIFY(shows(true));
            fp.clock.advanceMs(200);
            const QWidget* on = name ? child(w.get(), name) : nullptr; // where a press on it lands
            QTest::mouseClick(w.get(), Qt::LeftButton, {}, on ? on->mapTo(w.get(), on->rect().center()) : surface);
            if (kept) { // still out: the surface takes the next press
                QVERIFY(counted() == before && shows(true));
                fp.clock.advanceMs(100);
                QTest::mouseClick(w.get(), Qt::LeftButton, {}, surface);
            }
            QVERIFY(counted() == before + 1 && shows(false));
            if (simple)
                QCOMPARE(state.Simple.Times[1][before + 1], kept ? 0.3f : 0.2f);
        }
        if (!simple) { // elements 1, 2, 3, 0, 1: one press on the trigger, four on the others
            const auto shown = [&](const char* name) { return child<QLabel>(w.get(), name)->text(); };
            QCOMPARE((QStringList{shown("lblCorrectHits"), shown("lblInCorrectHits")}), (QStringList{"01", "04"}));
            return;
        }
        auto* box = child<QLineEdit>(w.get(), "txtSetComment");
        QTest::keyClicks(box, "warm-up");
        QCOMPARE(state.Simple.SetComment[0], QStringLiteral("warm-up"));
        QTest::mouseClick(child(w.get(), "cmdNextSet"), Qt::LeftButton);
        QCOMPARE(box->text(), QStringLiteral("set two"));
        QTest::mouseClick(child(w.get(), "CmdClearSet"), Qt::LeftButton);
        QVERIFY(box->text() == " " && state.Simple.SetComment[1] == " ");
    }
};

QTEST_MAIN(TestTestWindow)
#include "tst_testwindow.moc"
