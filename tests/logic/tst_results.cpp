// The results windows without their windows, the simple one and the two choice ones on the one
// model: statistics and highlights, count panels, chart values, run deletion, Clear All, the
// .nrm and .col files, the CSV export and the printed reports on the recording printer.
#include "complex_results/ChoiceReport.h"
#include "complex_results/ChoiceResults.h"
#include "fakes/Fakes.h"
#include "platform/print/PrintSelection.h"
#include "shared/FileCommands.h"
#include "shared/Report.h"
#include "shared/ResultsCsv.h"
#include "shared/ResultsRules.h"
#include "simple_results/SimpleReport.h"
#include "simple_results/SimpleResults.h"

#include <QScopeGuard>
#include <QTemporaryDir>

using namespace brevane;
using Times = QList<float>;
using Sets = QList<int>;

namespace {

struct Fixture : ResultsView {
    explicit Fixture(const ResultsKind& kind = kSimpleResults)
        : results{kind, state, fp.platform, *this}
    {
    }
    fakes::FakePlatform fp;
    AppState state;
    ResultsModel results;
    int renders = 0;
    QTemporaryDir dir;

    void render() override { ++renders; }
    SetData& sets() { return results.kind().half(state).sets; }
    void setRuns(int set, const Times& t) { std::copy(t.begin(), t.end(), sets().Times[set].begin() + 1); }
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

struct Shown {
    Times times;
    QStringList labels;
    QString marks;
}; // labels: fast, slow, average

PrintChoice chosen(const Sets& sets, const QString& title = QStringLiteral("T"))
{
    PrintChoice c{title, {}};
    for (int s : sets)
        c.ticked[s - 1] = true;
    return c;
}

// Every document opens with the title centred on the line at 750 twips, in Times New Roman
// 16 pt bold, then an empty line.
void checkTitleBlocks(const fakes::PrintRecord& record, const QString& title)
{
    for (int doc = 0; doc < record.documents; ++doc) {
        const auto first = std::ranges::find(record.texts, doc, &fakes::PrintedText::document);
        QVERIFY(first != record.texts.end());
        QCOMPARE(record.lines(doc).mid(0, 2), (QStringList{title, ""}));
        QCOMPARE(std::tuple(first->x, first->y, first->font, first->size, first->bold),
                 std::tuple(6030 - title.size() * 80, 750.0, QString("Times New Roman"), 16.0, true));
    }
}

} // namespace

class TestResults : public QObject {
    Q_OBJECT
private slots:
    // The same statistics in every window (the choice windows' counts: colFiles, choiceDeletionAndClearAll).
    void statistics_data()
    {
        QTest::addColumn<const ResultsKind*>("kind");
        QTest::newRow("simple") << &kSimpleResults;
        QTest::newRow("colour") << &kColorResults;
    }
    void statistics()
    {
        QFETCH(const ResultsKind*, kind);
        Fixture f(*kind);
        f.sets().Times[3][11] = .05f; // runs 11..20 do not count
        const ResultsDisplay& d = f.results.display();
        const SetData& st = f.sets(); // the report prints the store's statistics
        // In this order each refresh has to take away the marks and statistics of the one before.
        const Shown rows[] = {{{.3f, .25f, .25f, 0, .4f}, {"0.250", "0.400", "0.300"}, ".F..S....."}, // a gap, a tie
                              {{0, 0, .5f}, {"0.500", "0.500", "0.500"}, "..B......."},
                              {{0, .3f, .3f, .3f}, {"0.300", "0.300", "0.300"}, ".B........"},
                              {{}, {"0.000", "0.000", "0.000"}, ".........."}};
        for (const auto& [times, labels, marks] : rows) {
            f.setRuns(3, Times(10, 0));
            f.setRuns(3, times);
            f.results.activate();
            QCOMPARE((QStringList{d.lblFastData[2], d.lblSlowData[2], d.lblAverageData[2]}), labels);
            QCOMPARE((QStringList{formatSeconds(st.SetFastest[3]), formatSeconds(st.SetSlowest[3]),
                                  formatSeconds(st.SetAverage[3])}),
                     labels);
            QCOMPARE(f.marks(3), marks);
        }
    }

