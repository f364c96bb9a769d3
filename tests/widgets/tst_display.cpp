// The results window on its form: what it shows, bar clicks, tabs, comments, Done; the print
// selection dialog; and a real ten-set report as a PDF, read back with pdftotext.
#include "fakes/Fakes.h"
#include "platform/QtPrinting.h"
#include "simple_results/SimpleReport.h"
#include "simple_results/frmDisplay.h"

#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChartView>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace reflex;

namespace {

struct Window {
    fakes::FakePlatform fp;
    fakes::FakePrinting printing;
    AppState state;
    std::unique_ptr<frmDisplay> w;

    Window()
    {
        state.CurrentSet = 2;
        state.Simple.Times[2] = {0, .3f, .25f, .4f};
        state.Simple.Times[7] = {0, .6f, .7f};
        state.Simple.SetComment[1] = "two";
        w = std::make_unique<frmDisplay>(state, fp.platform, printing);
        w->show();
    }
    template <typename T> T* find(const QString& name) const { return w->findChild<T*>(name); }
    QLabel* run(int set, int r) const { return find<QLabel>(QStringLiteral("lblRunData_%1").arg(10 * (set - 1) + r - 1)); }
    QBarSeries* bars(const char* chart) const
    {
        return qobject_cast<QBarSeries*>(find<QChartView>(chart)->chart()->series().constFirst());
    }
};

QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(30000) && p.exitCode() == 0 ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

} // namespace

