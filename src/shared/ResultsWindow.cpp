#include "shared/ResultsWindow.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QValueAxis>

namespace brevane {

namespace {

template <typename T, std::size_t N> void collect(QWidget* window, const char* name, std::array<T*, N>& out)
{
    for (std::size_t i = 0; i < N; ++i)
        out[i] = window->findChild<T*>(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
}

void showCell(QLabel* label, const ResultCell& cell)
{
    if (label->text() != cell.text)
        label->setText(cell.text);
    QPalette pal = label->palette();
    const QColor text =
        cell.whiteText ? QColor(Qt::white) : label->style()->standardPalette().color(QPalette::ButtonText);
    if (pal.color(QPalette::Window) != QColor::fromRgb(cell.background) || pal.color(QPalette::WindowText) != text) {
        pal.setColor(QPalette::Window, QColor::fromRgb(cell.background));
        pal.setColor(QPalette::WindowText, text);
        label->setPalette(pal);
    }
}

void showText(QLabel* label, const QString& text)
{
    if (label && label->text() != text) // a count panel only the choice windows have
        label->setText(text);
}

// A page marked "CSV", where the desktop has no spreadsheet icon: no standard picture says export.
QIcon csvIcon(QFont font)
{
    QPixmap pixmap(56, 56);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(70, 70, 70), 2.5));
    p.setBrush(Qt::white);
    const QRectF page(9, 3, 38, 50);
    p.drawRect(page);
    font.setPixelSize(17);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0, 120, 0));
    p.drawText(page, Qt::AlignCenter, QStringLiteral("CSV"));
    return QIcon(pixmap);
}

template <typename T = QWidget> T* control(QWidget* window, const char* name)
{
    T* c = window->findChild<T*>(QLatin1String(name));
    if (!c)
        qFatal("the form has no control %s", name);
    return c;
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
    view->setLayoutDirection(Qt::LeftToRight); // run 1 on the left, the axis on the left, in every language
    QChart* chart = view->chart();             // the view's own: one set in its place would leave this one behind
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
    values->setTitleText(ResultsWindow::tr("ms"));
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

ResultsWindow::ResultsWindow(const ResultsKind& kind, AppState& state, const Platform& platform, QWidget* parent)
    : QWidget(parent)
    , logic_(kind, state, platform, *this)
{
    // Before the form is set up, which then keeps it: one form may serve several kinds.
    setObjectName(QString::fromLatin1(kind.windowName));
}

ResultsWindow::~ResultsWindow() = default;

void ResultsWindow::bindControls()
{
    setFixedSize(size());
    setWindowTitle(QCoreApplication::translate("ResultsKind", logic_.kind().caption));
    control<QLabel>(this, "lblLogo")->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(28, 28));
    auto* tabs = control<QTabWidget>(this, "SSTab1");
    tabs->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 4px; }"));
    collect(this, "lblRunData", lblRunData);
    collect(this, "lblFastTime", lblFastTime);
    collect(this, "lblSlowTime", lblSlowTime);
    collect(this, "lblAverageTime", lblAverageTime);
    collect(this, "lblFastData", lblFastData);
    collect(this, "lblSlowData", lblSlowData);
    collect(this, "lblAverageData", lblAverageData);
    collect(this, "lblCorrectHitsData", lblCorrectHitsData);
    collect(this, "lblCorrectMissesData", lblCorrectMissesData);
    collect(this, "lblInCorrectHitsData", lblInCorrectHitsData);
    collect(this, "lblMissedHitsData", lblMissedHitsData);
    collect(this, "txtDescription", txtDescription);
    for (const Labels* cells : {&lblAverageTime, &lblFastData, &lblSlowData, &lblAverageData, &lblCorrectHitsData,
                                &lblCorrectMissesData, &lblInCorrectHitsData, &lblMissedHitsData})
        for (QLabel* cell : *cells)
            if (cell)
                showCell(cell, ResultCell{cell->text()}); // value cells that are never highlighted
    for (int i = 0; i < kSetCount; ++i)
        connect(txtDescription[i], &QLineEdit::textEdited, this,
                [this, i](const QString& text) { logic_.commentEdited(i, text); });

    // The same icons for every results window: the pixmap cache keeps an icon's scaled pixmaps
    // under the icon, so icons made anew for each window grew the program by some 10 kB at every
    // Display, until the cache's limit of megabytes.
    static const QIcon print =
        QIcon::fromTheme(QStringLiteral("document-print"), style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    static const QIcon load = style()->standardIcon(QStyle::SP_DialogOpenButton);
    static const QIcon save = style()->standardIcon(QStyle::SP_DialogSaveButton);
    control<QPushButton>(this, "cmdPrint")->setIcon(print);
    control<QPushButton>(this, "cmdLoad")->setIcon(load);
    control<QPushButton>(this, "cmdSave")->setIcon(save);
    static const QIcon csv = QIcon::fromTheme(QStringLiteral("x-office-spreadsheet"), csvIcon(font()));
    control<QPushButton>(this, "cmdExport")->setIcon(csv);
    buildCharts();

    connect(tabs, &QTabWidget::currentChanged, this, [this](int tab) {
        if (!rendering_)
            logic_.tabClicked(tab);
    });
    const std::pair<const char*, void (ResultsModel::*)()> commands[] = {{"cmdClearAll", &ResultsModel::clearAll},
                                                                         {"cmdSave", &ResultsModel::save},
                                                                         {"cmdExport", &ResultsModel::exportCsv},
                                                                         {"cmdLoad", &ResultsModel::load},
                                                                         {"cmdPrint", &ResultsModel::print}};
    for (const auto& [name, command] : commands)
        connect(control<QPushButton>(this, name), &QPushButton::clicked, this,
                [this, command = command] { (logic_.*command)(); });
    connect(control<QPushButton>(this, "cmdDisplayDone"), &QPushButton::clicked, this, &ResultsWindow::done);
    render();
}