    // A bar is the time in whole milliseconds, 1000 at most. A deleted run's successors move up
    // and the tenth empties; runs 11..20 never move, and there is no run 11 to delete. A deletion
    // keeps the tab it was made on; a bar of a summary tab deletes nothing.
    void deletionFromTheCharts()
    {
        for (const auto& [s, v] : {std::pair{1.25f, 1000}, {.0004f, 0}, {.234f, 234}, {.9996f, 1000}})
            QCOMPARE(brevane::chartValue(s), v);
        for (int run : {10, 11}) {
            RunRow row{0, .1f, .2f, .3f, .4f, .5f, .6f, .7f, .8f, .9f, .95f, 1.5f};
            brevane::deleteRun(row, run);
            QCOMPARE(Times(&row[1], &row[12]),
                     (Times{.1f, .2f, .3f, .4f, .5f, .6f, .7f, .8f, .9f, run == 10 ? 0 : .95f, 1.5f}));
        }
        Fixture f;
        f.state.CurrentSet = 4;
        f.setRuns(2, {.1f, .2f, .3f, .4f, .5f, 0, 0, 0, 0, .6f});
        f.results.activate();
        const ResultsDisplay& d = f.results.display();
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

    // A choice window: after a deletion the counts stay and the window goes back to the current
    // set's tab. Clear All empties the store, the cells and
    // the counts, and leaves the chart's bars until a tab is chosen.
    void choiceDeletionAndClearAll()
    {
        Fixture f(kNumberResults);
        f.state.CurrentSet = 4;
        f.setRuns(2, {.1f, .2f, .3f, .4f, .5f, .6f, .7f, .8f, .9f, 1.0f});
        f.setRuns(4, {.25f});
        f.state.Number.CorrectHits[2] = 9;
        f.state.Number.MissedHits[2] = 1;
        const OutcomeCounts counts = f.state.Number;
        f.results.activate();
        f.results.tabClicked(1);
        f.fp.prompt.answers = {MsgAnswer::Yes};
        f.results.runBarSelected(3);
        QCOMPARE(f.fp.prompt.shown.last(), (Message{"Delete run 3 for the set? ", "", MsgButtons::YesNo}));
        const ResultsDisplay& d = f.results.display();
        QCOMPARE(std::tuple(d.tab, d.lblAverageTime[1], d.lblCorrectHitsData[1]),
                 std::tuple(3, QString("0.578"), QString("009")));
        QCOMPARE(static_cast<const OutcomeCounts&>(f.state.Number), counts);

        f.fp.prompt.answers = {MsgAnswer::Yes};
        f.results.clearAll();
        QCOMPARE(f.state.Number, ChoiceStore{});
        QCOMPARE(std::tuple(f.marks(2), d.lblRunData[10], d.lblCorrectHitsData[1]),
                 std::tuple(QString(".........."), ResultCell{}, QString("000")));
        QCOMPARE(d.grfRun, (ChartPoints{250}));
        f.results.tabClicked(0);
        f.results.tabClicked(3);
        QCOMPARE(d.grfRun, ChartPoints{});
    }

    // The .col file: 180 lines, the counts after the statistics. The colour window's file loads
    // into the number window, which computes the statistics afresh from the times; a file that
    // does not read whole (179 lines) changes nothing.
    void colFiles()
    {
        Fixture colour(kColorResults), number(kNumberResults);
        colour.setRuns(1, {.234f, .5f});
        colour.state.Color.CorrectHits[1] = 2;
        colour.state.Color.InCorrectHits[1] = 7;
        colour.state.Color.SetComment[0] = "left hand, tired, 3rd try";
        colour.results.activate();
        colour.fp.files.answers = {colour.file("a.col")};
        colour.results.save();
        const QByteArray file = fakes::fixture("results/saved.col");
        QCOMPARE(readFile(colour.file("a.col")), file);

        fakes::writeFile(number.file("b.col"), QByteArray(file).replace(".367", "0.9"));
        fakes::writeFile(number.file("short.col"), file.chopped(4));
        number.fp.files.answers = {number.file("b.col"), number.file("short.col")};
        number.results.load();
        const ChoiceStore loaded = number.state.Number;
        QCOMPARE(std::tuple(loaded.Times[1][2], formatSeconds(loaded.SetAverage[1]), loaded.InCorrectHits[1],
                            loaded.SetComment[0]),
                 std::tuple(.5f, QString("0.367"), qint16(7), QString("left hand, tired, 3rd try")));
        QCOMPARE(number.results.display().lblInCorrectHitsData[0], "007");
        number.results.load();
        QCOMPARE(number.state.Number, loaded);
        QCOMPARE(number.fp.prompt.shown, (QList<Message>{{"Load File Error", "Load Cancelled"}}));
    }

    // A save clears its own test's unsaved mark only: Exit still warns about the other two.
    void unsavedMarkPerTest()
    {
        for (const ResultsKind* kind : {&kSimpleResults, &kColorResults, &kNumberResults}) {
            Fixture f(*kind);
            f.state.DataNotSaved = {true, true, true};
            f.fp.files.answers = {f.file("t.dat")};
            f.results.save();
            const UnsavedData& u = f.state.DataNotSaved;
            QCOMPARE((QList<bool>{u.Simple, u.Color, u.Number}),
                     (QList<bool>{kind != &kSimpleResults, kind != &kColorResults, kind != &kNumberResults}));
        }
    }

    // Cancel says nothing. The file is the ten set sections, 140 lines, byte for byte; an existing
    // file is replaced only after a Yes, and No asks again; a write that fails (a full disk) keeps
    // the earlier file and says so. Clear All empties runs 1..10 and the window; a load gives the
    // file back whole. Neither touches runs 11..20, which no file holds.
    void saveClearAndLoad()
    {
        Fixture f;
        f.setRuns(2, {.234f, .301f, 1.5f});
        f.state.Simple.Times[2][12] = .6f;
        f.state.Simple.SetComment[1] = " "; // as Clear Set leaves it
        f.state.Simple.SetComment[9] = "Größe, \"left\"\r\nhand";
        f.state.DataNotSaved.Simple = true;
        f.results.activate();
        f.fp.files.answers = {std::nullopt, std::nullopt};
        f.results.save();
        f.results.load();
        QVERIFY(f.fp.prompt.shown.isEmpty() && f.state.DataNotSaved.Simple);
        const FileDialogRequest& d = f.fp.files.requests[1];
        QCOMPARE((QStringList{d.title, d.filter, d.fileName}),
                 (QStringList{"Normal Reflex Data Files", "Reflex Data Files (*.nrm)|*.nrm", "*.nrm"}));

        fakes::writeFile(f.file("a.nrm"), "old");
        f.fp.files.answers = {f.file("a.nrm"), f.file("a.nrm"), f.file("a.nrm")};
        f.fp.prompt.answers = {MsgAnswer::No, MsgAnswer::Yes};
        f.results.save();
        QCOMPARE(f.fp.prompt.shown, (QList<Message>(2, brevane::overwriteQuestion())));
        QVERIFY(!f.fp.files.requests[3].dialogAsksBeforeOverwriting); // one question, not two
        const QByteArray expected = fakes::fixture("results/saved.nrm");
        QCOMPARE(readFile(f.file("a.nrm")), expected);
        QVERIFY(!f.state.DataNotSaved.Simple);
        f.state.DataNotSaved.Simple = true;
        f.fp.prompt.answers = {MsgAnswer::Yes};
        f.fp.files.answers = {f.file("a.nrm")};
        fakes::withDiskFull([&] { f.results.save(); }); // the file fits the write buffer: it fails at the flush
        QCOMPARE(readFile(f.file("a.nrm")), expected);
        QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"a.nrm"}); // no temporary left
        const Message failed = f.fp.prompt.shown.last(); // with the system's reason below
        QCOMPARE(std::pair(failed.text, failed.title),
                 std::pair(QString("Save File Error"), QString("Save Cancelled")));
        QVERIFY(f.state.DataNotSaved.Simple);

