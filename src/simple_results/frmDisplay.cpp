#include "simple_results/frmDisplay.h"
#include "ui_frmDisplay.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QCloseEvent>
#include <QStyle>
#include <QTabBar>
#include <QValueAxis>

namespace reflex {

namespace {

template <typename T, std::size_t N>
void collect(QWidget* window, const char* name, std::array<T*, N>& out)
{
    for (std::size_t i = 0; i < N; ++i)
        out[i] = window->findChild<T*>(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
}

void showCell(QLabel* label, const ResultCell& cell)
{
    if (label->text() != cell.text)
        label->setText(cell.text);
    QPalette pal = label->palette();
    const QColor text = cell.whiteText ? QColor(Qt::white) : label->style()->standardPalette().color(QPalette::ButtonText);
    if (pal.color(QPalette::Window) != QColor::fromRgb(cell.background) || pal.color(QPalette::WindowText) != text) {
        pal.setColor(QPalette::Window, QColor::fromRgb(cell.background));
        pal.setColor(QPalette::WindowText, text);
        label->setPalette(pal);
    }
}

void showText(QLabel* label, const QString& text)
{
    if (label->text() != text)
        label->setText(text);
}

void showPoints(QBarSet* bars, const ChartPoints& points)
{
    for (int i = 0; i < int(points.size()); ++i)
        if (bars->at(i) != points[i])
            bars->replace(i, points[i]);
}

// A bar chart with ten categories and the value axis 0..1000 ms.
QBarSeries* barChart(QChartView* view, bool legend)
{
    QChart* chart = view->chart(); // the view's own: one set in its place would leave this one behind
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setVisible(legend);
    chart->legend()->setAlignment(Qt::AlignRight);
    auto* series = new QBarSeries;
    chart->addSeries(series);
    auto* categories = new QBarCategoryAxis;
    for (int i = 1; i <= kStoredRuns; ++i)
        categories->append(QString::number(i));
    auto* values = new QValueAxis;
    values->setRange(0, 1000);
    values->setTickCount(6);
    values->setLabelFormat(QStringLiteral("%d"));
    values->setTitleText(QStringLiteral("ms"));
    chart->addAxis(categories, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(categories);
    series->attachAxis(values);
    view->setRenderHint(QPainter::Antialiasing, false);
    return series;
}

QBarSet* barSet(QBarSeries* series, const QString& label, QRgb colour)
{
    auto* bars = new QBarSet(label);
    for (int i = 0; i < kStoredRuns; ++i)
        bars->append(0);
    bars->setColor(QColor::fromRgb(colour));
    bars->setBorderColor(QColor::fromRgb(colour));
    series->append(bars);
    return bars;
}

} // namespace

frmDisplay::frmDisplay(AppState& state, const Platform& platform, Printing& printing, QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::frmDisplay>())
    , logic_(state, platform, printing, *this)
{
    ui->setupUi(this);
    setFixedSize(size());
    ui->SSTab1->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 4px; }"));
    collect(this, "lblRunData", lblRunData);
    collect(this, "lblFastTime", lblFastTime);
    collect(this, "lblSlowTime", lblSlowTime);
    collect(this, "lblAverageTime", lblAverageTime);
    collect(this, "lblFastData", lblFastData);
    collect(this, "lblSlowData", lblSlowData);
    collect(this, "lblAverageData", lblAverageData);
    collect(this, "txtDescription", txtDescription);
    for (const auto* cells : {&lblAverageTime, &lblFastData, &lblSlowData, &lblAverageData})
        for (QLabel* cell : *cells)
            showCell(cell, ResultCell{}); // value cells that are never highlighted
    for (int i = 0; i < kSetCount; ++i)
        connect(txtDescription[i], &QLineEdit::textEdited, this,
                [this, i](const QString& text) { logic_.commentEdited(i, text); });

    ui->cmdPrint->setIcon(QIcon::fromTheme(QStringLiteral("document-print"),
                                           style()->standardIcon(QStyle::SP_FileDialogDetailedView)));
    ui->cmdLoad->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    ui->cmdSave->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    buildCharts();

    connect(ui->SSTab1, &QTabWidget::currentChanged, this, [this](int tab) {
        if (!rendering_)
            logic_.tabClicked(tab);
    });
    connect(ui->cmdClearAll, &QPushButton::clicked, this, [this] { logic_.clearAll(); });
    connect(ui->cmdSave, &QPushButton::clicked, this, [this] { logic_.save(); });
    connect(ui->cmdLoad, &QPushButton::clicked, this, [this] { logic_.load(); });
    connect(ui->cmdPrint, &QPushButton::clicked, this, [this] { logic_.print(); });
    connect(ui->cmdDisplayDone, &QPushButton::clicked, this, &frmDisplay::done);
    render();
}

frmDisplay::~frmDisplay() = default;

void frmDisplay::buildCharts()
{
    QBarSeries* run = barChart(ui->grfRun, false);
    runBars_ = barSet(run, QStringLiteral("Times"), paletteColour(1));
    // Queued: the question box must not open, nor the bars change, inside the chart's own
    // mouse handling.
    connect(run, &QBarSeries::clicked, this, [this](int index, QBarSet*) {
        logic_.runBarSelected(index + 1);
    }, Qt::QueuedConnection);

    QBarSeries* sets = barChart(ui->grfSet, true);
    static constexpr int kSetColours[kSetCount] = {1, 2, 3, 4, 5, 6, 8, 9, 12, 13};
    for (int s = 0; s < kSetCount; ++s)
        setBars_[s] = barSet(sets, QStringLiteral("Set %1").arg(s + 1), paletteColour(kSetColours[s]));
    connect(sets, &QBarSeries::clicked, this, [this](int index, QBarSet* bars) {
        const auto it = std::find(setBars_.begin(), setBars_.end(), bars);
        if (it != setBars_.end())
            logic_.setBarSelected(int(it - setBars_.begin()) + 1, index + 1);
    }, Qt::QueuedConnection);
}

void frmDisplay::render()
{
    rendering_ = true;
    const SimpleResultsDisplay& d = logic_.display();
    ui->lblVersion->setText(d.lblVersion);
    if (ui->SSTab1->currentIndex() != d.tab)
        ui->SSTab1->setCurrentIndex(d.tab);
    for (int i = 0; i < int(lblRunData.size()); ++i)
        showCell(lblRunData[i], d.lblRunData[i]);
    for (int i = 0; i < kSetCount; ++i) {
        showCell(lblFastTime[i], d.lblFastTime[i]);
        showCell(lblSlowTime[i], d.lblSlowTime[i]);
        showText(lblAverageTime[i], d.lblAverageTime[i]);
        showText(lblFastData[i], d.lblFastData[i]);
        showText(lblSlowData[i], d.lblSlowData[i]);
        showText(lblAverageData[i], d.lblAverageData[i]);
        if (txtDescription[i]->text() != d.txtDescription[i])
            txtDescription[i]->setText(d.txtDescription[i]);
        showPoints(setBars_[i], d.grfSet[i]);
    }
    showPoints(runBars_, d.grfRun);
    ui->grfRun->setVisible(d.grfRunVisible);
    ui->grfSet->setVisible(d.grfSetVisible);
    rendering_ = false;
}

void frmDisplay::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!activated_) { // the first showing; later ones are activations the logic runs itself
        activated_ = true;
        logic_.activate();
    }
}

void frmDisplay::done()
{
    logic_.done();
    emit doneRequested();
}

void frmDisplay::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (event->spontaneous())
        done();
}

} // namespace reflex
