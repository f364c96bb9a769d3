// The class summary tool run without a display on a small class written by the program's own
// writers, a refused file among them. Its tables hold the values worked by hand: means, medians,
// SDs and the paired interval (t quantile), the missed hits left out, and the hit and false-alarm
// rates with d' (normal quantile), a rate of 1 and of 0 among them (the log-linear correction).
#include "fakes/Fakes.h"
#include "shared/DataFile.h"
#include "shared/RecoveryFile.h"
#include "summary/ClassStatistics.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

using namespace reflex;
using namespace reflex::summary;

namespace {

// Ten sets with `runs` (ms) in set `set`, the counts of a choice test in `counts` when given.
void saveSets(const QString& path, int set, QList<int> runs, std::optional<Outcomes> o = {}, QString comment = {})
{
    SetData sets;
    OutcomeCounts counts;
    for (int r = 0; r < runs.size(); ++r)
        sets.Times[set][r + 1] = float(runs[r]) / 1000;
    sets.SetComment[set - 1] = comment;
    if (o)
        std::tie(counts.CorrectHits[set], counts.CorrectMisses[set], counts.InCorrectHits[set],
                 counts.MissedHits[set]) =
            std::tuple(o->correctHits, o->correctMisses, o->incorrectHits, o->missedHits);
    fakes::writeFile(path, fakes::written([&](QIODevice& d) {
                         writeDataFile(d, o ? kColFile : kNrmFile, {sets, &counts});
                     }));
}

} // namespace

class TestSummary : public QObject {
    Q_OBJECT
private slots:
    // The tool without a display: every table and both charts written, and a short file and a file
    // of another kind named on standard error with their reasons and skipped. ann.nrm and ann.col
    // are one student; cat's recover.dat is another.
    void tool()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("class/cat"));
        const auto path = [&](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
        saveSets(path("class/ann.nrm"), 1, {200, 220, 240});
        saveSets(path("class/ann.col"), 1, {400, 500, 1000}, Outcomes{2, 6, 1, 1}, "a, \"b\"\r\nc");
        saveSets(path("class/ben.nrm"), 1, {300});
        saveSets(path("class/ben.col"), 1, {500}, Outcomes{1, 5, 0, 0});
        AppState cat;
        cat.Simple.Times[3][1] = .25f;
        fakes::writeFile(path("class/cat/recover.dat"), fakes::written([&](QIODevice& d) { writeRecovery(d, cat); }));
        fakes::writeFile(path("class/bad.col"), fakes::readFile(path("class/ben.col")).left(56));
        fakes::writeFile(path("notes.txt"), "x");

        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(name);
        tool.setProcessEnvironment(env);
        tool.setWorkingDirectory(dir.path());
        tool.start(SUMMARY_TOOL, {"--colour", "-o", "out", "class", "notes.txt"});
        QVERIFY(tool.waitForFinished(60000));
        const QStringList said = QString::fromUtf8(tool.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(said, (QStringList{"brevane-summary: skipped notes.txt: not a recover.dat, .nrm or .col file",
                                    "brevane-summary: skipped class/bad.col: it has 18 lines; a .col file has 180",
                                    "brevane-summary: 5 files read, 2 skipped, 3 students, tests: simple, colour"}));
        QCOMPARE(tool.exitCode(), 0);

        const auto table = [&](const char* name) {
            return QString::fromUtf8(fakes::readFile(dir.filePath("out/") + name)).split("\r\n");
        };
        QCOMPARE(table("sets.csv"),
                 (QStringList{"file,test,set,n,mean_ms,median_ms,sd_ms,fastest_ms,slowest_ms,correct_hits,correct_"
                              "misses,incorrect_hits,"
                              "missed_hits,hit_rate,false_alarm_rate,d_prime",
                              "class/ann.col,colour,1,2,450.0,450.0,70.7,400,500,2,6,1,1,0.6667,0.1429,1.206",
                              "class/ann.nrm,simple,1,3,220.0,220.0,20.0,200,240,,,,,,,",
                              "class/ben.col,colour,1,1,500.0,500.0,,500,500,1,5,0,0,1.0000,0.0000,2.057",
                              "class/ben.nrm,simple,1,1,300.0,300.0,,300,300,,,,,,,",
                              "class/cat/recover.dat,simple,3,1,250.0,250.0,,250,250,,,,,,,", ""}));
        QCOMPARE(table("students.csv"), (QStringList{"student,simple_mean_ms,colour_mean_ms", "class/ann,220.0,450.0",
                                                     "class/ben,300.0,500.0", "class/cat,250.0,", ""}));
        QCOMPARE(table("class.csv"),
                 (QStringList{
                     "test,students,mean_ms,sd_ms,median_ms,paired_students,minus_simple_ms,minus_simple_ci95_low_ms,"
                     "minus_simple_ci95_high_ms",
                     "simple,3,256.7,40.4,250.0,,,,", "colour,2,475.0,35.4,475.0,2,215.0,24.4,405.6", ""}));

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
