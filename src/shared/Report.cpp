#include "shared/Report.h"
#include "shared/AtomicFile.h"
#include "shared/FileCommands.h"
#include "shared/ResultsRules.h"

#include <QBuffer>
#include <QCoreApplication>

namespace brevane {

namespace {

void printLine(Printer& printer, QString line, double left)
{
    if (!line.isEmpty() && line.front().unicode() < 14)
        line.remove(0, 1);
    printer.setCurrentX(left);
    printer.print(line, LineEnd::End);
}

void titleBlock(Printer& printer, const QString& title, double x)
{
    printer.setFontSize(16);
    printer.setFontBold(true);
    printer.setCurrentX(x);
    printer.setCurrentY(kReportTitleTop);
    printer.print(title, LineEnd::End);
    printer.print(QString(), LineEnd::End);
}

} // namespace

void printWrapped(Printer& printer, const QString& text, double widthInches, double leftInches)
{
    const double limit = widthInches * 1440 * 0.8;
    const double left = leftInches * 1440;
    QString line;
    for (const QChar c : text) {
        if (c == u'\r') {
            printLine(printer, line, left);
            line.clear();
        } else if (c == u' ') {
            if (printer.textWidth(line) <= limit) {
                line += c;
            } else {
                printLine(printer, line, left);
                line = c;
            }
        } else {
            line += c;
        }
    }
    if (!line.isEmpty())
        printLine(printer, line, left);
}

void printSetRuns(Printer& printer, const SetData& data, int set)
{
    printer.setFontSize(12);
    printer.setFontBold(true);
    printer.print(QCoreApplication::translate("Report", "Set  %1").arg(set), LineEnd::End); // a sign position
    printer.setFontBold(false);
    // Two blanks apart: times of ten seconds and more would otherwise run into each other.
    for (int run = 1; run <= kStoredRuns; ++run)
        printer.print(formatSeconds(data.Times[set][run]) + (run % 5 ? QStringLiteral("  ") : QString()),
                      run % 5 == 0 ? LineEnd::End : LineEnd::Stay);
}

void printLabelled(Printer& printer, const QString& label, const QString& value)
{
    printer.print(label + u' ', LineEnd::Stay);
    printer.print(value, LineEnd::Stay);
}

void printComments(Printer& printer, const QString& comment)
{
    printer.print(QCoreApplication::translate("Report", "Comments:"), LineEnd::End);
    printer.setFontSize(10);
    printWrapped(printer, comment, 8.0, 0.0);
    printer.print(QString(), LineEnd::End);
    if (comment.isEmpty()) {
        printer.print(QString(), LineEnd::End);
        printer.print(QString(), LineEnd::End);
    }
}

void printSetPages(Printer& printer, const PrintChoice& choice, const std::function<void(int set)>& printSet)
{
    printer.setFontName(QString::fromLatin1(kReportFont));
    printer.setFontSize(16);
    printer.setFontBold(true);
    const double x = kReportLineWidth / 2 - printer.textWidth(choice.title) / 2;
    titleBlock(printer, choice.title, x);
    int onPage = 0;
    for (int set = 1; set <= kPrintableSets; ++set) {
        if (onPage == 5) {
            onPage = 0;
            printer.endDoc();
            titleBlock(printer, choice.title, x);
        }
        if (!choice.ticked[set - 1])
            continue;
        printSet(set);
        ++onPage;
    }
    printer.endDoc();
}

FileDialogRequest pdfDialog()
{
    return FileDialogRequest{QCoreApplication::translate("Report", "Save Report As PDF"),
                             QCoreApplication::translate("Report", "PDF Files|*.pdf"), QStringLiteral("report.pdf"),
                             QString(), QStringLiteral("pdf")};
}

bool runPrintCommand(const PrintServices& services, const QString& defaultTitle,
                     const std::function<void(Printer&, const PrintChoice&)>& report)
{
    PrintChoice choice{defaultTitle, {}};
    if (!services.printing.selectSets(choice))
        return false;
    std::optional<QString> pdfPath;
    if (!services.printing.hasPrinter()) {
        pdfPath = chooseSavePath(services.files, services.prompt, pdfDialog());
        if (!pdfPath)
            return false;
    }
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    const std::unique_ptr<Printer> printer =
        pdfPath ? services.printing.openPdf(pdf) : services.printing.openPrinter(choice.title);
    if (printer->error().isEmpty())
        report(*printer, choice);
    QString reason;
    if (!printer->finish()) {
        reason = printer->error();
    } else if (pdfPath) {
        const FileWriteResult written = replaceFileAtomically(
            *pdfPath, [&pdf](QIODevice& out) { return out.write(pdf.data()) == pdf.data().size(); });
        if (written.ok)
            return true;
        reason = written.error.isEmpty() ? QCoreApplication::translate("Report", "The file could not be written.")
                                         : written.error;
    } else {
        return true;
    }
    services.prompt.ask(Message{QCoreApplication::translate("Report", "Print Error\r") + reason,
                                QCoreApplication::translate("Report", "Print Cancelled")});
    return false;
}

} // namespace brevane
