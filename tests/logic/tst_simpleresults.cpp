// The simple results window without its window: statistics and highlights, chart values, run
// deletion, Clear All, the .nrm file and the printed report on the recording printer.
#include "fakes/Fakes.h"
#include "platform/PrintSelection.h"
#include "shared/ResultsRules.h"
#include "simple_results/SimpleDataFile.h"
#include "simple_results/SimpleReport.h"
#include "simple_results/SimpleResults.h"

#include <QTemporaryDir>

using namespace reflex;
using Times = QList<float>;
using Sets = QList<int>;

namespace {

struct Fixture : SimpleResultsView {
    fakes::FakePlatform fp;
    fakes::FakePrinting printing;
    AppState state;
    SimpleResults results{state, fp.platform, printing, *this};
    int renders = 0;
    QTemporaryDir dir;

    void render() override { ++renders; }
    void setRuns(int set, const Times& t) { std::copy(t.begin(), t.end(), state.Simple.Times[set].begin() + 1); }
    // Run by run: "F" fastest, "S" slowest, "B" both, "." neither.
    QString marks(int set) const
    {
        QString out;
        for (int r = 0; r < 10; ++r) {
            const ResultCell& c = results.display().lblRunData[10 * (set - 1) + r];
            const bool slow = c.background == paletteColour(11);
            out += c.whiteText ? (slow ? 'B' : 'F') : slow ? 'S' : c == ResultCell{c.text} ? '.' : '?';
        }
        return out;
    }
    QString file(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};
using fakes::readFile;

struct Shown { Times times; QStringList labels; QString marks; }; // labels: fast, slow, average

PrintChoice chosen(const Sets& sets, const QString& title = QStringLiteral("T"))
{
    PrintChoice c{title, {}};
    for (int s : sets)
        c.ticked[s - 1] = true;
    return c;
}

} // namespace

class TestSimpleResults : public QObject {
    Q_OBJECT
private slots:
    void statistics()
    {
        Fixture f;
        f.state.Simple.Times[3][11] = .05f; // runs 11..20 do not count
        const SimpleResultsDisplay& d = f.results.display();
        const SimpleStore& st = f.state.Simple; // the report prints the store's statistics
        // In this order each refresh has to take away the marks and statistics of the one before.
        const Shown rows[] = {{{.3f, .25f, .25f, 0, .4f}, {"0.250", "0.400", "0.300"}, ".F..S....."}, // a gap, a tie
                              {{0, 0, .5f}, {"0.500", "0.500", "0.500"}, "..B......."},
                              {{}, {"0.000", "0.000", "0.000"}, ".........."}};
        for (const auto& [times, labels, marks] : rows) {
            f.setRuns(3, Times(10, 0));
            f.setRuns(3, times);
            f.results.activate();
            QCOMPARE((QStringList{d.lblFastData[2], d.lblSlowData[2], d.lblAverageData[2]}), labels);
            QCOMPARE((QStringList{formatSeconds(st.SetFastest[3]), formatSeconds(st.SetSlowest[3]),
                                  formatSeconds(st.SetAverage[3])}), labels);
            QCOMPARE(f.marks(3), marks);
        }
    }

    // A bar is the time in whole milliseconds, 1000 at most. A deleted run's successors move up
    // and the tenth empties; runs 11..20 never move, and there is no run 11 to delete. A deletion
    // keeps the tab it was made on; a bar of a summary tab deletes nothing.
    void deletionFromTheCharts()
    {
        for (const auto& [s, v] : {std::pair{1.25f, 1000}, {.0004f, 0}, {.234f, 234}, {.9996f, 1000}})
            QCOMPARE(reflex::chartValue(s), v);
        for (int run : {10, 11}) {
            RunRow row{0, .1f, .2f, .3f, .4f, .5f, .6f, .7f, .8f, .9f, .95f, 1.5f};
            reflex::deleteRun(row, run);
            QCOMPARE(Times(&row[1], &row[12]),
                     (Times{.1f, .2f, .3f, .4f, .5f, .6f, .7f, .8f, .9f, run == 10 ? 0 : .95f, 1.5f}));
        }
        Fixture f;
        f.state.CurrentSet = 4;
        f.setRuns(2, {.1f, .2f, .3f, .4f, .5f, 0, 0, 0, 0, .6f});
        f.results.activate();
        const SimpleResultsDisplay& d = f.results.display();
        f.results.tabClicked(1);
        f.fp.prompt.answers = {MsgAnswer::No, MsgAnswer::Yes, MsgAnswer::Yes};
        f.results.runBarSelected(3); // No: a deletion here would show as a second one in the chart
        f.results.runBarSelected(3);
        QCOMPARE(f.fp.prompt.shown.last(), (Message{"Delete run 3 from the set? ", "", MsgButtons::YesNo}));
        QCOMPARE(d.tab, 1);
        QCOMPARE(d.grfRun, (ChartPoints{100, 200, 400, 500, 0, 0, 0, 0, 600}));
        QCOMPARE(d.lblAverageTime[1], "0.360");

        f.results.tabClicked(kFastestTab);
        QCOMPARE(d.grfRun, (ChartPoints{0, 100}));
        f.results.runBarSelected(2); // asks nothing: a question would use up the set bar's Yes
        f.results.tabClicked(kAllDataTab);
        f.results.setBarSelected(2, 1);
        QCOMPARE(f.fp.prompt.shown.last().text, "Delete run 1 for the set? ");
        QCOMPARE(d.grfSet[1], (ChartPoints{200, 400, 500, 0, 0, 0, 0, 600}));
        f.results.activate(); // a later activation goes back to the current set
        QCOMPARE(d.tab, 3);
    }