        const SimpleStore saved = f.state.Simple;
        f.fp.prompt.answers = {MsgAnswer::Yes};
        f.results.clearAll();
        QCOMPARE(Times(&f.state.Simple.Times[2][1], &f.state.Simple.Times[2][11]), Times(10, 0));
        QCOMPARE(f.marks(2), "..........");
        f.fp.files.answers = {f.file("a.nrm")};
        f.results.load(); // back whole (run 12 as Clear All kept it), and without a word
        QCOMPARE(f.state.Simple, saved);
        QCOMPARE(f.results.display().txtDescription[1], " ");
    }

    // Export: a row per stored run in whole milliseconds, sets in order (the
    // empty run 2 and run 11 have none); a comment with a comma, quotes and a line break is
    // quoted with its quotes doubled, in UTF-8; the choice windows name each run's outcome,
    // 1.000 s a missed hit as far as the set's count of missed hits goes. No number follows the
    // locale. An export is no save: the unsaved mark stays.
    void exportCsv_data()
    {
        QTest::addColumn<const ResultsKind*>("kind");
        QTest::newRow("simple") << &kSimpleResults;
        QTest::newRow("colour") << &kColorResults; // the number window's rows are the same
    }
    void exportCsv()
    {
        QFETCH(const ResultsKind*, kind);
        const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
        QLocale::setDefault(QLocale::German);
        Fixture f(*kind);
        f.setRuns(2, {.234f, 0, 1.0f, 1.0f});
        if (OutcomeCounts* counts = f.results.kind().half(f.state).counts)
            counts->MissedHits[2] = 1; // run 3 let pass, run 4 a press at 1000 ms
        f.setRuns(7, {.3016f});
        f.sets().Times[7][11] = .5f;
        f.sets().SetComment[1] = "left, \"fast\"\r\nhand";
        f.sets().SetComment[6] = "Größe";
        f.state.DataNotSaved = {true, true, true};
        f.fp.files.answers = {f.file("a.csv")};
        f.results.exportCsv();
        const bool choice = kind != &kSimpleResults;
        const QString hit = choice ? "correct hit" : "", missed = choice ? "missed hit" : "",
                      comment = "\"left, \"\"fast\"\"\r\nhand\"";
        QCOMPARE(QString::fromUtf8(readFile(f.file("a.csv"))),
                 QStringLiteral("test,set,run,rt_ms,outcome,comment\r\n%1,2,1,234,%2,%4\r\n%1,2,3,1000,%3,%4\r\n"
                                "%1,2,4,1000,%2,%4\r\n%1,7,1,302,%2,Größe\r\n")
                     .arg(kind->test.name, hit, missed, comment));
        QVERIFY(f.state.DataNotSaved.any() && f.fp.prompt.shown.isEmpty());
    }

