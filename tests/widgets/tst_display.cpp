// The results window on its form, and a real ten-set report as a PDF read back with poppler.
#include "fakes/Fakes.h"
#include "platform/QtPrinting.h"
#include "simple_results/SimpleReport.h"
#include "simple_results/frmDisplay.h"

#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChartView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace reflex;

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
    // the click is over; the comment box writes through; picture buttons carry names.
    void window()
    {
        fakes::FakePlatform fp;
        fakes::FakePrinting printing;
        AppState state;
        state.CurrentSet = 2;
        state.Simple.Times[2] = {0, .3f, .25f, .4f};
        frmDisplay w(state, fp.platform, printing);
        w.show();
        const auto find = [&w](const char* name, int i) { return w.findChild<QWidget*>(QStringLiteral("%1_%2").arg(name).arg(i)); };
        const auto cell = [&](int i) { return static_cast<QLabel*>(find("lblRunData", i)); };
        auto* tabs = w.findChild<QTabWidget*>("SSTab1");
        QCOMPARE((std::pair(tabs->count(), tabs->currentIndex())), std::pair(kResultTabs, 1));
        QCOMPARE((std::pair(cell(11)->text(), cell(11)->palette().color(QPalette::Window))), std::pair(QString("0.250"), QColor(0, 0, 255)));
        QCOMPARE(cell(11)->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(cell(12)->palette().color(QPalette::Window), QColor(0, 255, 255));
        auto* run = qobject_cast<QBarSeries*>(w.findChild<QChartView*>("grfRun")->chart()->series()[0]);
        QCOMPARE(run->barSets()[0]->at(2), 400.0);

        fp.prompt.answers = {MsgAnswer::Yes};
        emit run->clicked(0, run->barSets()[0]);
        QVERIFY(fp.prompt.shown.isEmpty());
        QTRY_COMPARE(cell(10)->text(), "0.250");
        QCOMPARE(run->barSets()[0]->at(2), 0.0);

        QTest::keyClicks(find("txtDescription", 1), "typed");
        QCOMPARE(state.Simple.SetComment[1], "typed");
        tabs->setCurrentIndex(kAllDataTab);
        QVERIFY(!w.findChild<QChartView*>("grfRun")->isVisible() && w.findChild<QChartView*>("grfSet")->isVisible());
        QStringList names;
        for (QPushButton* b : w.findChildren<QPushButton*>())
            if (b->text().isEmpty() && b->toolTip() == b->accessibleName() && !b->icon().isNull())
                names << b->accessibleName();
        names.sort();
        QCOMPARE(names, (QStringList{"Load", "Print", "Save"}));
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
        dir.setAutoRemove(qEnvironmentVariableIsEmpty("REFLEX_KEEP_OUTPUT")); // to look at it
        QFile file(dir.filePath("report.pdf"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(pdf.data()) == pdf.data().size());
        file.close();
        qInfo("%s", qPrintable(file.fileName()));

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
