// The simple results window without its window: statistics and highlights, chart values, tabs,
// run deletion, Clear All, the comments, and the .nrm file.
#include "fakes/Fakes.h"
#include "shared/ResultsRules.h"
#include "simple_results/SimpleDataFile.h"
#include "simple_results/SimpleResults.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

using namespace reflex;
using Times = QList<float>;

namespace {

struct View final : SimpleResultsView {
    void render() override { ++renders; }
    int renders = 0;
};

struct Fixture {
    fakes::FakePlatform fp;
    fakes::FakePrinting printing;
    AppState state;
    View view;
    SimpleResults results{state, fp.platform, printing, view};

    void setRuns(int set, const Times& times)
    {
        for (int r = 0; r < times.size(); ++r)
            state.Simple.Times[set][r + 1] = times[r];
    }
    Times runs(int set) const
    {
        return Times(state.Simple.Times[set].begin() + 1, state.Simple.Times[set].begin() + 11);
    }
    const ResultCell& cell(int set, int run) const { return results.display().lblRunData[10 * (set - 1) + run - 1]; }
    // "F" fastest, "S" slowest, "FS" both, "." neither, run by run.
    QString marks(int set) const
    {
        QString out;
        for (int r = 1; r <= 10; ++r) {
            const ResultCell& c = cell(set, r);
            const bool fast = c.whiteText, slow = c.background == paletteColour(11);
            const bool normal = c == ResultCell{c.text};
            out += fast && slow ? "FS" : fast ? "F" : slow ? "S" : normal ? "." : "?";
        }
        return out;
    }
};

QString tempFile(const QTemporaryDir& dir, const char* name) { return dir.filePath(QString::fromLatin1(name)); }

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestSimpleResults : public QObject {
    Q_OBJECT
private slots:
    void statistics_data()
    {
        QTest::addColumn<Times>("times");
        QTest::addColumn<QStringList>("shown"); // fast, slow, average
        QTest::addColumn<QString>("marks");
        QTest::addRow("a gap and a tie") << Times{.300f, .250f, .250f, 0, .400f}
                                         << QStringList{"0.250", "0.400", "0.300"} << ".F..S.....";
        QTest::addRow("no data") << Times{} << QStringList{"0.000", "0.000", "0.000"} << "..........";
        QTest::addRow("one time is both") << Times{0, 0, .5f} << QStringList{"0.500", "0.500", "0.500"}
                                          << "..FS.......";
        QTest::addRow("all equal: the first") << Times{.2f, .2f, .2f} << QStringList{"0.200", "0.200", "0.200"}
                                              << "FS.........";
    }

    void statistics()
    {
        QFETCH(Times, times);
        QFETCH(QStringList, shown);
        QFETCH(QString, marks);
        Fixture f;
        f.setRuns(3, {.9f, .1f, .5f}); // marks of an earlier refresh that must not stay
        f.results.activate();
        f.setRuns(3, Times(10, 0));
        f.setRuns(3, times);
        f.state.Simple.Times[3][11] = 0.05f; // runs 11..20 are not counted
        f.results.activate();

        const SimpleResultsDisplay& d = f.results.display();
        QCOMPARE((QStringList{d.lblFastTime[2].text, d.lblSlowTime[2].text, d.lblAverageTime[2]}), shown);
        QCOMPARE((QStringList{d.lblFastData[2], d.lblSlowData[2], d.lblAverageData[2]}), shown);
        QCOMPARE(f.marks(3), marks);
        for (int r = 1; r <= 10; ++r) // an empty run shows 0.000 too
            QCOMPARE(f.cell(3, r).text, formatSeconds(r <= times.size() ? times[r - 1] : 0));
        const bool any = marks.contains('F');
        QCOMPARE(d.lblFastTime[2].background, any ? paletteColour(9) : paletteColour(7));
        QCOMPARE(d.lblSlowTime[2].background, any ? paletteColour(11) : paletteColour(7));
        QCOMPARE(formatSeconds(f.state.Simple.SetAverage[3]), shown[2]); // written back to the store
        QCOMPARE(formatSeconds(f.state.Simple.SetFastest[3]), shown[0]);
        QCOMPARE(formatSeconds(f.state.Simple.SetSlowest[3]), shown[1]);
    }

    void chartValue_data()
    {
        QTest::addColumn<float>("seconds");
        QTest::addColumn<QString>("value");
        for (const auto& [s, v] : {std::pair{1.25f, "1000"}, {0.0004f, "0000"}, {0.234f, "0234"}, {1.0f, "1000"},
                                   {0.9996f, "1000"}, {0.0f, "0000"}, {1.0001f, "1000"}})
            QTest::addRow("%g s", double(s)) << s << QString::fromLatin1(v);
    }

    void chartValue()
    {
        QFETCH(float, seconds);
        QFETCH(QString, value);
        QCOMPARE(chartValueText(seconds), value);
        QCOMPARE(reflex::chartValue(seconds), value.toInt());
    }

    // Runs move down behind the deleted one, run 10 empties, 11..20 never move.
    void deleteRun_data()
    {
        QTest::addColumn<int>("run");
        QTest::addColumn<Times>("before");
        QTest::addColumn<Times>("after");
        const Times full{.1f, .2f, .3f, .4f, .5f, .6f, .7f, .8f, .9f, .95f};
        QTest::addRow("run 3 of five") << 3 << Times{.1f, .2f, .3f, .4f, .5f} << Times{.1f, .2f, .4f, .5f, 0};
        QTest::addRow("run 10") << 10 << full << Times{.1f, .2f, .3f, .4f, .5f, .6f, .7f, .8f, .9f, 0};
        QTest::addRow("run 1") << 1 << full << Times{.2f, .3f, .4f, .5f, .6f, .7f, .8f, .9f, .95f, 0};
        QTest::addRow("run 11 is no run") << 11 << full << full;
    }

    void deleteRun()
    {
        QFETCH(int, run);
        QFETCH(Times, before);
        QFETCH(Times, after);
        RunRow row{};
        std::copy(before.begin(), before.end(), row.begin() + 1);
        row[11] = 1.5f;
        reflex::deleteRun(row, run);
        after.resize(10);
        QCOMPARE(Times(row.begin() + 1, row.begin() + 11), after);
        QCOMPARE(row[11], 1.5f);
    }

    // Each opening shows the tab of the current set; a deletion keeps the tab it was made on.
    void deletionFromTheRunChart()
    {
        Fixture f;
        f.state.CurrentSet = 4;
        f.setRuns(2, {.1f, .2f, .3f, .4f, .5f});
        f.results.activate();
        QCOMPARE(f.results.display().tab, 3);
        f.results.tabClicked(1);
        QCOMPARE(f.results.display().grfRun, (ChartPoints{100, 200, 300, 400, 500}));

        f.fp.prompt.answers = {MsgAnswer::No, MsgAnswer::Yes};
        f.results.runBarSelected(3);
        QCOMPARE(f.runs(2), (Times{.1f, .2f, .3f, .4f, .5f, 0, 0, 0, 0, 0}));
        f.results.runBarSelected(3);
        QCOMPARE(f.fp.prompt.shown.last(), (Message{"Delete run 3 from the set? ", "", MsgButtons::YesNo}));
        QCOMPARE(f.runs(2), (Times{.1f, .2f, .4f, .5f, 0, 0, 0, 0, 0, 0}));
        const SimpleResultsDisplay& d = f.results.display();
        QCOMPARE(d.tab, 1);
        QCOMPARE(d.grfRun, (ChartPoints{100, 200, 400, 500}));
        QCOMPARE(d.lblAverageTime[1], "0.300");
        QCOMPARE(f.marks(2), "F..S......");
        QVERIFY(!f.results.KeepTab);
        f.results.activate(); // the next activation goes back to the current set
        QCOMPARE(f.results.display().tab, 3);
    }

    // On the summary tabs a bar is a set: selecting it asks nothing and changes nothing.
    void noDeletionOnSummaryTabs()
    {
        Fixture f;
        f.setRuns(1, {.3f, .2f});
        f.results.activate();
        for (int tab : {kFastestTab, kSlowestTab, kAverageTab}) {
            f.results.tabClicked(tab);
            f.results.runBarSelected(1);
        }
        QVERIFY(f.fp.prompt.shown.isEmpty());
        QCOMPARE(f.runs(1).mid(0, 2), (Times{.3f, .2f}));
    }

    void tabs_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<ChartPoints>("grfRun");
        QTest::addColumn<bool>("runChartShown");
        QTest::addRow("a set") << 1 << ChartPoints{250, 1000} << true;
        QTest::addRow("fastest") << kFastestTab << ChartPoints{300, 250} << true;
        QTest::addRow("slowest") << kSlowestTab << ChartPoints{300, 1000} << true;
        QTest::addRow("average") << kAverageTab << ChartPoints{300, 1000} << true;
        QTest::addRow("all data") << kAllDataTab << ChartPoints{300} << false;
    }

