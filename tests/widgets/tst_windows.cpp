#include "app/Application.h"
#include "app/Windows.h"
#include "fakes/Fakes.h"
#include "simple_test/frmReflex.h"
#include "simple_test/SimpleTestModule.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace reflex;

namespace {

template <typename T = QWidget>
T* child(QWidget* w, const char* name)
{
    T* c = w->findChild<T*>(QLatin1String(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

QPoint centreIn(QWidget* window, const char* name)
{
    QWidget* c = child(window, name);
    return c->mapTo(window, c->rect().center());
}

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

    void simpleTestWindowControls()
    {
        AppState state;
        state.Config = ReflexConfig{};
        fakes::FakePlatform fp;
        frmReflex w(state, fp.platform, {});
        QCOMPARE(w.windowTitle(), QStringLiteral("Simple Choice Stimulus Module"));
        QCOMPARE(w.size(), QSize(705, 574)); // 10575 x 8610 twips
        QCOMPARE(child(&w, "pnlInsideFrame")->geometry(), QRect(199, 198, 306, 115));
        QCOMPARE(child(&w, "Shape8")->geometry(), QRect(16, 216, 161, 89));
        QCOMPARE(child(&w, "Shape9")->geometry(), QRect(528, 216, 161, 89));
        const std::pair<const char*, const char*> captions[] = {
            {"cmdStart", "Start"}, {"cmdConfigure", "Options"}, {"CmdClearSet", "Clear Set"},
            {"cmdNextSet", "Next Set"}, {"cmdPreviousSet", "Prev Set"}, {"cmdDisplay", "Display"},
            {"cmdExit", "Done"}};
        for (auto [name, caption] : captions)
            QCOMPARE(child<QPushButton>(&w, name)->text(), QString::fromLatin1(caption));
        auto* stop = child<QPushButton>(&w, "cmdStop");
        QVERIFY(stop->text().isEmpty() && !stop->icon().isNull());
        QCOMPARE(stop->toolTip(), QStringLiteral("Stop"));
        QCOMPARE(stop->accessibleName(), QStringLiteral("Stop"));
        QVERIFY(!stop->isEnabled());
        QCOMPARE(child<QLabel>(&w, "lblVersion")->text(), QStringLiteral("Version 2.00"));
        QCOMPARE(child<QLabel>(&w, "lblTriggerLable")->text(), QStringLiteral("           Visual Trigger"));
        QCOMPARE(child<QLabel>(&w, "lblRunCountNumber")->text(), QStringLiteral("   10"));
        QCOMPARE(child<QLabel>(&w, "txtSetIndicator")->text(), QStringLiteral("1"));
        // not wired until the settings dialog and the results window exist
        QVERIFY(!child(&w, "cmdConfigure")->isEnabled());
        QVERIFY(!child(&w, "cmdDisplay")->isEnabled());
    }

    void pressesCountOnTheSurfaceAndTheCirclesOnly()
    {
        AppState state;
        state.Config = ReflexConfig{};
        state.Config.Normal.IntervalTiming = 1;
        state.Config.Normal.FixedTimeInterval = 500;
        state.Config.Normal.RunCount = 5;
        fakes::FakePlatform fp;
        frmReflex w(state, fp.platform, {});
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        fp.prompt.answers.push_back(MsgAnswer::Yes);
        QTest::mouseClick(child(&w, "cmdStart"), Qt::LeftButton);
        QVERIFY(child(&w, "cmdStop")->isEnabled());
        QVERIFY(!child(&w, "cmdStart")->isEnabled());

        auto timer = fp.timers.timers.at(0);
        int run = 0;
        auto stimulus = [&] {
            fp.clock.advanceMs(500);
            QVERIFY(timer->fire());
            QCOMPARE(child(&w, "pnlInsideFrame")->palette().color(QPalette::Window),
                     QColor(192, 0, 0));
        };
        const std::pair<QPoint, bool> presses[] = {
            {centreIn(&w, "Shape8"), true},
            {centreIn(&w, "Shape9"), true},
            {QPoint(10, 520), true},                     // bare surface
            {centreIn(&w, "txtPressHere_0"), false},     // a label takes the press
            {centreIn(&w, "pnlInsideFrame"), false},     // so does the stimulus panel
            {centreIn(&w, "lblTimeNumber"), false},
        };
        for (auto [pos, counts] : presses) {
            stimulus();
            fp.clock.advanceMs(200);
            QTest::mouseClick(&w, Qt::LeftButton, {}, pos);
            QCOMPARE(state.Simple.Times[1][run + 1] > 0, counts);
            if (counts) {
                ++run;
                QCOMPARE(child(&w, "pnlInsideFrame")->palette().color(QPalette::Window), QColor(Qt::white));
            } else {
                fp.clock.advanceMs(100); // still armed: the surface takes it
                QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(10, 520));
                QCOMPARE(state.Simple.Times[1][run + 1], 0.3f);
                ++run;
            }
            if (run == 5)
                break;
        }
        QCOMPARE(fp.prompt.shown.last().text, QStringLiteral("Your run has ended"));
        QVERIFY(child(&w, "cmdStart")->isEnabled());
    }

    void commentBoxFollowsTheSet()
    {
        AppState state;
        state.Config = ReflexConfig{};
        state.Simple.SetComment[1] = QStringLiteral("set two");
        fakes::FakePlatform fp;
        frmReflex w(state, fp.platform, {});
        auto* box = child<QLineEdit>(&w, "txtSetComment");
        QTest::keyClicks(box, "warm-up");
        QCOMPARE(state.Simple.SetComment[0], QStringLiteral("warm-up"));
        QTest::mouseClick(child(&w, "cmdNextSet"), Qt::LeftButton);
        QCOMPARE(box->text(), QStringLiteral("set two"));
        QTest::mouseClick(child(&w, "CmdClearSet"), Qt::LeftButton);
        QCOMPARE(box->text(), QStringLiteral(" "));
        QCOMPARE(state.Simple.SetComment[1], QStringLiteral(" "));
        QCOMPARE(state.Simple.SetComment[0], QStringLiteral("warm-up"));
    }

    void mainMenuButtons()
    {
        frmMain menu(ProgramVersion{2, 0, 0});
        const char* rows[][3] = {
            {"cmdNormal", "Simple", "Simple Single Stimulus Module"},
            {"cmdColors", "Color/Audio", "Complex Color/Audio Stimulus Module"},
            {"cmdNumbers", "Num/Audio", "Complex Number/Audio Stimulus Module"},
            {"cmdConfigure", "Options", "Edit Brev Settings"},
            {"cmdClearData", "Clear Data", "Clear All Data Sets"},
            {"cmdRecover", "Recover", "Recover Data after a system crash"},
            {"cmdAbout", "About", "Display About box"},
            {"cmdExit", "Exit", "Quit Brev"}};
        for (auto& row : rows) {
            auto* b = child<QPushButton>(&menu, row[0]);
            QCOMPARE(b->text(), QString::fromLatin1(row[1]));
            QCOMPARE(b->toolTip(), QString::fromLatin1(row[2]));
        }
        menu.show();
        QCOMPARE(child<QLabel>(&menu, "lblVersion")->text(), QStringLiteral("Version 2.0.0"));
    }

    // The menu and the test window replace each other without nesting event loops: a
    // thousand round trips end, and exactly one window is visible after each.
    void switchingWindowsDoesNotNest()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString old = QDir::currentPath();
        QDir::setCurrent(dir.path());
        {
            AppState state;
            fakes::FakePlatform fp;
            Application app(state, fp.platform, QString());
            app.start();
            QCOMPARE(fp.prompt.titles(), QStringList{QStringLiteral("Configuration file not found")});
            QVERIFY(app.mainMenu()->isVisible());
            for (int i = 0; i < 1000; ++i) {
                QTest::mouseClick(child(app.mainMenu(), "cmdNormal"), Qt::LeftButton);
                QVERIFY(app.module<SimpleTestModule>()->window()->isVisible() && !app.mainMenu()->isVisible());
                QTest::mouseClick(child(app.module<SimpleTestModule>()->window(), "cmdExit"), Qt::LeftButton);
                QVERIFY(app.mainMenu()->isVisible() && !app.module<SimpleTestModule>()->window()->isVisible());
            }
            fp.prompt.answers.push_back(MsgAnswer::No);
            QTest::mouseClick(child(app.mainMenu(), "cmdExit"), Qt::LeftButton);
            QCOMPARE(fp.prompt.shown.last().text, QStringLiteral("Are you sure you want to exit?"));
            QVERIFY(app.mainMenu()->isVisible());
        }
        QDir::setCurrent(old);
    }

    void loadingBannerRunsItsStepOnTheFirstTick()
    {
        frmLoadDisplay banner;
        int ran = 0;
        banner.run([&] { ++ran; });
        QVERIFY(banner.isVisible());
        QCOMPARE(ran, 0);
        QTRY_COMPARE_WITH_TIMEOUT(ran, 1, 3000);
        QVERIFY(!banner.isVisible());
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
