// The results window on its form, and a real ten-set report as a PDF read back with poppler.
#include "fakes/Fakes.h"
#include "platform/QtPrinting.h"
#include "simple_results/SimpleReport.h"
#include "simple_results/frmDisplay.h"
#include "widgets/Controls.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace reflex;
using namespace reflex::fakes;

namespace {

QString output(const char* program, const QStringList& args)
{
    QProcess p;
    p.start(QStandardPaths::findExecutable(program), args);
    return p.waitForFinished(30000) && p.exitCode() == 0 ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

} // namespace

class TestDisplay : public QObject {
    Q_OBJECT
private slots:
    // What the store holds reaches the cells and charts; a click on a bar deletes its run once
    // the chart's click is over; the comment box writes through; the tabs switch the charts.
    void window()
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
        QCOMPARE((std::pair(cell(11)->text(), cell(11)->palette().color(QPalette::Window))), std::pair(QString("0.250"), QColor(0, 0, 255)));
        QCOMPARE(cell(11)->palette().color(QPalette::WindowText), QColor(Qt::white));
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

    // All ten sets: two pages under the title, every set with its values, in the report font.
    void tenSetPdf()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is missing: scripts/deps.sh test");
        SetData data;
        for (int set = 1; set <= kSetCount; ++set) {
            data.Times[set] = {0, set / 10.0f, .25f, 0, 0, 0, 0, 0, 0, 0, 1.125f};
            std::tie(data.SetAverage[set], data.SetFastest[set], data.SetSlowest[set]) = std::tuple(.5f, .25f, 1.125f);
            data.SetComment[set - 1] = QStringLiteral("Comment of set %1").arg(set);
        }
        FakePrompt prompt;
        QtPrinting printing(prompt);
        QTemporaryDir dir;
        QFile file(dir.filePath("report.pdf"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        auto printer = printing.openPdf(file);
        PrintChoice all{kSimpleReportTitle, {}};
        all.ticked.fill(true);
        printSimpleReport(*printer, all, data);
        QVERIFY(printer->finish());
        file.close();

        const QStringList pages = output("pdftotext", {file.fileName(), "-"}).split(u'\f', Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), 2);
        for (int page = 0; page < 2; ++page) {
            const QString text = pages[page].simplified();
            QVERIFY2(text.startsWith("Orv Tovanel: Normal Reflex Data"), qPrintable(text.left(80)));
            for (int set = 5 * page + 1; set <= 5 * page + 5; ++set)
                QVERIFY2(text.contains(QStringLiteral("Set %1 %2").arg(set).arg(set / 10.0, 0, 'f', 3))
                             && text.contains(QStringLiteral("Comment of set %1").arg(set)), qPrintable(text));
            QCOMPARE(text.count("Fastest Time0.250Slowest Time"), 5);
            QCOMPARE(text.count("1.125"), 10);
        }
        const QString fonts = output("pdffonts", {file.fileName()});
        QVERIFY2(fonts.contains("LiberationSerif-Bold") && fonts.contains("LiberationSerif "), qPrintable(fonts));
    }
};

QTEST_MAIN(TestDisplay)
#include "tst_display.moc"