    void tabs()
    {
        QFETCH(int, tab);
        QFETCH(ChartPoints, grfRun);
        QFETCH(bool, runChartShown);
        Fixture f;
        f.setRuns(1, {.3f});
        f.setRuns(2, {.25f, 1.75f});
        f.results.activate();
        f.results.tabClicked(tab);
        const SimpleResultsDisplay& d = f.results.display();
        QCOMPARE(d.tab, tab);
        QCOMPARE(d.grfRun, grfRun);
        QCOMPARE(d.grfRunVisible, runChartShown);
        QCOMPARE(d.grfSetVisible, !runChartShown);
        QCOMPARE(d.grfSet[1], (ChartPoints{250, 1000}));
    }

    // The ten-series chart deletes from the set of the bar's series, whatever tab is shown.
    void deletionFromTheSetChart()
    {
        Fixture f;
        f.setRuns(7, {.1f, .2f});
        f.results.activate();
        f.results.tabClicked(kAllDataTab);
        f.fp.prompt.answers = {MsgAnswer::Yes};
        f.results.setBarSelected(7, 1);
        QCOMPARE(f.fp.prompt.shown.last().text, "Delete run 1 for the set? ");
        QCOMPARE(f.runs(7).mid(0, 2), (Times{.2f, 0}));
        QCOMPARE(f.results.display().grfSet[6], (ChartPoints{200}));
        QCOMPARE(f.results.display().tab, kAllDataTab);
        QCOMPARE(f.results.ShownSet, 7);
    }