    // Cancel says nothing. The file is the ten set sections, 140 lines, byte for byte; an existing
    // file is replaced only after a Yes, and No asks again; a write that fails half-way (a full
    // disk) keeps the earlier file and says so. Clear All (after a Yes) empties runs 1..10 and the
    // window; a load gives the file back whole. Neither touches runs 11..20, which no file holds.
    void saveClearAndLoad()
    {
        Fixture f;
        f.setRuns(2, {.234f, .301f, 1.5f});
        f.state.Simple.Times[2][12] = .6f;
        f.state.Simple.SetComment[1] = " "; // as Clear Set leaves it
        f.state.Simple.SetComment[9] = "Größe, \"left\"\r\nhand";
        f.state.DataNotSaved = true;
        f.results.activate();
        f.fp.files.answers = {std::nullopt, std::nullopt};
        f.results.save();
        f.results.load();
        QVERIFY(f.fp.prompt.shown.isEmpty() && f.state.DataNotSaved);
        const FileDialogRequest& d = f.fp.files.requests[1];
        QCOMPARE((QStringList{d.title, d.filter, d.fileName}),
                 (QStringList{"Normal Reflex Data Files", "Reflex Data Files (*.nrm)|*.nrm", "*.nrm"}));

        fakes::writeFile(f.file("a.nrm"), "old");
        f.fp.files.answers = {f.file("a.nrm"), f.file("a.nrm"), f.file("a.nrm")};
        f.fp.prompt.answers = {MsgAnswer::No, MsgAnswer::Yes};
        f.results.save();
        QCOMPARE(f.fp.prompt.shown, (QList<Message>(2, reflex::overwriteQuestion())));
        QVERIFY(!f.fp.files.requests[3].dialogAsksBeforeOverwriting); // one question, not two
        QByteArray expected;
        for (int set = 1; set <= 10; ++set)
            expected += (set != 2 ? QByteArrayList(13, "0")
                                  : QByteArrayList{".234", ".301", "1.5", "0", "0", "0", "0", "0", "0", "0", ".6783333",
                                                   ".234", "1.5"}).join("\r\n")
                        + (set == 2 ? "\r\n\" \"\r\n" : set == 10 ? "\r\n\"Größe, \"\"left\"\"\"r\"nhand\"\r\n" : "\r\n\"\"\r\n");
        QCOMPARE(readFile(f.file("a.nrm")), expected);
        QVERIFY(!f.state.DataNotSaved);
        f.state.DataNotSaved = true;
        f.fp.prompt.answers = {MsgAnswer::Yes};
        f.fp.files.answers = {f.file("a.nrm")};
        fakes::withDiskFull([&] { f.results.save(); });
        QCOMPARE(readFile(f.file("a.nrm")), expected);
        QCOMPARE(f.fp.prompt.shown.last(), (Message{"Save File Error", "Save Cancelled"}));
        QVERIFY(f.state.DataNotSaved);

        SimpleStore saved = f.state.Simple;
        f.fp.prompt.shown.clear();
        f.fp.prompt.answers = {MsgAnswer::No, MsgAnswer::Yes};
        f.results.clearAll();
        QCOMPARE(f.state.Simple, saved);
        QCOMPARE(f.marks(2), "F.S.......");
        f.results.clearAll();
        QCOMPARE(Times(&f.state.Simple.Times[2][1], &f.state.Simple.Times[2][11]), Times(10, 0));
        QCOMPARE(f.marks(2), "..........");
        f.fp.files.answers = {f.file("a.nrm")};
        f.results.load(); // back whole (run 12 as Clear All kept it), and without a word
        QCOMPARE(f.state.Simple, saved);
        QCOMPARE(f.results.display().txtDescription[1], " ");

        // A file that does not read whole (139 lines, a word for a time, none) changes nothing,
        // not even the window, and says so once.
        QByteArray good;
        for (int set = 1; set <= 10; ++set)
            good += QByteArray(".2\r\n").repeated(13) + "\"\"\r\n";
        fakes::writeFile(f.file("short.nrm"), good.chopped(4));
        fakes::writeFile(f.file("word.nrm"), QByteArray(good).replace(130, 2, "x "));
        f.fp.files.answers = {f.file("short.nrm"), f.file("word.nrm"), f.file("none.nrm")};
        const int renders = f.renders;
        for (int i = 0; i < 3; ++i)
            f.results.load();
        QCOMPARE(f.state.Simple, saved);
        QCOMPARE(f.fp.prompt.shown.mid(2), (QList<Message>(3, {"Load File Error", "Load Cancelled"})));
        QCOMPARE(f.renders, renders);
    }

