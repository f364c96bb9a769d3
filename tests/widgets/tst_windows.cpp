#include "app/Application.h"
#include "app/Windows.h"
#include "fakes/Fakes.h"
#include "widgets/Controls.h"
#include "simple_test/frmReflex.h"
#include "simple_test/SimpleTestModule.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

using namespace reflex;
using reflex::fakes::centreIn;
using reflex::fakes::child;

namespace {

// Where on the stack each window's Show event is handled: the same place at every round trip
// unless switching nests.
struct ShowDepth final : QObject {
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            frames << quintptr(__builtin_frame_address(0));
        return false;
    }
    QList<quintptr> frames;
};

} // namespace

class TestWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // The offscreen platform cannot raise windows and says so at every switch.
        static QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
                if (!text.contains(QLatin1String("does not support raise()")))
                    previous(type, context, text);
            });
    }

    // The menu and the test window replace each other without nesting: a few round trips keep
    // the stack where it was and leave exactly one of them visible. Buttons to other modules are
    // enabled only when some module offers them, and every control can be found by name.
    void applicationWindows()
    {
        QTemporaryDir dir;
        const auto restore = qScopeGuard([start = QDir::currentPath()] { QDir::setCurrent(start); });
        QVERIFY(QDir::setCurrent(dir.path()));
        AppState state;
        fakes::FakePlatform fp;
        Application app(state, fp.platform, QString());
        app.start();
        QCOMPARE(fp.prompt.titles(), QStringList{QStringLiteral("Configuration file not found")});
        QWidget* menu = app.mainMenu();
        QWidget* test = app.module<SimpleTestModule>()->window();
        ShowDepth depth;
        menu->installEventFilter(&depth);
        test->installEventFilter(&depth);
        for (int i = 0; i < 5; ++i) {
            QTest::mouseClick(child(menu, "cmdNormal"), Qt::LeftButton);
            QVERIFY(test->isVisible() && !menu->isVisible() && app.currentWindow() == test);
            QTest::mouseClick(child(test, "cmdExit"), Qt::LeftButton);
            QVERIFY(menu->isVisible() && !test->isVisible() && app.currentWindow() == menu);
        }
        QCOMPARE(depth.frames.size(), 10);
        for (int i = 4; i < 10; ++i)
            QCOMPARE(depth.frames[i], depth.frames[i - 2]);

        const std::tuple<QWidget*, const char*, Destination> links[] = {
            {menu, "cmdNormal", Destination::SimpleTest}, {menu, "cmdColors", Destination::ColorTest},
            {menu, "cmdNumbers", Destination::NumberTest}, {menu, "cmdConfigure", Destination::Settings},
            {test, "cmdConfigure", Destination::Settings}, {test, "cmdDisplay", Destination::SimpleResults}};
        QTest::mouseClick(child(menu, "cmdNormal"), Qt::LeftButton);
        for (auto [window, name, destination] : links)
            QVERIFY2(child(window, name)->isEnabled() == app.offers(destination), name);

        for (QWidget* window : QApplication::topLevelWidgets()) {
            for (auto* button : window->findChildren<QAbstractButton*>())
                if (button->text().isEmpty() && !qobject_cast<QTabBar*>(button->parentWidget()))
                    QVERIFY2(!button->accessibleName().isEmpty() && !button->toolTip().isEmpty(),
                             qPrintable(button->objectName()));
            QSet<QWidget*> labelled;
            for (auto* label : window->findChildren<QLabel*>())
                labelled << label->buddy();
            for (QWidget* field : window->findChildren<QWidget*>())
                if (qobject_cast<QLineEdit*>(field) || qobject_cast<QAbstractSpinBox*>(field)
                    || qobject_cast<QComboBox*>(field))
                    QVERIFY2(labelled.contains(field) || !field->accessibleName().isEmpty(),
                             qPrintable(field->objectName()));
        }

        QTest::mouseClick(child(test, "cmdExit"), Qt::LeftButton);
        fp.prompt.answers.push_back(MsgAnswer::No);
        QTest::mouseClick(child(menu, "cmdExit"), Qt::LeftButton);
        QCOMPARE(fp.prompt.shown.last().text, QStringLiteral("Are you sure you want to exit?"));
        QVERIFY(menu->isVisible());
    }

    // Presses count on the bare surface and the two circles; a label or panel takes the press,
    // and the run stays armed for the next one. The comment box follows the set.
    void simpleTestWindow()
    {
        AppState state;
        state.Config = ReflexConfig{};
        state.Config.Normal = SimpleConfigBlock{1, 500, 1, 1, 1000, 5};
        state.Simple.SetComment[1] = QStringLiteral("set two");
        fakes::FakePlatform fp;
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
        int run = 1;
        for (auto [pos, counts] : presses) {
            fp.clock.advanceMs(500);
            QVERIFY(fp.timers.timers.at(0)->fire());
            QCOMPARE(panel(), QColor(192, 0, 0));
            fp.clock.advanceMs(200);
            QTest::mouseClick(&w, Qt::LeftButton, {}, pos);
            QCOMPARE(state.Simple.Times[1][run] > 0, counts);
            if (!counts) {
                fp.clock.advanceMs(100); // still armed: the surface takes it
                QTest::mouseClick(&w, Qt::LeftButton, {}, surface);
                QCOMPARE(state.Simple.Times[1][run], 0.3f);
            }
            QCOMPARE(panel(), QColor(Qt::white));
            ++run;
        }
        QCOMPARE(fp.prompt.shown.last().text, QStringLiteral("Your run has ended"));
        QVERIFY(child(&w, "cmdStart")->isEnabled());

        auto* box = child<QLineEdit>(&w, "txtSetComment");
        box->clear();
        QTest::keyClicks(box, "warm-up");
        QCOMPARE(state.Simple.SetComment[0], QStringLiteral("warm-up"));
        QTest::mouseClick(child(&w, "cmdNextSet"), Qt::LeftButton);
        QCOMPARE(box->text(), QStringLiteral("set two"));
        QTest::mouseClick(child(&w, "CmdClearSet"), Qt::LeftButton);
        QVERIFY(box->text() == " " && state.Simple.SetComment[1] == " " && state.Simple.SetComment[0] == "warm-up");
    }

    void loadingBannerRunsItsStepOnTheFirstTick()
    {
        frmLoadDisplay banner;
        int ran = 0;
        banner.run([&] { ++ran; });
        QVERIFY(banner.isVisible() && ran == 0);
        QTRY_COMPARE_WITH_TIMEOUT(ran, 1, 3000);
        QVERIFY(!banner.isVisible());
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
