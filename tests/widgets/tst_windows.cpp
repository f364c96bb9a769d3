#include "app/Application.h"
#include "app/Windows.h"
#include "fakes/Fakes.h"
#include "simple_results/SimpleResultsModule.h"
#include "simple_results/frmDisplay.h"
#include "simple_test/SimpleTestModule.h"
#include "simple_test/frmReflex.h"
#include "widgets/Controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

using namespace reflex;
using namespace reflex::fakes;

namespace {

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
    // The menu and the test window replace each other without nesting: round trips keep the
    // stack where it was and leave one window visible. Buttons to other modules are enabled
    // only when some module offers them; the results window comes behind the loading banner.
    // In every window, picture-only buttons and text fields have names a screen reader says.
    void applicationWindows()
    {
        QTemporaryDir dir;
        const auto restore = qScopeGuard([start = QDir::currentPath()] { QDir::setCurrent(start); });
        QVERIFY(QDir::setCurrent(dir.path()));
        AppState state;
        FakePlatform fp;
        Application app(state, fp.platform, QString());
        app.start();
        QCOMPARE(fp.prompt.titles(), QStringList{QStringLiteral("Configuration file not found")});
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
        QCOMPARE(fp.prompt.shown.last().text, QStringLiteral("Are you sure you want to exit?"));
        QVERIFY(onlyVisible(menu));
    }

    // Presses count on the bare surface and the two circles; a label or panel takes the press,
    // and the run stays armed for the next one. The comment box follows the set.
    void simpleTestWindow()
    {
        AppState state;
        state.Config = ReflexConfig{};
        state.Config.Normal = SimpleConfigBlock{1, 500, 1, 1, 1000, 5};
        state.Simple.SetComment[1] = QStringLiteral("set two");
        FakePlatform fp;
        frmReflex w(state, fp.platform, {});
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        fp.prompt.answers.push_back(MsgAnswer::Yes);
        QTest::mouseClick(child(&w, "cmdStart"), Qt::LeftButton);
        QVERIFY(child(&w, "cmdStop")->isEnabled() && !child(&w, "cmdStart")->isEnabled());

        const QPoint surface(10, 520);
        const std::pair<QPoint, bool> presses[] = {
            {centreIn(&w, "Shape8"), true}, {centreIn(&w, "Shape9"), true}, {surface, true},
            {centreIn(&w, "txtPressHere_0"), false}, {centreIn(&w, "pnlInsideFrame"), false}};
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
        box->clear();
        QTest::keyClicks(box, "warm-up");
        QCOMPARE(state.Simple.SetComment[0], QStringLiteral("warm-up"));
        QTest::mouseClick(child(&w, "cmdNextSet"), Qt::LeftButton);
        QCOMPARE(box->text(), QStringLiteral("set two"));
        QTest::mouseClick(child(&w, "CmdClearSet"), Qt::LeftButton);
        QVERIFY(box->text() == " " && state.Simple.SetComment[1] == " " && state.Simple.SetComment[0] == "warm-up");
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