    void clearAll()
    {
        Fixture f;
        f.setRuns(5, {.3f, .4f});
        f.state.Simple.Times[5][12] = .6f;
        f.state.Simple.SetComment[4] = "kept?";
        f.state.DataNotSaved = true;
        f.results.activate();
        const SimpleStore before = f.state.Simple;
        f.fp.prompt.answers = {MsgAnswer::No, MsgAnswer::Yes};
        f.results.clearAll();
        QCOMPARE(f.state.Simple, before);
        f.results.clearAll();
        QCOMPARE(f.fp.prompt.shown.last(), (Message{"Are you sure you want to DELETE ALL DATA ?", "Delete All Data",
                                                    MsgButtons::YesNo, MsgIcon::Critical, true}));
        QCOMPARE(f.runs(5), Times(10, 0));
        QCOMPARE(f.state.Simple.Times[5][12], .6f);
        QCOMPARE(f.state.Simple.SetComment[4], "");
        QCOMPARE(f.marks(5), "..........");
        QCOMPARE(f.results.display().grfSet[4], ChartPoints{});
        QCOMPARE(f.results.display().txtDescription[4], "");
        QVERIFY(f.state.DataNotSaved);
    }

    void commentsGoBackWithDone()
    {
        Fixture f;
        f.state.Simple.SetComment = {"one", "two"};
        f.results.activate();
        QCOMPARE(f.results.display().txtDescription[1], "two");
        f.results.commentEdited(1, "left hand");
        f.results.commentEdited(10, "no such box");
        f.results.done();
        QCOMPARE(f.state.Simple.SetComment[0], "one");
        QCOMPARE(f.state.Simple.SetComment[1], "left hand");
    }

