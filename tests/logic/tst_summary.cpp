// The class summary tool run without a display on the small class in tests/fixtures/summary (its
// README works the expected values out by hand), a short file and a file of another kind among them.
#include "fakes/Fakes.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

using namespace brevane;

class TestSummary : public QObject {
    Q_OBJECT
private slots:
    // Every table and both charts written; the short file and the file of another kind named on
    // standard error with their reasons and skipped. ann.nrm and ann.col are one student; cat's
    // recover.dat is another.
    void tool()
    {
        QTemporaryDir dir;
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(name);
        tool.setProcessEnvironment(env);
        tool.setWorkingDirectory(BREVANE_FIXTURES "/summary");
        tool.start(SUMMARY_TOOL, {"--colour", "-o", dir.filePath("out"), "class", "notes.txt"});
        QVERIFY(tool.waitForFinished(60000));
        const QStringList said = QString::fromUtf8(tool.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(said, (QStringList{"brevane-summary: skipped notes.txt: not a recover.dat, .nrm or .col file",
                                    "brevane-summary: skipped class/bad.col: it has 18 lines; a .col file has 180",
                                    "brevane-summary: 5 files read, 2 skipped, 3 students, tests: simple, colour"}));
        QCOMPARE(tool.exitCode(), 0);

        for (const char* table : {"sets.csv", "students.csv", "class.csv"})
            QCOMPARE(fakes::readFile(dir.filePath("out/") + table),
                     fakes::fixture(qPrintable(QString("summary/expected/") + table)));

        QCOMPARE(fakes::readFile(dir.filePath("out/class-chart.pdf")).left(5), "%PDF-");
        const QImage chart(dir.filePath("out/class-chart.png"));
        QCOMPARE(chart.size(), QSize(1200, 800));
        int drawn = 0; // the boxes, dots, axis and text
        for (int y = 0; y < chart.height(); y += 4)
            for (int x = 0; x < chart.width(); x += 4)
                drawn += chart.pixel(x, y) != qRgb(255, 255, 255);
        QVERIFY2(drawn > 1500, qPrintable(QString::number(drawn)));
    }
};

QTEST_GUILESS_MAIN(TestSummary)
#include "tst_summary.moc"