class TestDisplay : public QObject {
    Q_OBJECT
private slots:
    void showsTheStoreOnItsCells()
    {
        Window t;
        auto* tabs = t.find<QTabWidget>("SSTab1");
        QCOMPARE(tabs->count(), kResultTabs);
        QCOMPARE(tabs->currentIndex(), 1); // the current set's tab
        QCOMPARE(t.run(2, 2)->text(), "0.250");
        QCOMPARE(t.run(2, 2)->palette().color(QPalette::Window), QColor(0, 0, 255));
        QCOMPARE(t.run(2, 2)->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(t.run(2, 3)->palette().color(QPalette::Window), QColor(0, 255, 255));
        QCOMPARE(t.run(2, 1)->palette().color(QPalette::Window), QColor(192, 192, 192));
        QCOMPARE(t.find<QLabel>("lblAverageData_1")->text(), "0.317");
        QCOMPARE(t.find<QLineEdit>("txtDescription_1")->text(), "two");
        QCOMPARE(t.bars("grfRun")->barSets()[0]->at(2), 400.0);
        QCOMPARE(t.bars("grfSet")->barSets()[6]->at(1), 700.0);
        QVERIFY(t.find<QChartView>("grfRun")->isVisible());
        QVERIFY(!t.find<QChartView>("grfSet")->isVisible());

        tabs->setCurrentIndex(kAllDataTab); // as a click on the tab
        QVERIFY(!t.find<QChartView>("grfRun")->isVisible());
        QVERIFY(t.find<QChartView>("grfSet")->isVisible());
    }

    // A click on a bar reaches the deletion with its series and point, after the click is done.
    void barClicksDelete()
    {
        Window t;
        t.fp.prompt.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
        QBarSeries* run = t.bars("grfRun");
        emit run->clicked(0, run->barSets()[0]);
        QCOMPARE(t.fp.prompt.shown.size(), 0);
        QTRY_COMPARE(t.run(2, 1)->text(), "0.250");
        QCOMPARE(t.fp.prompt.shown[0].text, "Delete run 1 from the set? ");
        QCOMPARE(t.run(2, 3)->text(), "0.000");

        t.find<QTabWidget>("SSTab1")->setCurrentIndex(kAllDataTab);
        QBarSeries* sets = t.bars("grfSet");
        emit sets->clicked(1, sets->barSets()[6]);
        QTRY_COMPARE(t.state.Simple.Times[7][2], 0.0f);
        QCOMPARE(t.fp.prompt.shown[1].text, "Delete run 2 for the set? ");
        QCOMPARE(t.find<QTabWidget>("SSTab1")->currentIndex(), kAllDataTab);
        QCOMPARE(sets->barSets()[6]->at(1), 0.0);
    }

    void commentsAndDone()
    {
        Window t;
        QLineEdit* box = t.find<QLineEdit>("txtDescription_1");
        box->clear();
        QTest::keyClicks(box, "typed");
        QCOMPARE(t.state.Simple.SetComment[1], "typed");
        QSignalSpy done(t.w.get(), &frmDisplay::doneRequested);
        t.find<QPushButton>("cmdDisplayDone")->click();
        QCOMPARE(done.size(), 1);
        QCOMPARE(t.state.Simple.SetComment[1], "typed");
    }

    // Buttons with a picture only are still reachable by name.
    void pictureButtonsHaveNames()
    {
        Window t;
        QStringList names;
        for (QPushButton* b : t.w->findChildren<QPushButton*>())
            if (b->text().isEmpty()) {
                QCOMPARE(b->toolTip(), b->accessibleName());
                QVERIFY(!b->icon().isNull());
                names << b->accessibleName();
            }
        names.sort();
        QCOMPARE(names, (QStringList{"Load", "Print", "Save"}));
    }

    void printDialog()
    {
        fakes::FakePrompt prompt;
        PrintSelection selection(prompt);
        selection.present({"Title", {}});
        int setups = 0;
        frmPrint dialog(selection, [&setups] { ++setups; });
        auto* ok = dialog.findChild<QPushButton*>("cmdOk");
        ok->click();
        QCOMPARE(prompt.shown.size(), 1);
        QVERIFY(!selection.PrintConfirmed);
        dialog.findChild<QPushButton*>("cmdAll")->click();
        QCOMPARE(dialog.findChild<QPushButton*>("cmdAll")->text(), "UnSelectAll");
        dialog.findChild<QCheckBox*>("chkBox_3")->setChecked(false);
        QTest::keyClicks(dialog.findChild<QLineEdit*>("txtTitle"), " edited");
        dialog.findChild<QPushButton*>("cmdSetup")->click();
        ok->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(selection.PrintConfirmed);
        QCOMPARE(selection.choice.title, "Title edited");
        QCOMPARE(std::count(selection.choice.ticked.begin(), selection.choice.ticked.end(), true), 9);
        QVERIFY(!selection.choice.ticked[3]);
        QCOMPARE(setups, 1);
    }

    // A real PDF of all ten sets: two pages, each under the title, every set and its values,
    // in the report font.
    void tenSetPdf()
    {
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is missing: scripts/deps.sh test");
        SetData data;
        for (int set = 1; set <= kSetCount; ++set) {
            data.Times[set] = {0, set / 10.0f, .25f, .25f, 0, .4f, 0, 0, 0, 0, 1.125f};
            data.SetFastest[set] = .25f;
            data.SetSlowest[set] = 1.125f;
            data.SetAverage[set] = .5f;
            data.SetComment[set - 1] = set == 3 ? QString() : QStringLiteral("Comment of set %1").arg(set);
        }
        fakes::FakePrompt prompt;
        QtPrinting printing(prompt);
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        auto printer = printing.openPdf(pdf);
        PrintChoice all{kSimpleReportTitle, {}};
        all.ticked.fill(true);
        printSimpleReport(*printer, all, data);
        QVERIFY(printer->finish());
        QTemporaryDir dir;
        dir.setAutoRemove(qEnvironmentVariableIsEmpty("REFLEX_KEEP_OUTPUT"));
        const QString path = dir.filePath("report.pdf");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(pdf.data()) == pdf.data().size());
        file.close();
        if (!dir.autoRemove())
            qInfo("report: %s", qPrintable(path));

        const QStringList pages = run(pdftotext, {path, "-"}).split(u'\f', Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), 2);
        for (int page = 0; page < 2; ++page) {
            const QString text = pages[page].simplified();
            QVERIFY2(text.startsWith("Orv Tovanel: Normal Reflex Data"), qPrintable(text.left(80)));
            for (int set = 5 * page + 1; set <= 5 * page + 5; ++set) {
                QVERIFY2(text.contains(QStringLiteral("Set %1 %2").arg(set).arg(set / 10.0, 0, 'f', 3)), qPrintable(text));
                QVERIFY(set == 3 || text.contains(QStringLiteral("Comment of set %1").arg(set)));
            }
            QCOMPARE(text.count("Fastest Time0.250Slowest Time"), 5);
            QCOMPARE(text.count("1.125"), 10); // run 10 and the slowest time of five sets
            QCOMPARE(text.count("Average Time"), 5);
        }
        const QString fonts = run(QStandardPaths::findExecutable("pdffonts"), {path});
        QVERIFY2(fonts.contains("LiberationSerif-Bold") && fonts.contains("LiberationSerif "), qPrintable(fonts));
    }
};

QTEST_MAIN(TestDisplay)
#include "tst_display.moc"
