// The shell on its windows: menu and test windows replacing each other, the links, the simple
// results window behind the banner with its cells, charts and comment boxes, and a menu button
// made for a test the form lacks.
#include "app/Application.h"
#include "app/TestModules.h"
#include "app/Windows.h"
#include "shared/ResultsModule.h"
#include "shared/ResultsWindow.h"
#include "simple_test/SimpleTestModule.h"
#include "simple_test/frmReflex.h"
#include "widgets/Windows.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace brevane;
using namespace brevane::fakes;

class TestApp : public QObject {
    Q_OBJECT
private slots:
    // Menu and test window replace each other without nesting (a switch into a modal loop would
    // never hand the click back), and the sound's silence stream runs from a test window's opening
    // to its closing (not while the menu shows); No to Exit keeps the menu; links are enabled only when offered;
    // the results window comes behind the banner, on the test window's set (every window's names
    // for a screen reader: tst_translated). What the store holds reaches the
    // result cells and charts; a click on a bar deletes its run once the chart's click is over;
    // the comment box writes through; the tabs switch the charts.
    void applicationWindows()
    {
        // The whole program on fake services, started in a folder of its own, where its files land.
        QTemporaryDir dir;
        const auto back = qScopeGuard([start = QDir::currentPath()] { QDir::setCurrent(start); });
        AppState state;
        FakePlatform fp;
        Application app{state, fp.platform, QString()};
        QDir::setCurrent(dir.path());
        app.start();
        state.Simple.Times[2] = {0, .3f, .25f, .4f};
        QWidget* menu = app.mainMenu();
        QWidget* test = app.module<SimpleTestModule>()->window();
        for (int i = 0; i < 2; ++i) {
            QTest::mouseClick(child(menu, "cmdNormal"), Qt::LeftButton);
            QVERIFY(onlyVisible(test) && app.currentWindow() == test && fp.beeper.holds == 1);
            QTest::mouseClick(child(test, "cmdExit"), Qt::LeftButton);
            QVERIFY(onlyVisible(menu) && app.currentWindow() == menu && fp.beeper.holds == 0);
        }
        fp.prompt.answers.push_back(MsgAnswer::No);
        QTest::mouseClick(child(menu, "cmdExit"), Qt::LeftButton);
        QVERIFY(fp.prompt.answers.empty() && onlyVisible(menu)); // asked, and stayed

        const std::tuple<QWidget*, const char*, Destination> links[] = {
            // Simple and Display are clicked here
            {menu, "cmdColors", Destination::testWindow(kColorTest)},
            {menu, "cmdNumbers", Destination::testWindow(kNumberTest)},
            {menu, "cmdConfigure", Destination::Settings},
            {test, "cmdConfigure", Destination::Settings}};
        QTest::mouseClick(child(menu, "cmdNormal"), Qt::LeftButton);
        for (auto [window, name, destination] : links)
            QVERIFY2(child(window, name)->isEnabled() == app.offers(destination), name);
        QTest::mouseClick(child(test, "cmdNextSet"), Qt::LeftButton);
        QTest::mouseClick(child(test, "cmdDisplay"), Qt::LeftButton);
        auto* results = static_cast<ResultsModule*>(app.provider(Destination::resultsWindow(kSimpleTest)));
        QVERIFY(!results->window()); // made on the banner's first tick
        QTRY_VERIFY_WITH_TIMEOUT(onlyVisible(results->window()), 3000);
        QCOMPARE(fp.beeper.holds, 1); // the test window is open behind it

        ResultsWindow* w = results->window();
        const auto cell = [&](int i) { return child<QLabel>(w, qPrintable(QStringLiteral("lblRunData_%1").arg(i))); };
        const QPalette fastest = cell(11)->palette();
        QCOMPARE(std::tuple(cell(11)->text(), fastest.color(QPalette::Window), fastest.color(QPalette::WindowText)),
                 std::tuple(QString("0.250"), QColor(0, 0, 255), QColor(Qt::white)));
        auto* run = qobject_cast<QBarSeries*>(child<QChartView>(w, "grfRun")->chart()->series()[0]);

        fp.prompt.answers = {MsgAnswer::Yes};
        emit run->clicked(0, run->barSets()[0]);
        QVERIFY(!fp.prompt.answers.empty());           // not asked inside the chart's click
        QTRY_COMPARE(run->barSets()[0]->at(0), 250.0); // run 1 gone, the next moved up

        QTest::keyClicks(child(w, "txtDescription_1"), "typed");
        QCOMPARE(state.Simple.SetComment[1], "typed");
        child<QTabWidget>(w, "SSTab1")->setCurrentIndex(kAllDataTab);
        QVERIFY(!child(w, "grfRun")->isVisible() && child(w, "grfSet")->isVisible());

        // A test the form has no button for gets one, captioned, named and wired, and nothing
        // on the menu covers another or falls off it.
        std::vector<TestModules> tests(testModules().begin(), testModules().end());
        tests[2].menuButton = nullptr; // the number test's
        frmMain menu4(fp.platform.version, tests);
        std::optional<Destination> opened;
        QObject::connect(&menu4, &frmMain::openRequested, [&](Destination d) { opened = d; });
        menu4.setAvailable([](Destination) { return true; });
        auto* made = child<QPushButton>(&menu4, "cmdNumber");
        QTest::mouseClick(made, Qt::LeftButton);
        QVERIFY(made->text() == "Num/Audio" && made->accessibleName() == "Num/Audio");
        QVERIFY(opened == Destination::testWindow(kNumberTest));
        for (QWidget* w : menu4.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(menu4.rect().contains(w->geometry()) && (w == made || !w->geometry().intersects(made->geometry())),
                     qPrintable(w->objectName()));
    }
};

QTEST_MAIN(TestApp)
#include "tst_app.moc"
