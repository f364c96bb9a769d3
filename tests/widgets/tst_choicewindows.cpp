#include "complex_test/ChoiceTestModule.h"
#include "complex_test/ChoiceWindow.h"
#include "complex_test/SoundIcon.h"
#include "fakes/Fakes.h"
#include "shared/Palette.h"
#include "widgets/Controls.h"

#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace reflex;
using namespace reflex::fakes;
Q_DECLARE_METATYPE(reflex::ChoiceTest)

namespace {

void bothTests()
{
    QTest::addColumn<ChoiceTest>("test");
    QTest::newRow("colour") << ChoiceTest::Color;
    QTest::newRow("number") << ChoiceTest::Number;
}

} // namespace

class TestChoiceWindows : public QObject {
    Q_OBJECT
private slots:
    // Each element shows in the display box until the press blanks it. A press counts on the
    // surface, the target boxes and the disabled display box; labels, the trigger box, text
    // boxes and buttons take it themselves, and the element still waits for its press.
    void pressesAndElements_data() { bothTests(); }
    void pressesAndElements()
    {
        QFETCH(ChoiceTest, test);
        const bool colour = test == ChoiceTest::Color;
        AppState state;
        state.Config = ReflexConfig{};
        ChoiceConfigBlock& cfg = colour ? state.Config.Color : state.Config.Number;
        cfg.IntervalTiming = 1; // no interval draws
        FakePlatform fp;
        ScriptedRandom random;
        std::unique_ptr<ChoiceWindow> w(colour ? static_cast<ChoiceWindow*>(new frmColorReflex(state, fp.platform, random, nullptr))
                                               : new frmNumberReflex(state, fp.platform, random, nullptr));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        fp.prompt.answers.push_back(MsgAnswer::Yes);
        QTest::mouseClick(child(w.get(), "cmdStart"), Qt::LeftButton);

        auto* box = child<QLabel>(w.get(), "txtInsideFrame");
        const auto shows = [&](int element) { // -1: blank
            if (colour)
                return box->palette().color(QPalette::Window) == QColor(paletteColour(element < 0 ? 15 : cfg.Element[element]));
            return box->text() == (element < 0 ? QStringLiteral(" ") : QStringLiteral(" %1").arg(cfg.Element[element]));
        };
        const QPoint surface(10, 440);
        const std::pair<const char*, bool> presses[] = {
            {"Shape12_0", true}, {"Shape12_1", true}, {"txtInsideFrame", true}, {nullptr, true},
            {"txtPressHere_1", false}, {"txtTriggerOnDisplay", false}, {"txtSetComment", false},
            {"cmdStart", false}};
        const ChoiceStore& store = colour ? state.Color : state.Number;
        int element = 0, hits = 0;
        for (auto [name, counts] : presses) {
            element = (element + 1) % 4; // each in turn; 2 without the tone is the trigger
            random.values = {element / 3.0, 0.1};
            fp.clock.advanceMs(fp.timers.timers.at(0)->interval());
            QVERIFY(fp.timers.timers.at(0)->fire());
            QVERIFY(shows(element));
            fp.clock.advanceMs(200);
            QTest::mouseClick(w.get(), Qt::LeftButton, {}, name ? centreIn(w.get(), name) : surface);
            QCOMPARE(store.CorrectHits[1] + store.InCorrectHits[1], hits + counts);
            if (!counts)
                QTest::mouseClick(w.get(), Qt::LeftButton, {}, surface);
            QCOMPARE(store.CorrectHits[1] + store.InCorrectHits[1], ++hits);
            QVERIFY(shows(-1));
        }
        QCOMPARE(child<QLabel>(w.get(), "lblCorrectHits")->text(), QStringLiteral("02"));
        QCOMPARE(child<QLabel>(w.get(), "lblInCorrectHits")->text(), QStringLiteral("06"));
        QCOMPARE(colour ? state.Number : state.Color, ChoiceStore{});
    }

    // The menu opens the test on set 1, Display disabled until a results window exists; Options
    // opens the settings on the test's page, and leaving them re-reads the length and the
    // trigger picture (SOUNDS.ICO from the start directory). Only the colour window keeps a
    // comment as its box loses the focus.
    void moduleWiring_data() { bothTests(); }
    void moduleWiring()
    {
        QFETCH(ChoiceTest, test);
        const bool colour = test == ChoiceTest::Color;
        QTemporaryDir dir;
        QImage red(16, 16, QImage::Format_ARGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(dir.filePath(QStringLiteral("sounds.ico")), "ICO"));
        AppState state;
        state.Config = ReflexConfig{};
        state.StartDirectory = dir.path();
        state.CurrentSet = 7;
        FakePlatform fp;
        RecordingShell shell;
        ChoiceTestModule module({state, fp.platform, shell}, test);
        module.preload();
        module.open({module.destinations().at(0), nullptr, {}, 0});
        ChoiceWindow* w = module.window();
        QVERIFY(shell.shown == w && state.CurrentSet == 1 && !child(w, "cmdDisplay")->isEnabled());
        auto* icon = child<QLabel>(w, "picTriggerOnDisplay");
        QCOMPARE(icon->pixmap().toImage(), drawnSoundIcon(false, 32).toImage());

        auto* comment = child<QLineEdit>(w, "txtSetComment");
        comment->setText(QStringLiteral("typed"));
        QFocusEvent out(QEvent::FocusOut);
        QCoreApplication::sendEvent(comment, &out);
        QCOMPARE((colour ? state.Color : state.Number).SetComment[0], colour ? QStringLiteral("typed") : QString());

        QTest::mouseClick(child(w, "cmdConfigure"), Qt::LeftButton);
        QCOMPARE(shell.opened.size(), 1);
        QVERIFY(shell.opened[0].destination == Destination::Settings && shell.opened[0].page == (colour ? 1 : 2));
        ChoiceConfigBlock& b = colour ? state.Config.Color : state.Config.Number;
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
