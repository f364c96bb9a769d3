// The colour and number results windows, opened from their test windows' Display and left with
// Done.
#include "app/Application.h"
#include "app/Windows.h"
#include "shared/ResultsModule.h"
#include "shared/ResultsWindow.h"
#include "widgets/Windows.h"

#include <QLabel>
#include <QTabWidget>

using namespace reflex;
using namespace reflex::fakes;

class TestComplexResults : public QObject {
    Q_OBJECT
private slots:
    // Display in a choice window stores the comment box; after the banner the test's own results
    // window shows its sets with their counts, and Export writes them; Done hands the comments
    // back to the test window.
    // One window is shown at a time throughout.
    void choiceDisplay_data() { testRows(false); }
    void choiceDisplay()
    {
        QFETCH(int, test);
        const bool colour = test == int(ChoiceTest::Color);
        AppRig rig;
        AppState& state = rig.state;
        FakePlatform& fp = rig.fp;
        Application& app = rig.app;
        ChoiceStore& store = colour ? state.Color : state.Number;
        store.Times[1][1] = .25f;
        store.CorrectHits[1] = 3;
        QTest::mouseClick(child(app.mainMenu(), colour ? "cmdColors" : "cmdNumbers"), Qt::LeftButton);
        QWidget* testWindow = app.currentWindow();
        QTest::keyClicks(child(testWindow, "txtSetComment"), "typed");
        QTest::mouseClick(child(testWindow, "cmdDisplay"), Qt::LeftButton);
        auto* module =
            static_cast<ResultsModule*>(app.provider(colour ? Destination::ColorResults : Destination::NumberResults));
        QTRY_VERIFY_WITH_TIMEOUT(onlyVisible(module->window()), 3000);
        ResultsWindow* w = module->window();
        QCOMPARE(w->windowTitle(), colour ? "Complex Choice Color/Audio Stimulus Module Data Display"
                                          : "Complex Choice Number/Audio Stimulus Module Data Display");
        const auto text = [w](const char* name) { return child<QLabel>(w, name)->text(); };
        QCOMPARE((QStringList{text("lblRunData_0"), text("lblCorrectHitsData_0"), text("lblMissedHitsData_0")}),
                 (QStringList{"0.250", "003", "000"}));
        QCOMPARE(child<QTabWidget>(w, "SSTab1")->count(), 13);
        checkNamed();
        fp.files.answers = {rig.dir.filePath("r.csv")};
        QTest::mouseClick(child(w, "cmdExport"), Qt::LeftButton);
        QCOMPARE(readFile(rig.dir.filePath("r.csv")), "test,set,run,rt_ms,outcome,comment\r\n" +
                                                          QByteArray(colour ? "colour" : "number") +
                                                          ",1,1,250,correct hit,typed\r\n");
        auto* comment = child<QLineEdit>(w, "txtDescription_0");
        QCOMPARE(comment->text(), "typed");
        QTest::keyClicks(comment, " again");
        QTest::mouseClick(child(w, "cmdDisplayDone"), Qt::LeftButton);
        QVERIFY(onlyVisible(testWindow));
        QCOMPARE(child<QLineEdit>(testWindow, "txtSetComment")->text(), "typed again");
    }
};

QTEST_MAIN(TestComplexResults)
#include "tst_complexresults.moc"
