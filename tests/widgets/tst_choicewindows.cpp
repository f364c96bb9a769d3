#include "complex_test/ChoiceTestModule.h"
#include "complex_test/ChoiceWindow.h"
#include "complex_test/SoundIcon.h"
#include "fakes/Fakes.h"
#include "widgets/Controls.h"

#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace reflex;
using reflex::fakes::centreIn;
using reflex::fakes::child;
Q_DECLARE_METATYPE(reflex::ChoiceTest)

namespace {

struct FakeShell final : Shell {
    void show(QWidget* window) override { shown = window; }
    bool offers(Destination d) const override { return d == Destination::Settings && settings; }
    void open(OpenRequest request) override { opened.append(request); }
    void writeRecoveryFile() override {}
    ResponseTrace* responseTrace() override { return nullptr; }
    bool settings = true;
    QWidget* shown = nullptr;
    QList<OpenRequest> opened;
};

struct Fixture {
    Fixture() { state.Config = ReflexConfig{}; }
    void start(QWidget* w)
    {
        fp.prompt.answers.push_back(MsgAnswer::Yes);
        QTest::mouseClick(child(w, "cmdStart"), Qt::LeftButton);
    }
    void nextElement()
    {
        fp.clock.advanceMs(fp.timers.timers.at(0)->interval());
        QVERIFY(fp.timers.timers.at(0)->fire());
    }
    void timeOut()
    {
        fp.clock.advanceMs(1000);
        QVERIFY(fp.timers.timers.at(1)->fire());
    }
    AppState state;
    fakes::FakePlatform fp;
    fakes::ScriptedRandom scripted;
};

} // namespace

class TestChoiceWindows : public QObject {
    Q_OBJECT
private slots:
    // A press counts on the surface, the target boxes and the disabled display box; labels,
    // text boxes and buttons take it themselves.
    void pressesCountOnTheSurfaceTheBoxesAndTheDisplay()
    {
        Fixture f;
        f.state.Config.Color.IntervalTiming = 1; // no interval draws
        frmColorReflex w(f.state, f.fp.platform, f.scripted, {});
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        f.start(&w);
        const std::pair<const char*, bool> presses[] = {
            {"Shape12_0", true}, {"Shape12_1", true}, {"txtInsideFrame", true}, {nullptr, true},
            {"txtPressHere_1", false}, {"lblTimeNumber", false}, {"txtSetComment", false},
            {"cmdStart", false}, {"txtTriggerOnDisplay", false}};
        int counted = 0;
        for (auto [name, counts] : presses) {
            f.scripted.values = {1 / 3.0, 0.1}; // element 1 without the tone: not the trigger
            f.nextElement();
            f.fp.clock.advanceMs(200);
            QTest::mouseClick(&w, Qt::LeftButton, {}, name ? centreIn(&w, name) : QPoint(10, 440));
            counted += counts;
            QCOMPARE(int(f.state.Color.InCorrectHits[1]), counted);
            if (!counts)
                f.timeOut();
        }
        QCOMPARE(child<QLabel>(&w, "lblInCorrectHits")->text(), QStringLiteral("04"));
    }

    // The default configuration: numbers 0..3, each after one blank, and the trigger " 2".
    void numberWindowShowsItsNumbers()
    {
        Fixture f;
        RandomSource real;
        frmNumberReflex w(f.state, f.fp.platform, real, {});
        auto* box = child<QLabel>(&w, "txtInsideFrame");
        QCOMPARE(child<QLabel>(&w, "txtTriggerOnDisplay")->text(), QStringLiteral(" 2"));
        QCOMPARE(box->text(), QStringLiteral(" "));
        f.start(&w);
        QSet<QString> seen;
        int incorrect = 0; // in the series running
        for (int element = 0; element < 200; ++element) {
            if (!w.engine().running()) {
                f.start(&w);
                incorrect = 0;
            }
            f.nextElement();
            seen.insert(box->text());
            if (!w.engine().triggerShown() && element % 2) {
                f.fp.clock.advanceMs(300);
                QTest::mouseClick(&w, Qt::LeftButton, {}, centreIn(&w, "Shape12_1"));
                QCOMPARE(int(f.state.Number.InCorrectHits[1]), ++incorrect);
            } else {
                f.timeOut();
            }
            QCOMPARE(box->text(), QStringLiteral(" "));
        }
        QCOMPARE(seen, QSet<QString>({" 0", " 1", " 2", " 3"}));
        QCOMPARE(f.state.Color, ChoiceStore{});
    }

    // The menu opens the test on set 1; Options opens the settings on the test's page, and the
    // test re-reads its length and trigger sound (SOUNDS.ICO from the start directory) when the
    // dialog is left. Only the colour window keeps a comment as its box loses the focus.
    void moduleOpensOptionsOnItsPage_data()
    {
        QTest::addColumn<ChoiceTest>("test");
        QTest::addColumn<int>("page");
        QTest::newRow("colour") << ChoiceTest::Color << 1;
        QTest::newRow("number") << ChoiceTest::Number << 2;
    }
    void moduleOpensOptionsOnItsPage()
    {
        QFETCH(ChoiceTest, test);
        QFETCH(int, page);
        Fixture f;
        QTemporaryDir dir;
        QImage red(16, 16, QImage::Format_ARGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(dir.filePath(QStringLiteral("sounds.ico")), "ICO"));
        f.state.StartDirectory = dir.path();
        FakeShell shell;
        ChoiceTestModule module({f.state, f.fp.platform, shell}, test);
        module.preload();
        f.state.CurrentSet = 7;
        module.open({module.destinations().at(0), nullptr, {}, 0});
        ChoiceWindow* w = module.window();
        QVERIFY(shell.shown == w && f.state.CurrentSet == 1);
        QVERIFY(!child(w, "cmdDisplay")->isEnabled()); // no results window yet
        auto* icon = child<QLabel>(w, "picTriggerOnDisplay");
        QCOMPARE(icon->pixmap().toImage(), drawnSoundIcon(false, 32).toImage());

        auto* comment = child<QLineEdit>(w, "txtSetComment");
        comment->setText(QStringLiteral("typed"));
        QFocusEvent out(QEvent::FocusOut);
        QCoreApplication::sendEvent(comment, &out);
        const ChoiceStore& store = test == ChoiceTest::Color ? f.state.Color : f.state.Number;
        QCOMPARE(store.SetComment[0], test == ChoiceTest::Color ? QStringLiteral("typed") : QString());

        QTest::mouseClick(child(w, "cmdConfigure"), Qt::LeftButton);
        QCOMPARE(shell.opened.size(), 1);
        QVERIFY(shell.opened[0].destination == Destination::Settings && shell.opened[0].page == page);
        ChoiceConfigBlock& b = test == ChoiceTest::Color ? f.state.Config.Color : f.state.Config.Number;
        b.RunCount = 4;
        b.TriggerOn = 0;
        shell.leave(shell.opened[0]);
        QCOMPARE(child<QLabel>(w, "lblRunCountNumber")->text(), QStringLiteral("   04"));
        QCOMPARE(icon->accessibleName(), QStringLiteral("With Sound"));
        QCOMPARE(icon->pixmap().toImage().pixelColor(16, 16), QColor(Qt::red));

        shell.settings = false;
        module.open({module.destinations().at(0), nullptr, {}, 0});
        QVERIFY(!child(w, "cmdConfigure")->isEnabled());
    }
};

QTEST_MAIN(TestChoiceWindows)
#include "tst_choicewindows.moc"