    // A text cell that a spreadsheet would run as a formula (a student's comment "=1+1", a name
    // "@home") is written with the single-quote prefix a spreadsheet itself uses; numbers, negative
    // ones included, stay numbers, and quoting still follows RFC 4180.
    void csvCells()
    {
        const std::pair<QString, QString> cells[] = {{"=SUM(A1:A9)", "'=SUM(A1:A9)"},
                                                     {"-1+2", "'-1+2"}, // minus, yet not a number
                                                     {"@home", "'@home"},
                                                     {"\r=1", "\"'\r=1\""}, // quoted for the CR
                                                     {"=1,2", "\"'=1,2\""},
                                                     {"-0.512", "-0.512"},
                                                     {"a=b", "a=b"},
                                                     {"", ""}};
        for (const auto& [value, field] : cells)
            QCOMPARE(csvField(value), field);
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
        QTest::addRow("all ten") << Sets{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}
                                 << QList<Sets>{{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}};
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
        printSimpleReport(printer, chosen(ticked, "My title"), {data});
        QList<Sets> headings(record.documents);
        for (const fakes::PrintedText& t : record.texts)
            if (t.text.startsWith("Set  "))
                headings[t.document] << t.text.mid(5).toInt();
        QCOMPARE(headings, documents);
        const QString zeros = "0.000  |0.000  |0.000  |0.000  |0.000";
        QCOMPARE(record.lines(0).mid(2, 19),
                 (QStringList{"Set  1", zeros, zeros, "Fastest Time |0.000|  Slowest Time|0.000", "Average Time|0.000",
                              "Comments:", "", "", "", "Set  2", "0.300  |0.250  |0.250  |0.000  |0.400", zeros,
                              "Fastest Time |0.250|  Slowest Time|0.400", "Average Time|0.300",
                              "Comments:", "two words", "and two", "", "Set  3"}));
        checkTitleBlocks(record, "My title");
    }

