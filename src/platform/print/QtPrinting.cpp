#include "platform/print/QtPrinting.h"
#include "platform/print/ReportFonts.h"
#include "ui_frmPrint.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace brevane {

namespace {

constexpr double kTwipsPerPoint = 20;

// The report's operations on a QPainter, in twips: fonts sized in twips (pixel size under a
// transform that makes one unit a twip), texts placed by their top at the current position as
// the designed printer did. A document begins with the first output after the previous one
// ended; a line that would run off the page continues on a new page.
class PainterPrinter : public Printer {
public:
    void setFontName(const QString& name) override { font_.setFamilies(reportFontFamilies(name, QLocale().script())); }
    void setFontSize(double points) override { font_.setPixelSize(qRound(points * kTwipsPerPoint)); }
    void setFontBold(bool bold) override { font_.setBold(bold); }
    void setCurrentX(double twips) override { x_ = twips; }
    void setCurrentY(double twips) override { y_ = twips; }
    double textWidth(const QString& text) override { return QFontMetricsF(font_).horizontalAdvance(text); }

    void print(const QString& text, LineEnd end) override
    {
        if (!error_.isEmpty())
            return;
        if (!documentOpen_) {
            documentOpen_ = openDocument();
            if (!documentOpen_)
                return;
        }
        const QFontMetricsF metrics(font_);
        if (y_ > 0 && y_ + metrics.height() > pageHeight_) {
            nextPage();
            y_ = 0;
        }
        QString shown = text;
        shown.removeIf([](QChar c) { return c.unicode() < 32; });
        if (!shown.isEmpty()) {
            painter_.setFont(font_);
            // Right to left (Arabic, Hebrew) the page mirrors: a line starts at the right edge, and
            // each text stands left of where the one before it ended.
            const double x = rightToLeft_ ? pageWidth_ - x_ - metrics.horizontalAdvance(shown) : x_;
            painter_.drawText(QPointF(x, y_ + metrics.ascent()), shown);
        }
        if (end == LineEnd::End) {
            x_ = 0;
            y_ += metrics.height();
        } else {
            x_ += metrics.horizontalAdvance(text);
        }
    }

    void endDoc() override
    {
        if (documentOpen_ && error_.isEmpty())
            closeDocument();
        documentOpen_ = false;
        // The next document starts at the top left, unless a position is set before its first
        // output opens it: the title block of every page after the first is placed so.
        x_ = y_ = 0;
    }

    QString error() const override { return error_; }

protected:
    PainterPrinter()
    {
        font_.setHintingPreference(QFont::PreferNoHinting);
        font_.setPixelSize(200);
    }
    // Starts a document; false, with error_ set, when it cannot.
    virtual bool openDocument() = 0;
    virtual void closeDocument() = 0;
    virtual void nextPage() = 0;

    void open() { documentOpen_ = openDocument(); }

    bool beginOn(QPaintDevice& device)
    {
        if (!painter_.begin(&device))
            return false;
        painter_.setRenderHint(QPainter::TextAntialiasing);
        painter_.scale(device.logicalDpiX() / 1440.0, device.logicalDpiY() / 1440.0);
        pageHeight_ = device.height() * 1440.0 / device.logicalDpiY();
        pageWidth_ = device.width() * 1440.0 / device.logicalDpiX();
        rightToLeft_ = QGuiApplication::layoutDirection() == Qt::RightToLeft;
        painter_.setLayoutDirection(QGuiApplication::layoutDirection());
        return true;
    }

