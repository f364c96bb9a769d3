#pragma once
// What every printed report shares: the Print command around it (the selection dialog, a
// printer or else a PDF file, the failure message), the title block with five sets to a
// document, and the word-wrapped comments.

#include "platform/print/Printer.h"
#include "platform/services/FileChooser.h"
#include "platform/services/Prompt.h"
#include "shared/Stores.h"

#include <functional>

namespace brevane {

// The font the page positions were laid out for. Where it is not installed, fontconfig gives its
// metric-compatible substitute (Liberation Serif, from fonts-liberation), so the positions hold;
// a PDF embeds the face that was used.
inline constexpr auto kReportFont = "Times New Roman";
inline constexpr double kReportLineWidth = 12060; // twips: the title is centred on it
inline constexpr double kReportTitleTop = 750;

// PrintWrapped: prints `text` in the current font, each line starting at `leftInches`,
// breaking at blanks once a line is wider than 80 % of `widthInches` (a line may exceed that
// by its last word; a word is never broken). A carriage return ends a line, and the one
// leading control character of a line (the line feed after it) is dropped when it prints.
void printWrapped(Printer& printer, const QString& text, double widthInches, double leftInches);

// The parts of a set block every report prints alike. printSetRuns: "Set  n" (12 pt bold),
// then runs 1..5 and 6..10 of the set, a line each (12 pt), two blanks between the times.
// printComments: "Comments:", the comment at 10 pt wrapped within 80 % of eight inches, an
// empty line, and two more when the comment is empty.
void printSetRuns(Printer& printer, const SetData& data, int set);
void printComments(Printer& printer, const QString& comment);
// A label and its value, one blank between them, where the line goes on after the value.
void printLabelled(Printer& printer, const QString& label, const QString& value);

// The pages of a report: the title block (16 pt bold, centred, then an empty line), then
// `printSet(s)` for every ticked set. Before the turn of the set after every fifth set, ticked
// or not, the document ends and the next one starts with the title block; the last document
// ends after set 10. The title's width is measured once, in the first block.
void printSetPages(Printer& printer, const PrintChoice& choice, const std::function<void(int set)>& printSet);

// The Print command: frmPrint with the default title and no set ticked; on OK the report
// goes to the printer, or, where the system has none, to a PDF file the user names (Cancel
// there prints nothing). A failure while printing is reported: "Print Error" and the
// system's reason, titled "Print Cancelled". Returns whether the report was handed over.
struct PrintServices {
    Printing& printing;
    FileChooser& files;
    Prompt& prompt;
};
bool runPrintCommand(const PrintServices& services, const QString& defaultTitle,
                     const std::function<void(Printer&, const PrintChoice&)>& report);

// The save dialog for the PDF of a report.
FileDialogRequest pdfDialog();

} // namespace brevane
