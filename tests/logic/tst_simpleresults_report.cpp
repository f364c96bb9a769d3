// The printed report on the recording printer: the selection dialog's logic, the pages and
// documents, one set's block, the wrapped comments, the PDF where there is no printer, and a
// print failure.
#include "fakes/Fakes.h"
#include "platform/PrintSelection.h"
#include "shared/Report.h"
#include "simple_results/SimpleReport.h"
#include "simple_results/SimpleResults.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace reflex;
using fakes::PrintRecord;
using fakes::RecordingPrinter;
using Sets = QList<int>;

namespace {

PrintChoice chosen(const Sets& sets, QString title = QString::fromLatin1(kSimpleReportTitle))
{
    PrintChoice c{std::move(title), {}};
    for (int s : sets)
        c.ticked[s - 1] = true;
    return c;
}

SetData sample()
{
    SetData data;
    for (int set = 1; set <= kSetCount; ++set) {
        data.Times[set] = {0, .3f, .25f, .25f, 0, .4f};
        data.SetAverage[set] = .3f;
        data.SetFastest[set] = .25f;
        data.SetSlowest[set] = .4f;
        data.SetComment[set - 1] = QStringLiteral("comment %1").arg(set);
    }
    return data;
}

// The set headings of each document.
QList<Sets> headings(const PrintRecord& r)
{
    QList<Sets> out(r.documents);
    for (const fakes::PrintedText& t : r.texts)
        if (t.text.startsWith("Set  "))
            out[t.document] << t.text.mid(5).toInt();
    return out;
}

} // namespace