    // The choice report: the times and counts lines at their places, the counts in three digits;
    // six sets on two documents, both headed by the title edited in the dialog.
    void choiceReport()
    {
        Fixture f(kColorResults);
        f.setRuns(6, {12.382f, .5f});
        f.state.Color.CorrectHits[6] = 7;
        f.state.Color.MissedHits[6] = 10;
        f.results.activate();
        f.fp.printing.answer = chosen({1, 2, 3, 4, 5, 6}, "Edited");
        f.results.print();
        const fakes::PrintRecord& record = f.fp.printing.record;
        QCOMPARE(record.documents, 2);
        QCOMPARE(record.lines(1),
                 (QStringList{"Edited", "", "Set  6", "12.382  |0.500  |0.000  |0.000  |0.000",
                              "0.000  |0.000  |0.000  |0.000  |0.000",
                              "Fastest Time |0.500|Slowest Time|12.382|Average Time|6.441",
                              "Correct Hits |007|Correct Misses|000|InCorrect Hits|000|Missed Hits|010",
                              "Comments:", "", "", ""}));
        QList<double> xs;
        for (const fakes::PrintedText& t : record.texts.mid(record.texts.size() - 18, 14))
            xs << t.x;
        QCOMPARE(xs, (QList<double>{0, 1560, 2700, 4320, 5400, 7020, 0, 1560, 2700, 4320, 5400, 7020, 8100, 9360}));
        checkTitleBlocks(record, "Edited");
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
        f.fp.printing.answer = chosen({4}, "Edited");
        f.results.print();
        QCOMPARE(f.fp.printing.record.lines(0).mid(0, 3), (QStringList{"Edited", "", "Set  4"}));

        f.fp.printing.printerPresent = false;
        f.fp.files.answers = {std::nullopt, f.file("r.pdf")};
        f.results.print(); // the PDF's name cancelled: nothing
        f.results.print();
        QCOMPARE(f.fp.printing.opened, (QStringList{"Edited", "pdf"}));
        QCOMPARE(readFile(f.file("r.pdf")), "%PDF");
        f.fp.printing.printerPresent = true;
        f.fp.printing.failWith = "out of paper";
        f.results.print();
        QCOMPARE(f.fp.prompt.shown, (QList<Message>{{"Print Error\rout of paper", "Print Cancelled"}}));
        QCOMPARE(f.fp.printing.presets, (QList<PrintChoice>(5, chosen({}, kSimpleReportTitle))));
    }
};

QTEST_GUILESS_MAIN(TestResults)
#include "tst_results.moc"
