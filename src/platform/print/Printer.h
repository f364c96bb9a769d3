#pragma once
// Printing: a report is a sequence of texts in fonts at positions in twips (1440 per inch)
// from the top-left of the printable area, with line ends and document ends, as the reports
// were designed. Printer is that sequence's device; Printing is the system's printing: a
// printer when it has one, a PDF file otherwise, the printer setup dialog and the print
// selection dialog frmPrint.

#include <QString>
#include <array>
#include <memory>

class QIODevice;

namespace brevane {

enum class LineEnd { Stay, End };

class Printer {
public:
    virtual ~Printer() = default;
    virtual void setFontName(const QString& name) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setFontBold(bool bold) = 0;
    virtual void setCurrentX(double twips) = 0;
    virtual void setCurrentY(double twips) = 0;
    // The width of `text` in the current font, in twips.
    virtual double textWidth(const QString& text) = 0;
    // Prints at the current position. Stay: the position moves to the end of the text. End:
    // the position goes to the start of the next line, one line of the current font down.
    virtual void print(const QString& text, LineEnd end) = 0;
    // The document is complete and goes to the printer; the next output starts a new one.
    virtual void endDoc() = 0;
    // Hands over whatever is still open (the PDF is written out here). False when anything
    // failed since the printer was opened; output after a failure is dropped.
    virtual bool finish() = 0;
    // The system's reason for the first failure; empty while all went well.
    virtual QString error() const = 0;
};

inline constexpr int kPrintableSets = 10;

// What frmPrint is shown with and what it gives back.
struct PrintChoice {
    QString title;
    std::array<bool, kPrintableSets> ticked{}; // set n at n - 1
    bool operator==(const PrintChoice&) const = default;
};

class Printing {
public:
    virtual ~Printing() = default;
    // False when the system lists no printer: reports then go to a PDF file.
    virtual bool hasPrinter() const = 0;
    virtual std::unique_ptr<Printer> openPrinter(const QString& documentName) = 0;
    // A PDF document written to `out` when the printer finishes; the caller files it.
    virtual std::unique_ptr<Printer> openPdf(QIODevice& out) = 0;
    // The print selection dialog, modal: the caller presets the title and the boxes and reads
    // them back. Returns PrintConfirmed: OK was accepted with at least one set ticked.
    virtual bool selectSets(PrintChoice& choice) = 0;
};

} // namespace brevane