class TestSimpleReport : public QObject {
    Q_OBJECT
private slots:
    // Five sets to a document; the document ends before the set after every fifth, ticked
    // or not, so exactly 1..5 gives a second document with the title alone.
    void documents_data()
    {
        QTest::addColumn<Sets>("ticked");
        QTest::addColumn<QList<Sets>>("documents");
        QTest::addRow("1, 2, 3") << Sets{1, 2, 3} << QList<Sets>{{1, 2, 3}};
        QTest::addRow("all ten") << Sets{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << QList<Sets>{{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}};
        QTest::addRow("1..5") << Sets{1, 2, 3, 4, 5} << QList<Sets>{{1, 2, 3, 4, 5}, {}};
        QTest::addRow("six") << Sets{1, 2, 3, 4, 5, 10} << QList<Sets>{{1, 2, 3, 4, 5}, {10}};
        QTest::addRow("only 10") << Sets{10} << QList<Sets>{{10}};
    }

    void documents()
    {
        QFETCH(Sets, ticked);
        QFETCH(QList<Sets>, documents);
        PrintRecord record;
        RecordingPrinter printer(record);
        printSimpleReport(printer, chosen(ticked, "My title"), sample());
        QCOMPARE(headings(record), documents);
        const double width = QString("My title").size() * 16 * 10;
        for (int doc = 0; doc < record.documents; ++doc) {
            const auto first = std::find_if(record.texts.begin(), record.texts.end(),
                                            [doc](const fakes::PrintedText& t) { return t.document == doc; });
            QVERIFY(first != record.texts.end());
            QCOMPARE(first->text, "My title");
            QCOMPARE(first->x, 6030 - width / 2);
            QCOMPARE(first->y, 750.0);
            QCOMPARE((std::tuple(first->font, first->size, first->bold)), std::tuple(QString(kReportFont), 16.0, true));
            QCOMPARE(record.lines(doc).mid(0, 2), (QStringList{"My title", ""}));
        }
    }

    void setBlock_data()
    {
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QStringList>("after"); // the lines after "Comments:"
        QTest::addRow("a comment") << "left hand" << QStringList{"left hand", ""};
        QTest::addRow("empty: three empty lines") << "" << QStringList{"", "", ""};
        QTest::addRow("one blank") << " " << QStringList{"", ""}; // the blank itself prints
        QTest::addRow("CR LF: two lines, nothing lost") << "two words\r\nand two" << QStringList{"two words", "and two", ""};
    }

    void setBlock()
    {
        QFETCH(QString, comment);
        QFETCH(QStringList, after);
        SetData data = sample();
        data.SetComment[1] = comment;
        PrintRecord record;
        RecordingPrinter printer(record);
        printSimpleReport(printer, chosen({2}), data);
        const QStringList expected = QStringList{kSimpleReportTitle, "", "Set  2", "0.300|0.250|0.250|0.000|0.400",
                                                 "0.000|0.000|0.000|0.000|0.000", "Fastest Time|0.250|Slowest Time|0.400",
                                                 "Average Time|0.300", "Comments:"} + after;
        QStringList lines = record.lines(0);
        if (comment == " ")
            lines[8] = lines[8].trimmed();
        QCOMPARE(lines, expected);
        const auto at = [&](const QString& text) { // the last text of that name
            return *std::find_if(record.texts.rbegin(), record.texts.rend(), [&](const auto& t) { return t.text == text; });
        };
        QCOMPARE((std::pair(at("Set  2").size, at("Set  2").bold)), std::pair(12.0, true));
        QCOMPARE((std::pair(at("0.400").x, at("0.400").bold)), std::pair(4128.0, false)); // the slowest, placed
        QCOMPARE(at("Average Time").size, 12.0);
        QCOMPARE(record.texts.last().size, 10.0);
    }

    // Wrapped at blanks once the line is wider than 80 % of eight inches; later lines begin with
    // the blank they were broken at; no word is lost or broken.
    void longComment()
    {
        QString comment;
        for (int i = 0; i < 60; ++i)
            comment += QStringLiteral("word%1 ").arg(i, 2, 10, QChar('0'));
        comment += QString(200, 'x'); // a word without blanks is never broken
        PrintRecord record;
        RecordingPrinter printer(record);
        printer.setFontSize(10);
        printWrapped(printer, comment, 8.0, 0.5);
        const double limit = 8 * 1440 * 0.8;
        QStringList lines;
        for (const fakes::PrintedText& t : record.texts) {
            QVERIFY(t.lineEnded);
            QCOMPARE(t.x, 720.0);
            lines << t.text;
        }
        QVERIFY(lines.size() >= 3);
        for (int i = 0; i + 1 < lines.size(); ++i) {
            const QString withoutLastWord = lines[i].left(lines[i].lastIndexOf(' '));
            QVERIFY2(printer.textWidth(withoutLastWord) <= limit && printer.textWidth(lines[i]) > limit,
                     qPrintable(lines[i]));
            QVERIFY(lines[i + 1].startsWith(' '));
        }
        QCOMPARE(lines.join(QString()), comment);
    }

    void selectionDialog()
    {
        fakes::FakePrompt prompt;
        PrintSelection selection(prompt);
        selection.present(chosen({}, "T"));
        QVERIFY(!selection.ok());
        QCOMPARE(prompt.shown, (QList<Message>{{"You must select atleast ONE set to Print", "Printing Error"}}));
        QVERIFY(!selection.PrintConfirmed);
        selection.selectAll();
        QCOMPARE(selection.cmdAllCaption, "UnSelectAll");
        QCOMPARE(selection.choice.ticked, chosen({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}).ticked);
        selection.selectAll();
        QCOMPARE(selection.cmdAllCaption, "SelectAll");
        QCOMPARE(selection.choice.ticked, chosen({}).ticked);
        selection.choice.ticked[6] = true;
        QVERIFY(selection.ok());
        QVERIFY(selection.PrintConfirmed);
        selection.cancel();
        QVERIFY(!selection.PrintConfirmed);
        QCOMPARE(prompt.shown.size(), 1);
    }

    // From the window: the dialog is preset, Cancel prints nothing, OK prints the title as edited.
    void printCommand()
    {
        fakes::FakePlatform fp;
        fakes::FakePrinting printing;
        AppState state;
        struct : SimpleResultsView { void render() override {} } view;
        SimpleResults results(state, fp.platform, printing, view);
        state.Simple.Times[4][1] = .5f;
        results.print();
        QCOMPARE(printing.presets.size(), 1);
        QCOMPARE(printing.presets[0].title, "Orv Tovanel:  Normal Reflex Data");
        QCOMPARE(printing.presets[0].ticked, chosen({}).ticked);
        QVERIFY(printing.opened.isEmpty());

        printing.answer = chosen({4}, "Edited");
        results.print();
        QCOMPARE(printing.opened, QStringList{"Edited"});
        QVERIFY(printing.record.finished);
        QCOMPARE(printing.record.lines(0).mid(0, 4), (QStringList{"Edited", "", "Set  4", "0.500|0.000|0.000|0.000|0.000"}));
        QCOMPARE(state.Simple.SetAverage[4], .5f); // printed from the statistics the window computed
        QVERIFY(fp.prompt.shown.isEmpty());
    }

    // Without a printer the report is a PDF file the user names; Cancel there prints nothing.
    void pdfWithoutPrinter_data()
    {
        QTest::addColumn<bool>("named");
        QTest::addColumn<QString>("failure");
        QTest::addRow("named") << true << QString();
        QTest::addRow("cancelled") << false << QString();
        QTest::addRow("failing") << true << "disk on fire";
    }

    void pdfWithoutPrinter()
    {
        QFETCH(bool, named);
        QFETCH(QString, failure);
        QTemporaryDir dir;
        const QString path = dir.filePath("report.pdf");
        fakes::FakePlatform fp;
        fakes::FakePrinting printing;
        printing.printerPresent = false;
        printing.answer = chosen({1});
        printing.failWith = failure;
        fp.files.answers = {named ? std::optional(path) : std::nullopt};
        const SetData data = sample();
        const bool done = runPrintCommand({printing, fp.files, fp.prompt}, "T",
                                          [&](Printer& p, const PrintChoice& c) { printSimpleReport(p, c, data); });
        QCOMPARE(done, named && failure.isEmpty());
        QCOMPARE(fp.files.requests.size(), 1);
        QCOMPARE(fp.files.requests[0].filter, "PDF Files (*.pdf)|*.pdf");
        QCOMPARE(printing.opened, named ? QStringList{"pdf"} : QStringList{});
        QCOMPARE(QFile::exists(path), done);
        if (done) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QVERIFY(f.readAll().startsWith(QByteArray(kSimpleReportTitle) + "\n\nSet  1\n"));
        }
        const QList<Message> told = failure.isEmpty() ? QList<Message>{}
                                                      : QList<Message>{{"Print Error\rdisk on fire", "Print Cancelled"}};
        QCOMPARE(fp.prompt.shown, told);
    }

    void printerFailureIsReported()
    {
        fakes::FakePlatform fp;
        fakes::FakePrinting printing;
        printing.answer = chosen({1});
        printing.failWith = "The printer lp0 is out of paper.";
        QVERIFY(!runPrintCommand({printing, fp.files, fp.prompt}, "T", [](Printer&, const PrintChoice&) {}));
        QCOMPARE(fp.prompt.shown, (QList<Message>{{"Print Error\rThe printer lp0 is out of paper.", "Print Cancelled"}}));
        QVERIFY(fp.files.requests.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSimpleReport)
#include "tst_simpleresults_report.moc"
