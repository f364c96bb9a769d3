// The windows on their forms: switching, links, accessibility, each window's controls wired to
// its logic and its display state shown.
#include "app/Application.h"
#include "app/Windows.h"
#include "complex_test/ChoiceTestModule.h"
#include "complex_test/ChoiceWindow.h"
#include "config/SettingsModule.h"
#include "config/frmCfg.h"
#include "config/frmColorSelect.h"
#include "fakes/Fakes.h"
#include "shared/ResultsModule.h"
#include "shared/ResultsWindow.h"
#include "simple_test/SimpleTestModule.h"
#include "simple_test/frmReflex.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <numeric>

using namespace reflex;
using namespace reflex::fakes;

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

void testRows(bool withSimple)
{
    QTest::addColumn<int>("test"); // a ChoiceTest, or -1 for the simple test
    if (withSimple)
        QTest::newRow("simple") << -1;
    QTest::newRow("colour") << int(ChoiceTest::Color);
    QTest::newRow("number") << int(ChoiceTest::Number);
}

bool onlyVisible(QWidget* window)
{
    return window && window->isVisible()
           && std::ranges::count_if(QApplication::topLevelWidgets(), &QWidget::isVisible) == 1;
}

// Every picture-only button and text field has a name a screen reader says.
void checkNamed()
{
    for (QWidget* w : QApplication::allWidgets()) {
        const auto* button = qobject_cast<QAbstractButton*>(w);
        const bool picture = button && button->text().isEmpty() && !qobject_cast<QTabBar*>(w->parentWidget());
        if (qobject_cast<QLineEdit*>(w) || picture) // its own name or its label's; a picture's tip says it too
            QVERIFY2(!QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty()
                         && (!picture || !w->toolTip().isEmpty()), qPrintable(w->objectName()));
    }
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT
private slots:
    // Menu and test window replace each other without nesting (a switch into a modal loop would
    // never hand the click back); No to Exit keeps the menu; links are enabled only when offered;
    // the results window comes behind the banner, on the test window's set; every picture-only
    // button and text field has a name a screen reader says. What the store holds reaches the
    // result cells and charts; a click on a bar deletes its run once the chart's click is over;
    // the comment box writes through; the tabs switch the charts.
    void applicationWindows()
    {
        QTemporaryDir dir;
        const auto restore = qScopeGuard([start = QDir::currentPath()] { QDir::setCurrent(start); });
        QVERIFY(QDir::setCurrent(dir.path()));
        AppState state;
        FakePlatform fp;
        Application app(state, fp.platform, QString());
        app.start();
        state.Simple.Times[2] = {0, .3f, .25f, .4f};
        QWidget* menu = app.mainMenu();
        QWidget* test = app.module<SimpleTestModule>()->window();
        for (int i = 0; i < 2; ++i) {
            QTest::mouseClick(child(menu, "cmdNormal"), Qt::LeftButton);
            QVERIFY(onlyVisible(test) && app.currentWindow() == test);
            QTest::mouseClick(child(test, "cmdExit"), Qt::LeftButton);
            QVERIFY(onlyVisible(menu) && app.currentWindow() == menu);
        }
        fp.prompt.answers.push_back(MsgAnswer::No);
        QTest::mouseClick(child(menu, "cmdExit"), Qt::LeftButton);
        QVERIFY(fp.prompt.answers.empty() && onlyVisible(menu)); // asked, and stayed

        const std::tuple<QWidget*, const char*, Destination> links[] = { // Simple and Display are clicked here
            {menu, "cmdColors", Destination::ColorTest}, {menu, "cmdNumbers", Destination::NumberTest},
            {menu, "cmdConfigure", Destination::Settings}, {test, "cmdConfigure", Destination::Settings}};
        QTest::mouseClick(child(menu, "cmdNormal"), Qt::LeftButton);
        for (auto [window, name, destination] : links)
            QVERIFY2(child(window, name)->isEnabled() == app.offers(destination), name);
        QTest::mouseClick(child(test, "cmdNextSet"), Qt::LeftButton);
        QTest::mouseClick(child(test, "cmdDisplay"), Qt::LeftButton);
        auto* results = static_cast<ResultsModule*>(app.provider(Destination::SimpleResults));
        QVERIFY(!results->window()); // made on the banner's first tick
        QTRY_VERIFY_WITH_TIMEOUT(onlyVisible(results->window()), 3000);

        checkNamed();

        ResultsWindow* w = results->window();
        const auto cell = [&](int i) { return child<QLabel>(w, qPrintable(QStringLiteral("lblRunData_%1").arg(i))); };
        const QPalette fastest = cell(11)->palette();
        QCOMPARE(std::tuple(cell(11)->text(), fastest.color(QPalette::Window), fastest.color(QPalette::WindowText)),
                 std::tuple(QString("0.250"), QColor(0, 0, 255), QColor(Qt::white)));
        auto* run = qobject_cast<QBarSeries*>(child<QChartView>(w, "grfRun")->chart()->series()[0]);

        fp.prompt.answers = {MsgAnswer::Yes};
        emit run->clicked(0, run->barSets()[0]);
        QVERIFY(!fp.prompt.answers.empty()); // not asked inside the chart's click
        QTRY_COMPARE(run->barSets()[0]->at(0), 250.0); // run 1 gone, the next moved up

        QTest::keyClicks(child(w, "txtDescription_1"), "typed");
        QCOMPARE(state.Simple.SetComment[1], "typed");
        child<QTabWidget>(w, "SSTab1")->setCurrentIndex(kAllDataTab);
        QVERIFY(!child(w, "grfRun")->isVisible() && child(w, "grfSet")->isVisible());
    }

    // Each stimulus shows until a press that counts takes it away: on the bare surface, a target or the disabled
    // choice display box. The simple panel, the trigger box and a (disabled) button keep their press, and the
    // stimulus waits for the next one. Stop is on while the series runs; the comment box follows the set.
    void seriesPresses_data() { testRows(true); }
    void seriesPresses()
    {
        QFETCH(int, test);
        const bool simple = test < 0, number = test == int(ChoiceTest::Number);
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
                                             : number ? W(new frmNumberReflex(state, fp.platform, random, nullptr))
                                                      : W(new frmColorReflex(state, fp.platform, random, nullptr)));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        fp.prompt.answers.push_back(MsgAnswer::Yes);
        QTest::mouseClick(child(w.get(), "cmdStart"), Qt::LeftButton);
        QVERIFY(child(w.get(), "cmdStop")->isEnabled() && !child(w.get(), "cmdStart")->isEnabled());

        int element = 0;
        const auto shows = [&](bool out) { // the stimulus, or the display blank
            if (number) { // what a screen reader says is what the display shows
                auto* box = child<QLabel>(w.get(), "txtInsideFrame");
                const QString want = out ? QStringLiteral(" %1").arg(cfg.Element[element]) : QStringLiteral(" ");
                return box->text() == want && QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name) == want;
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
                                       : Presses{{"Shape12_0", false}, {"txtInsideFrame", false}, {nullptr, false},
                                                 {"txtTriggerOnDisplay", true}, {"cmdStart", true}};
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

    // Display in a choice window stores the comment box; after the banner the test's own results
    // window shows its sets with their counts; Done hands the comments back to the test window.
    // One window is shown at a time throughout.
    void choiceDisplay_data() { testRows(false); }
    void choiceDisplay()
    {
        QFETCH(int, test);
        const bool colour = test == int(ChoiceTest::Color);
        QTemporaryDir dir;
        const auto restore = qScopeGuard([start = QDir::currentPath()] { QDir::setCurrent(start); });
        QVERIFY(QDir::setCurrent(dir.path()));
        AppState state;
        FakePlatform fp;
        Application app(state, fp.platform, QString());
        app.start();
        ChoiceStore& store = colour ? state.Color : state.Number;
        store.Times[1][1] = .25f;
        store.CorrectHits[1] = 3;
        QTest::mouseClick(child(app.mainMenu(), colour ? "cmdColors" : "cmdNumbers"), Qt::LeftButton);
        QWidget* testWindow = app.currentWindow();
        QTest::keyClicks(child(testWindow, "txtSetComment"), "typed");
        QTest::mouseClick(child(testWindow, "cmdDisplay"), Qt::LeftButton);
        auto* module = static_cast<ResultsModule*>(app.provider(colour ? Destination::ColorResults : Destination::NumberResults));
        QTRY_VERIFY_WITH_TIMEOUT(onlyVisible(module->window()), 3000);
        ResultsWindow* w = module->window();
        QCOMPARE(w->windowTitle(), colour ? "Complex Choice Color/Audio Stimulus Module Data Display"
                                          : "Complex Choice Number/Audio Stimulus Module Data Display");
        const auto text = [w](const char* name) { return child<QLabel>(w, name)->text(); };
        QCOMPARE((QStringList{text("lblRunData_0"), text("lblCorrectHitsData_0"), text("lblMissedHitsData_0")}),
                 (QStringList{"0.250", "003", "000"}));
        QCOMPARE(child<QTabWidget>(w, "SSTab1")->count(), 13);
        checkNamed();
        auto* comment = child<QLineEdit>(w, "txtDescription_0");
        QCOMPARE(comment->text(), "typed");
        QTest::keyClicks(comment, " again");
        QTest::mouseClick(child(w, "cmdDisplayDone"), Qt::LeftButton);
        QVERIFY(onlyVisible(testWindow));
        QCOMPARE(child<QLineEdit>(testWindow, "txtSetComment")->text(), "typed again");
    }

    // The colour dialog answers the colour it started on, the last one clicked, or -1.
    void colourSelection()
    {
        std::array<qint16, 16> palette{};
        std::iota(palette.rbegin(), palette.rend(), qint16(0)); // button i picks palette number 15 - i
        using Case = std::tuple<QList<int>, const char*, int>;
        for (const auto& [clicks, button, selected] :
             {Case{{}, "cmdSelectColor", 6}, Case{{3, 12}, "cmdSelectColor", 3}, Case{{3}, "cmdCancelSelect", -1}}) {
            frmColorSelect d(palette, qRgb(192, 0, 0), 6);
            for (int i : clicks)
                child<QAbstractButton>(&d, qPrintable(QStringLiteral("ColorSelection_%1").arg(i)))->click();
            child<QAbstractButton>(&d, button)->click();
            QCOMPARE(d.SelectedColor(), selected);
        }
    }

    // Opened on set 1, Display off without a results window. Options opens the settings on the
    // test's page with the stored settings; Cancel drops what was typed and hands back, and the
    // window re-reads the length and the trigger picture (SOUNDS.ICO from the start directory).
    // Only the colour window keeps a comment as its box loses the focus.
    void choiceModuleWiring_data() { testRows(false); }
    void choiceModuleWiring()
    {
        QFETCH(int, test);
        const bool colour = test == int(ChoiceTest::Color);
        QTemporaryDir dir;
        QImage red(16, 16, QImage::Format_ARGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(dir.filePath(QStringLiteral("sounds.ico")), "ICO"));
        AppState state;
        state.Config = ReflexConfig{};
        state.StartDirectory = dir.path();
        FakePlatform fp;
        RecordingShell shell;
        ChoiceTestModule module({state, fp.platform, shell}, ChoiceTest(test));
        module.preload();
        state.CurrentSet = 7; // after the window's own start
        module.open({module.destinations().at(0), nullptr, {}, 0});
        ChoiceWindow* w = module.window();
        QVERIFY(shell.shown == w && state.CurrentSet == 1 && !child(w, "cmdDisplay")->isEnabled());
        auto* icon = child<QLabel>(w, "picTriggerOnDisplay");

        auto* comment = child<QLineEdit>(w, "txtSetComment");
        comment->setText(QStringLiteral("typed"));
        QFocusEvent out(QEvent::FocusOut);
        QCoreApplication::sendEvent(comment, &out);
        QCOMPARE((colour ? state.Color : state.Number).SetComment[0], colour ? QStringLiteral("typed") : QString());

        QTest::mouseClick(child(w, "cmdConfigure"), Qt::LeftButton);
        QVERIFY(shell.opened.size() == 1 && shell.opened[0].destination == Destination::Settings);
        auto mixer = std::make_unique<FakeMixer>();
        const QList<long>& volumes = mixer->values;
        SettingsModule settings({state, fp.platform, shell}, std::move(mixer));
        settings.open(shell.opened[0]); // as the shell routes it
        frmCfg* dialog = settings.window();
        // The 75 the slider shows at first is on the device (75 % of 0..65535).
        QVERIFY(child<QSlider>(dialog, "VolSlider")->value() == 75 && volumes == QList<long>{49151});
        const auto* runs = child<QLineEdit>(dialog, "txtNormRunCount");
        QCOMPARE(child<QTabWidget>(dialog, "SSTab1")->currentIndex(), colour ? 1 : 2);
        QVERIFY(shell.shown == dialog && runs->text() == "10");
        dialog->editor().leave(SettingsField::NormRunCount, "12");
        ChoiceConfigBlock& b = colour ? state.Config.Color : state.Config.Number; // as if stored meanwhile
        b.RunCount = 4;
        b.TriggerOn = 0;
        QTest::mouseClick(child(dialog, "cmdCancel"), Qt::LeftButton);
        QVERIFY(shell.shown == w && state.Config.Normal.RunCount == 10);
        QCOMPARE(child<QLabel>(w, "lblRunCountNumber")->text(), QStringLiteral("   04"));
        QCOMPARE(std::pair(icon->accessibleName(), icon->pixmap().toImage().pixelColor(16, 16)),
                 std::pair(QString("With Sound"), QColor(Qt::red)));
        settings.open(shell.opened[0]);
        QCOMPARE(runs->text(), QStringLiteral("10")); // what is stored, not what was typed

        shell.settings = false;
        module.open({module.destinations().at(0), nullptr, {}, 0});
        QVERIFY(!child(w, "cmdConfigure")->isEnabled());
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