    // The file is the ten set sections, 140 lines, byte for byte.
    void savedLayout()
    {
        QTemporaryDir dir;
        Fixture f;
        f.setRuns(2, {.234f, .301f, 1.5f});
        f.state.Simple.SetComment[1] = " ";
        f.state.Simple.SetComment[9] = "Größe, \"left\"";
        f.state.DataNotSaved = true;
        f.results.activate();
        f.fp.files.answers = {tempFile(dir, "a.nrm")};
        f.results.save();

        QByteArray expected;
        for (int set = 1; set <= 10; ++set) {
            const QByteArrayList lines = set == 2 ? QByteArrayList{".234", ".301", "1.5", "0", "0", "0", "0", "0", "0", "0",
                                                                   ".6783333", ".234", "1.5", "\" \""}
                                       : set == 10 ? QByteArrayList(13, "0") << "\"Größe, \"\"left\"\"\""
                                                   : QByteArrayList(13, "0") << "\"\"";
            expected += lines.join("\r\n") + "\r\n";
        }
        const QByteArray written = contents(tempFile(dir, "a.nrm"));
        QCOMPARE(written.count("\r\n"), kSimpleFileLines);
        QCOMPARE(written, expected);
        QVERIFY(!f.state.DataNotSaved);
        QVERIFY(f.fp.prompt.shown.isEmpty());
    }

    // Times and comments come back; the statistics are recomputed from the times.
    void roundTrip()
    {
        QTemporaryDir dir;
        Fixture f;
        for (int set = 1; set <= 10; ++set) {
            f.setRuns(set, {set / 100.0f, .5f, (100 * set + 50) / 1000.0f}); // whole milliseconds
            f.state.Simple.SetComment[set - 1] = QString::number(set);
        }
        f.state.Simple.SetComment[3] = " "; // cleared by Clear Set
        f.state.Simple.SetComment[4] = "a\r\nb";
        f.results.activate();
        f.fp.files.answers = {tempFile(dir, "r.nrm")};
        f.results.save();
        const SimpleStore saved = f.state.Simple;

        f.fp.prompt.answers = {MsgAnswer::Yes};
        f.results.clearAll();
        f.state.Simple.Times[1][11] = .7f; // no file holds runs 11..20
        f.state.CurrentSet = 6;
        f.state.DataNotSaved = true;
        f.results.tabClicked(0);
        f.fp.files.answers = {tempFile(dir, "r.nrm")};
        f.results.load();
        SimpleStore expected = saved;
        expected.Times[1][11] = .7f;
        QCOMPARE(f.state.Simple, expected);
        QCOMPARE(f.results.display().txtDescription[3], " ");
        QCOMPARE(f.results.display().lblAverageData[9], "0.550");
        QCOMPARE(f.results.display().tab, 5);
        QVERIFY(f.state.DataNotSaved);
        QCOMPARE(f.fp.prompt.shown.size(), 1); // the Clear All question only
    }