    QPainter painter_;
    QString error_;
    double x_ = 0;
    double y_ = 0;

private:
    QFont font_{QStringLiteral("Times New Roman")}; // until the report sets its font
    double pageHeight_ = 1e9;
    double pageWidth_ = 0;
    bool rightToLeft_ = false;
    bool documentOpen_ = false;
};

// The system's printer: every document is a print job of its own.
class QPrinterPrinter final : public PainterPrinter {
public:
    QPrinterPrinter(QPrinter& printer, const QString& documentName)
        : printer_(printer)
    {
        printer_.setDocName(documentName);
        open(); // a printer that cannot start is known before the report is made
    }
    bool finish() override
    {
        endDoc();
        if (painter_.isActive())
            painter_.end();
        return error_.isEmpty();
    }

private:
    bool openDocument() override
    {
        if (beginOn(printer_))
            return true;
        error_ = QCoreApplication::translate("QtPrinting", "The printer %1 could not be opened.")
                     .arg(printer_.printerName());
        return false;
    }
    void closeDocument() override
    {
        painter_.end();
        checkState();
    }
    void nextPage() override
    {
        printer_.newPage();
        checkState();
    }
    void checkState()
    {
        if (error_.isEmpty() && printer_.printerState() == QPrinter::Error)
            error_ = QCoreApplication::translate("QtPrinting", "The printer %1 reported an error.")
                         .arg(printer_.printerName());
    }
    QPrinter& printer_;
};

// A PDF: one file for the whole report, each document starting on a new page.
class PdfPrinter final : public PainterPrinter {
public:
    explicit PdfPrinter(QIODevice& out)
        : writer_(&out)
    {
        writer_.setResolution(1440);
        const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
        writer_.setPageLayout(QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                                          QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch));
        writer_.setCreator(QApplication::applicationDisplayName());
        open();
    }
    bool finish() override
    {
        endDoc();
        if (painter_.isActive() && !painter_.end() && error_.isEmpty())
            error_ = QCoreApplication::translate("QtPrinting", "The PDF could not be completed.");
        return error_.isEmpty();
    }

private:
    bool openDocument() override
    {
        if (painter_.isActive()) { // the page of the document before is finished
            nextPage();
            return true;
        }
        if (beginOn(writer_))
            return true;
        error_ = QCoreApplication::translate("QtPrinting", "The PDF could not be started.");
        return false;
    }
    void closeDocument() override { }
    void nextPage() override { writer_.newPage(); }

    QPdfWriter writer_;
};

} // namespace

QtPrinting::QtPrinting(Prompt& prompt)
    : selection_(prompt)
    , printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
}

QtPrinting::~QtPrinting() = default;

bool QtPrinting::hasPrinter() const
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

std::unique_ptr<Printer> QtPrinting::openPrinter(const QString& documentName)
{
    return std::make_unique<QPrinterPrinter>(*printer_, documentName);
}

std::unique_ptr<Printer> QtPrinting::openPdf(QIODevice& out)
{
    return std::make_unique<PdfPrinter>(out);
}

bool QtPrinting::selectSets(PrintChoice& choice)
{
    selection_.present(choice);
    frmPrint dialog(
        selection_, [this, &dialog] { setup(&dialog); }, QApplication::activeWindow());
    dialog.exec();
    choice = selection_.choice;
    return selection_.PrintConfirmed;
}

void QtPrinting::setup(QWidget* parent)
{
    QPrintDialog dialog(printer_.get(), parent);
    dialog.setWindowTitle(QCoreApplication::translate("QtPrinting", "Print Setup"));
    dialog.exec();
}

frmPrint::frmPrint(PrintSelection& selection, const std::function<void()>& setup, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::frmPrint>())
    , selection_(selection)
{
    ui->setupUi(this);
    setFixedSize(size());
    showSelection();
    connect(ui->txtTitle, &QLineEdit::textEdited, this,
            [this](const QString& text) { selection_.choice.title = text; });
    connect(ui->cmdAll, &QPushButton::clicked, this, [this] {
        takeBoxes();
        selection_.selectAll();
        showSelection();
    });
    connect(ui->cmdOk, &QPushButton::clicked, this, [this] {
        takeBoxes();
        if (selection_.ok())
            accept();
    });
    connect(ui->cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::rejected, this, [this] { selection_.cancel(); });
    connect(ui->cmdSetup, &QPushButton::clicked, this, [setup] { setup(); });
}

frmPrint::~frmPrint() = default;

void frmPrint::showSelection()
{
    if (ui->txtTitle->text() != selection_.choice.title)
        ui->txtTitle->setText(selection_.choice.title);
    const auto boxes = findChildren<QCheckBox*>();
    for (QCheckBox* box : boxes) {
        const int i = box->objectName().section(u'_', 1).toInt();
        box->setChecked(selection_.choice.ticked[i]);
    }
    ui->cmdAll->setText(selection_.cmdAllCaption);
}

void frmPrint::takeBoxes()
{
    const auto boxes = findChildren<QCheckBox*>();
    for (QCheckBox* box : boxes)
        selection_.choice.ticked[box->objectName().section(u'_', 1).toInt()] = box->isChecked();
}

} // namespace brevane
