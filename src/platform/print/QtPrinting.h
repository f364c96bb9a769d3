#pragma once
// Printing on Qt: QPrinter for the system's printer (with its setup dialog), QPdfWriter for a
// PDF file where the system has no printer, and the selection dialog frmPrint. One object for
// the whole program: the printer settings chosen in Setup apply to every later report, and the
// selection dialog keeps its state between reports.

#include "platform/print/PrintSelection.h"
#include "platform/print/Printer.h"

#include <QDialog>
#include <functional>
#include <memory>

class QPrinter;
namespace Ui {
class frmPrint;
}

namespace brevane {

class QtPrinting final : public Printing {
public:
    explicit QtPrinting(Prompt& prompt);
    ~QtPrinting() override;

    bool hasPrinter() const override;
    std::unique_ptr<Printer> openPrinter(const QString& documentName) override;
    std::unique_ptr<Printer> openPdf(QIODevice& out) override;
    bool selectSets(PrintChoice& choice) override;

    // The system's printer setup dialog, for frmPrint's Setup.
    void setup(QWidget* parent);

private:
    PrintSelection selection_;
    std::unique_ptr<QPrinter> printer_;
};

// The print selection dialog over PrintSelection: Title, the ten set boxes, Select All, OK,
// Cancel and Setup.
class frmPrint final : public QDialog {
    Q_OBJECT
public:
    frmPrint(PrintSelection& selection, const std::function<void()>& setup, QWidget* parent = nullptr);
    ~frmPrint() override;

private:
    void showSelection();
    void takeBoxes();

    std::unique_ptr<Ui::frmPrint> ui;
    PrintSelection& selection_;
};

} // namespace brevane