void ResultsWindow::buildCharts()
{
    QBarSeries* run = barChart(control<QChartView>(this, "grfRun"), false);
    runBars_ = barSet(run, tr("Times"), paletteColour(1));
    // Queued: the question box must not open, nor the bars change, inside the chart's own
    // mouse handling.
    connect(
        run, &QBarSeries::clicked, this, [this](int index, QBarSet*) { logic_.runBarSelected(index + 1); },
        Qt::QueuedConnection);

    auto* grfSet = findChild<QChartView*>(QStringLiteral("grfSet"));
    if (!grfSet)
        return; // the choice windows have the run chart only
    QBarSeries* sets = barChart(grfSet, true);
    static constexpr int kSetColours[kSetCount] = {1, 2, 3, 4, 5, 6, 8, 9, 12, 13};
    for (int s = 0; s < kSetCount; ++s)
        setBars_[s] = barSet(sets, tr("Set %1").arg(s + 1), paletteColour(kSetColours[s]));
    connect(
        sets, &QBarSeries::clicked, this,
        [this](int index, QBarSet* bars) {
            const auto it = std::find(setBars_.begin(), setBars_.end(), bars);
            if (it != setBars_.end())
                logic_.setBarSelected(int(it - setBars_.begin()) + 1, index + 1);
        },
        Qt::QueuedConnection);
}

void ResultsWindow::render()
{
    rendering_ = true;
    const ResultsDisplay& d = logic_.display();
    control<QLabel>(this, "lblVersion")->setText(d.lblVersion);
    auto* tabs = control<QTabWidget>(this, "SSTab1");
    if (tabs->currentIndex() != d.tab)
        tabs->setCurrentIndex(d.tab);
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
        showText(lblCorrectHitsData[i], d.lblCorrectHitsData[i]);
        showText(lblCorrectMissesData[i], d.lblCorrectMissesData[i]);
        showText(lblInCorrectHitsData[i], d.lblInCorrectHitsData[i]);
        showText(lblMissedHitsData[i], d.lblMissedHitsData[i]);
        if (setBars_[i])
            showPoints(setBars_[i], d.grfSet[i]);
    }
    showPoints(runBars_, d.grfRun);
    control(this, "grfRun")->setVisible(d.grfRunVisible);
    if (QWidget* grfSet = findChild<QWidget*>(QStringLiteral("grfSet")))
        grfSet->setVisible(d.grfSetVisible);
    rendering_ = false;
}

void ResultsWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!activated_) { // the first showing; later ones are activations the logic runs itself
        activated_ = true;
        logic_.activate();
    }
}

void ResultsWindow::done()
{
    logic_.done();
    emit doneRequested();
}

void ResultsWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (event->spontaneous())
        done();
}

} // namespace brevane