    // Five sets to a document, the document ended before the set after every fifth, ticked
    // or not; every document starts with the title. A set is its runs five to a line,
    // its statistics and its comment, which starts a line at each CR LF; an empty comment is
    // three empty lines.
    void report_data()
    {
        QTest::addColumn<Sets>("ticked");
        QTest::addColumn<QList<Sets>>("documents");
        QTest::addRow("1, 2, 3") << Sets{1, 2, 3} << QList<Sets>{{1, 2, 3}};
        QTest::addRow("all ten") << Sets{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << QList<Sets>{{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}};
        QTest::addRow("1..5: a title alone") << Sets{1, 2, 3, 4, 5} << QList<Sets>{{1, 2, 3, 4, 5}, {}};
    }

    void report()
    {
        QFETCH(Sets, ticked);
        QFETCH(QList<Sets>, documents);
        SetData data;
        data.Times[2] = {0, .3f, .25f, .25f, 0, .4f};
        std::tie(data.SetAverage[2], data.SetFastest[2], data.SetSlowest[2]) = std::tuple(.3f, .25f, .4f);
        data.SetComment[1] = "two words\r\nand two";
        fakes::PrintRecord record;
        fakes::RecordingPrinter printer(record);
        printSimpleReport(printer, chosen(ticked, "My title"), data);
        QList<Sets> headings(record.documents);
        for (const fakes::PrintedText& t : record.texts)
            if (t.text.startsWith("Set  "))
                headings[t.document] << t.text.mid(5).toInt();
        QCOMPARE(headings, documents);
        for (int doc = 0; doc < record.documents; ++doc)
            QCOMPARE(record.lines(doc).mid(0, 2), (QStringList{"My title", ""}));
        const QString zeros = "0.000|0.000|0.000|0.000|0.000";
        QCOMPARE(record.lines(0).mid(2, 19),
                 (QStringList{"Set  1", zeros, zeros, "Fastest Time|0.000|Slowest Time|0.000", "Average Time|0.000",
                              "Comments:", "", "", "", "Set  2", "0.300|0.250|0.250|0.000|0.400", zeros,
                              "Fastest Time|0.250|Slowest Time|0.400", "Average Time|0.300", "Comments:", "two words",
                              "and two", "", "Set  3"}));
    }

    // Broken at the first blank past 80 % of eight inches (92 characters here), the next line
    // beginning with that blank; a word without blanks is not broken.
    void longComment()
    {
        const QString words = QStringList(19, "word").join(' '), last = " word word " + QString(200, 'x');
        fakes::PrintRecord record;
        fakes::RecordingPrinter printer(record);
        printWrapped(printer, (words + ' ').repeated(2) + last.mid(1), 8.0, 0.5);
        QCOMPARE(record.lines(0), (QStringList{words, ' ' + words, last}));
        QVERIFY(std::ranges::all_of(record.texts, [](const auto& t) { return t.x == 720; }));
    }

    // The command: the dialog preset each time; OK needs a ticked set; without a printer the
    // report is a PDF file the user names; a failure is told, with the system's reason.
    void printCommand()
    {
        Fixture f;
        PrintSelection selection(f.fp.prompt);
        selection.present(chosen({}));
        QVERIFY(!selection.ok());
        QCOMPARE(f.fp.prompt.shown.takeLast(), (Message{"You must select atleast ONE set to Print", "Printing Error"}));
        f.results.print();
        f.printing.answer = chosen({4}, "Edited");
        f.results.print();
        QCOMPARE(f.printing.record.lines(0).mid(0, 3), (QStringList{"Edited", "", "Set  4"}));

        f.printing.printerPresent = false;
        f.fp.files.answers = {std::nullopt, f.file("r.pdf")};
        f.results.print(); // the PDF's name cancelled: nothing
        f.results.print();
        QCOMPARE(f.printing.opened, (QStringList{"Edited", "pdf"}));
        QCOMPARE(readFile(f.file("r.pdf")), "%PDF");
        f.printing.printerPresent = true;
        f.printing.failWith = "out of paper";
        f.results.print();
        QCOMPARE(f.fp.prompt.shown, (QList<Message>{{"Print Error\rout of paper", "Print Cancelled"}}));
        QCOMPARE(f.printing.presets, (QList<PrintChoice>(5, chosen({}, kSimpleReportTitle))));
    }
};

QTEST_GUILESS_MAIN(TestSimpleResults)
#include "tst_simpleresults.moc"