    // A file that does not read whole changes nothing and says so once.
    void refusedFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        Fixture f;
        QTemporaryDir dir;
        f.fp.files.answers = {tempFile(dir, "g.nrm")};
        for (int set = 1; set <= 10; ++set)
            f.setRuns(set, {.2f});
        f.results.save();
        const QByteArray good = contents(tempFile(dir, "g.nrm"));
        QTest::addRow("139 lines") << good.left(good.lastIndexOf("\r\n", good.size() - 3) + 2);
        QTest::addRow("a word for a time") << QByteArray(good).replace(".2\r\n0\r\n", "x\r\n0\r\n");
        QTest::addRow("a comment without quotes") << QByteArray(good).replace("\"\"", "none");
        QTest::addRow("empty") << QByteArray();
        QTest::addRow("no such file") << QByteArray("-");
    }

    void refusedFiles()
    {
        QFETCH(QByteArray, file);
        QTemporaryDir dir;
        const QString path = tempFile(dir, "bad.nrm");
        if (file != "-") {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
        }
        Fixture f;
        f.setRuns(1, {.9f});
        f.state.Simple.SetComment[0] = "before";
        const SimpleStore before = f.state.Simple;
        f.fp.files.answers = {path};
        f.results.load();
        QCOMPARE(f.state.Simple, before);
        QCOMPARE(f.fp.prompt.shown, (QList<Message>{Message{"Load File Error", "Load Cancelled"}}));
        QCOMPARE(f.view.renders, 0); // the window was not refreshed either
    }

    void cancelIsSilent()
    {
        Fixture f;
        f.setRuns(1, {.9f});
        f.state.DataNotSaved = true;
        const SimpleStore before = f.state.Simple;
        f.fp.files.answers = {std::nullopt, std::nullopt};
        f.results.save();
        f.results.load();
        QCOMPARE(f.state.Simple, before);
        QVERIFY(f.state.DataNotSaved);
        QVERIFY(f.fp.prompt.shown.isEmpty());
        QCOMPARE(f.fp.files.requests.size(), 2);
        const FileDialogRequest& r = f.fp.files.requests[0];
        QCOMPARE((QStringList{r.title, r.filter, r.fileName}),
                 (QStringList{"Normal Reflex Data Files", "Reflex Data Files (*.nrm)|*.nrm", "*.nrm"}));
    }

    // An existing file is overwritten only after a Yes; No opens the dialog again.
    void overwriteQuestion_data()
    {
        QTest::addColumn<QList<MsgAnswer>>("answers");
        QTest::addColumn<int>("dialogs");
        QTest::addColumn<bool>("written");
        QTest::addRow("yes") << QList<MsgAnswer>{MsgAnswer::Yes} << 1 << true;
        QTest::addRow("no, then yes") << QList<MsgAnswer>{MsgAnswer::No, MsgAnswer::Yes} << 2 << true;
        QTest::addRow("no, then cancel") << QList<MsgAnswer>{MsgAnswer::No} << 2 << false;
    }

    void overwriteQuestion()
    {
        QFETCH(QList<MsgAnswer>, answers);
        QFETCH(int, dialogs);
        QFETCH(bool, written);
        QTemporaryDir dir;
        const QString path = tempFile(dir, "old.nrm");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        Fixture f;
        f.fp.prompt.answers.assign(answers.begin(), answers.end());
        f.fp.files.answers = {path, path};
        if (!written)
            f.fp.files.answers[1] = std::nullopt;
        f.state.DataNotSaved = true;
        f.results.save();
        QCOMPARE(f.fp.files.requests.size(), dialogs);
        QVERIFY(!f.fp.files.requests[0].dialogAsksBeforeOverwriting); // one question, not two
        QCOMPARE(f.fp.prompt.shown.size(), answers.size());
        QCOMPARE(f.fp.prompt.shown[0], reflex::overwriteQuestion());
        QCOMPARE(f.fp.prompt.shown[0].text, "\r\n\r\n        File already exisits. Do you want to overwrite?");
        QCOMPARE(contents(path).count("\r\n"), written ? kSimpleFileLines : 0);
        QCOMPARE(f.state.DataNotSaved, !written);
    }

    // A write that fails half-way (a full disk) keeps the earlier file and says so.
    void failedSaveKeepsTheEarlierFile()
    {
        QTemporaryDir dir;
        const QString path = tempFile(dir, "old.nrm");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("earlier") == 7);
        old.close();
        Fixture f;
        f.fp.prompt.answers = {MsgAnswer::Yes};
        f.fp.files.answers = {path};
        f.state.DataNotSaved = true;
        rlimit saved{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
        const rlimit small{100, saved.rlim_max};
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
        f.results.save();
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(contents(path), "earlier");
        QCOMPARE(f.fp.prompt.shown.last(), (Message{"Save File Error", "Save Cancelled"}));
        QVERIFY(f.state.DataNotSaved);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"old.nrm"});
    }

    void fileExists()
    {
        QTemporaryDir dir;
        QFile file(tempFile(dir, "here"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(FileExists(file.fileName()));
        QVERIFY(!FileExists(tempFile(dir, "not-here")));
        QVERIFY(!FileExists(dir.path())); // a folder is no file
        QVERIFY(!FileExists(QString()));
    }
};

QTEST_GUILESS_MAIN(TestSimpleResults)
#include "tst_simpleresults.moc"
