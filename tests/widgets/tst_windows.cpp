// The windows on their forms: switching, links, accessibility, each window's controls wired to
// its logic and its display state shown.
#include "app/Application.h"
#include "app/Windows.h"
#include "complex_test/ChoiceTestModule.h"
#include "complex_test/ChoiceWindow.h"
#include "complex_test/SoundIcon.h"
#include "config/SettingsModule.h"
#include "config/frmCfg.h"
#include "config/frmColorSelect.h"
#include "fakes/Fakes.h"
#include "simple_results/SimpleResultsModule.h"
#include "simple_results/frmDisplay.h"
#include "simple_test/SimpleTestModule.h"
#include "simple_test/frmReflex.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <numeric>

using namespace reflex;
using namespace reflex::fakes;
Q_DECLARE_METATYPE(reflex::ChoiceTest)

namespace {

// A control by object name; a missing one stops the test at once with its name.
template <typename T = QWidget>
T* child(QWidget* w, const char* name)
{
    T* c = w->findChild<T*>(QLatin1String(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

// The control's centre in the window's coordinates, where a press on it lands.
QPoint centreIn(QWidget* window, const char* name)
{
    QWidget* c = child(window, name);
    return c->mapTo(window, c->rect().center());
}

// Offers only the settings dialog, and that only while `settings` is set.
struct RecordingShell final : Shell {
    void show(QWidget* window) override { shown = window; }
    bool offers(Destination d) const override { return d == Destination::Settings && settings; }
    void open(OpenRequest request) override { opened.append(request); }
    void writeRecoveryFile() override {}
    ResponseTrace* responseTrace() override { return nullptr; }
    bool settings = true;
    QWidget* shown = nullptr;
    QList<OpenRequest> opened;
};

void bothTests()
{
    QTest::addColumn<ChoiceTest>("test");
    QTest::newRow("colour") << ChoiceTest::Color;
    QTest::newRow("number") << ChoiceTest::Number;
}

// Where on the stack each window's Show event is handled: the same place at every round trip
// unless switching nests.
struct ShowDepth final : QObject {
    bool eventFilter(QObject*, QEvent* e) override { return e->type() == QEvent::Show && (frames << quintptr(__builtin_frame_address(0)), false); }
    QList<quintptr> frames;
};

bool onlyVisible(QWidget* window)
{
    QWidgetList shown;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            shown << w;
    return window && shown == QWidgetList{window};
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT
private slots:
    // Menu and test window replace each other without nesting; links are enabled only when
    // offered; the results window comes behind the banner; every picture-only button and text
    // field has a name a screen reader says; No to Exit keeps the menu.
    void applicationWindows()
    {
        QTemporaryDir dir;
        const auto restore = qScopeGuard([start = QDir::currentPath()] { QDir::setCurrent(start); });
        QVERIFY(QDir::setCurrent(dir.path()));
        AppState state;
        FakePlatform fp;
        Application app(state, fp.platform, QString());
        app.start();
        QWidget* menu = app.mainMenu();
        QWidget* test = app.module<SimpleTestModule>()->window();
        ShowDepth depth;
        menu->installEventFilter(&depth);
        test->installEventFilter(&depth);
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(child(menu, "cmdNormal"), Qt::LeftButton);
            QVERIFY(onlyVisible(test) && app.currentWindow() == test);
            QTest::mouseClick(child(test, "cmdExit"), Qt::LeftButton);
            QVERIFY(onlyVisible(menu) && app.currentWindow() == menu);
        }
        QCOMPARE(depth.frames.size(), 6);
        QVERIFY(depth.frames.mid(2, 2) == depth.frames.mid(4, 2));

        const std::tuple<QWidget*, const char*, Destination> links[] = {
            {menu, "cmdNormal", Destination::SimpleTest}, {menu, "cmdColors", Destination::ColorTest},
            {menu, "cmdNumbers", Destination::NumberTest}, {menu, "cmdConfigure", Destination::Settings},
            {test, "cmdConfigure", Destination::Settings}, {test, "cmdDisplay", Destination::SimpleResults}};
        QTest::mouseClick(child(menu, "cmdNormal"), Qt::LeftButton);
        for (auto [window, name, destination] : links)
            QVERIFY2(child(window, name)->isEnabled() == app.offers(destination), name);
        QTest::mouseClick(child(test, "cmdDisplay"), Qt::LeftButton);
        auto* results = app.module<SimpleResultsModule>();
        QVERIFY(!results->window()); // made on the banner's first tick
        QTRY_VERIFY_WITH_TIMEOUT(onlyVisible(results->window()), 3000);

        for (QWidget* window : QApplication::topLevelWidgets()) {
            QSet<QWidget*> labelled;
            for (auto* label : window->findChildren<QLabel*>())
                labelled << label->buddy();
            for (auto* field : window->findChildren<QLineEdit*>())
                QVERIFY2(labelled.contains(field) || !field->accessibleName().isEmpty(), qPrintable(field->objectName()));
            for (auto* button : window->findChildren<QAbstractButton*>())
                if (button->text().isEmpty() && !qobject_cast<QTabBar*>(button->parentWidget()))
                    QVERIFY2(!button->accessibleName().isEmpty() && !button->toolTip().isEmpty(),
                             qPrintable(button->objectName()));
        }

        QTest::mouseClick(child(results->window(), "cmdDisplayDone"), Qt::LeftButton);
        QTest::mouseClick(child(test, "cmdExit"), Qt::LeftButton);
        fp.prompt.answers.push_back(MsgAnswer::No);
        QTest::mouseClick(child(menu, "cmdExit"), Qt::LeftButton);
        QVERIFY(fp.prompt.answers.empty() && onlyVisible(menu)); // asked, and stayed
    }

    // Presses count on the bare surface and the circles; the panel takes the press, and the run
    // stays armed for the next one. The comment box follows the set.
    void simpleTestWindow()
    {
        AppState state;
        state.Config = ReflexConfig{};
        state.Config.Normal = SimpleConfigBlock{1, 500, 1, 1, 1000, 3};
        state.Simple.SetComment[1] = QStringLiteral("set two");
        FakePlatform fp;
        frmReflex w(state, fp.platform, {});
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        fp.prompt.answers.push_back(MsgAnswer::Yes);
        QTest::mouseClick(child(&w, "cmdStart"), Qt::LeftButton);
        QVERIFY(child(&w, "cmdStop")->isEnabled() && !child(&w, "cmdStart")->isEnabled());

        const QPoint surface(10, 520);
        const std::pair<QPoint, bool> presses[] = {{centreIn(&w, "Shape8"), true}, {surface, true}, {centreIn(&w, "pnlInsideFrame"), false}};
        const auto panel = [&] { return child(&w, "pnlInsideFrame")->palette().color(QPalette::Window); };
        int run = 0;
        for (auto [pos, counts] : presses) {
            fp.clock.advanceMs(500);
            QVERIFY(fp.timers.timers.at(0)->fire());
            QCOMPARE(panel(), QColor(192, 0, 0));
            fp.clock.advanceMs(200);
            QTest::mouseClick(&w, Qt::LeftButton, {}, pos);
            if (!counts) { // still armed: the surface takes the next press
                QCOMPARE(state.Simple.Times[1][run + 1], 0.f);
                fp.clock.advanceMs(100);
                QTest::mouseClick(&w, Qt::LeftButton, {}, surface);
            }
            QCOMPARE(state.Simple.Times[1][++run], counts ? 0.2f : 0.3f);
            QCOMPARE(panel(), QColor(Qt::white));
        }
        QVERIFY(child(&w, "cmdStart")->isEnabled() && !child(&w, "cmdStop")->isEnabled());

        auto* box = child<QLineEdit>(&w, "txtSetComment");
        QTest::keyClicks(box, "warm-up");
        QCOMPARE(state.Simple.SetComment[0], QStringLiteral("warm-up"));
        QTest::mouseClick(child(&w, "cmdNextSet"), Qt::LeftButton);
        QCOMPARE(box->text(), QStringLiteral("set two"));
        QTest::mouseClick(child(&w, "CmdClearSet"), Qt::LeftButton);
        QVERIFY(box->text() == " " && state.Simple.SetComment[1] == " ");
    }

    // What the store holds reaches the cells and charts; a click on a bar deletes its run once
    // the chart's click is over; the comment box writes through; the tabs switch the charts.
    void resultsWindow()
    {
        FakePlatform fp;
        FakePrinting printing;
        AppState state;
        state.CurrentSet = 2;
        state.Simple.Times[2] = {0, .3f, .25f, .4f};
        frmDisplay w(state, fp.platform, printing);
        w.show();
        const auto cell = [&](int i) { return child<QLabel>(&w, qPrintable(QStringLiteral("lblRunData_%1").arg(i))); };
        auto* tabs = child<QTabWidget>(&w, "SSTab1");
        QCOMPARE(tabs->currentIndex(), 1);
        const QPalette fastest = cell(11)->palette();
        QCOMPARE(std::tuple(cell(11)->text(), fastest.color(QPalette::Window), fastest.color(QPalette::WindowText)),
                 std::tuple(QString("0.250"), QColor(0, 0, 255), QColor(Qt::white)));
        auto* run = qobject_cast<QBarSeries*>(child<QChartView>(&w, "grfRun")->chart()->series()[0]);
        QCOMPARE(run->barSets()[0]->at(2), 400.0);

        fp.prompt.answers = {MsgAnswer::Yes};
        emit run->clicked(0, run->barSets()[0]);
        QVERIFY(fp.prompt.shown.isEmpty());
        QTRY_COMPARE(cell(10)->text(), "0.250");
        QCOMPARE(run->barSets()[0]->at(2), 0.0);

        QTest::keyClicks(child(&w, "txtDescription_1"), "typed");
        QCOMPARE(state.Simple.SetComment[1], "typed");
        tabs->setCurrentIndex(kAllDataTab);
        QVERIFY(!child(&w, "grfRun")->isVisible() && child(&w, "grfSet")->isVisible());
    }

    // The settings open on the page asked for with the stored settings; Cancel drops what was
    // typed and hands back to the window that opened it.
    void settingsOpenOnPageAndCancel()
    {
        FakePlatform fp;
        AppState state;
        state.Config = ReflexConfig{};
        RecordingShell shell;
        SettingsModule module({state, fp.platform, shell}, std::make_unique<FakeMixer>());
        QWidget opener;
        int returned = 0;
        for (int page : {2, 0}) {
            module.open({Destination::Settings, &opener, [&] { ++returned; }, page});
            QCOMPARE(shell.shown, module.window());
            QCOMPARE(child<QTabWidget>(module.window(), "SSTab1")->currentIndex(), page);
            QCOMPARE(child<QLineEdit>(module.window(), "txtNumberRunCount")->text(), QStringLiteral("10"));
            module.window()->editor().leave(SettingsField::NumberRunCount, "12");
            QTest::mouseClick(child(module.window(), "cmdCancel"), Qt::LeftButton);
            QVERIFY(returned == (page ? 1 : 2) && shell.shown == &opener && state.Config == ReflexConfig{});
        }
    }

    // The colour dialog answers the colour it started on, the last one clicked, or -1.
    void colourSelection()
    {
        std::array<qint16, 16> palette{};
        std::iota(palette.begin(), palette.end(), qint16(0));
        using Case = std::tuple<QList<int>, const char*, int>;
        for (const auto& [clicks, button, selected] :
             {Case{{}, "cmdSelectColor", 6}, Case{{3, 12}, "cmdSelectColor", 12}, Case{{3}, "cmdCancelSelect", -1}}) {
            frmColorSelect d(palette, qRgb(192, 0, 0), 6);
            for (int i : clicks)
                child<QAbstractButton>(&d, qPrintable(QStringLiteral("ColorSelection_%1").arg(i)))->click();
            child<QAbstractButton>(&d, button)->click();
            QCOMPARE(d.SelectedColor(), selected);
        }
    }

    // Each element shows in the display box until the press blanks it. A press counts on the
    // surface, a target box and the disabled display box; the trigger box and a (disabled)
    // button take it themselves, and the element still waits for its press.
    void choiceWindowPresses_data() { bothTests(); }
    void choiceWindowPresses()
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
            {"Shape12_0", true}, {"txtInsideFrame", true}, {nullptr, true}, {"txtTriggerOnDisplay", false}, {"cmdStart", false}};
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
        // Elements 1, 2, 3, 0, 1: one press on the trigger, four on the others.
        QCOMPARE((QStringList{child<QLabel>(w.get(), "lblCorrectHits")->text(), child<QLabel>(w.get(), "lblInCorrectHits")->text()}),
                 (QStringList{"01", "04"}));
    }

    // Opened on set 1, Display off without a results window; Options opens the test's page and
    // coming back re-reads the length and the trigger picture (SOUNDS.ICO from the start
    // directory). Only the colour window keeps a comment as its box loses the focus.
    void choiceModuleWiring_data() { bothTests(); }
    void choiceModuleWiring()
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
        QVERIFY(shell.opened.size() == 1 && shell.opened[0].destination == Destination::Settings && shell.opened[0].page == (colour ? 1 : 2));
        ChoiceConfigBlock& b = colour ? state.Config.Color : state.Config.Number;
        b.RunCount = 4;
        b.TriggerOn = 0;
        shell.leave(shell.opened[0]);
        QCOMPARE(child<QLabel>(w, "lblRunCountNumber")->text(), QStringLiteral("   04"));
        QCOMPARE(std::pair(icon->accessibleName(), icon->pixmap().toImage().pixelColor(16, 16)), std::pair(QString("With Sound"), QColor(Qt::red)));

        shell.settings = false;
        module.open({module.destinations().at(0), nullptr, {}, 0});
        QVERIFY(!child(w, "cmdConfigure")->isEnabled());
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
