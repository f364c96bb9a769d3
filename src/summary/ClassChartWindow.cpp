#include "summary/ClassChartWindow.h"
#include "summary/ClassChart.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace brevane::summary {

ClassChartView::ClassChartView(QWidget* parent)
    : QWidget(parent)
{
    setMinimumSize(kChartWidth / 3, kChartHeight / 3);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ClassChartView::setSummary(const ClassSummary& summary)
{
    summary_ = summary;
    update();
}

void ClassChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const double scale = std::min(width() / double(kChartWidth), height() / double(kChartHeight));
    painter.translate((width() - kChartWidth * scale) / 2, (height() - kChartHeight * scale) / 2);
    painter.scale(scale, scale);
    drawClassChart(painter, summary_);
}

ClassChartWindow::ClassChartWindow(QWidget* parent)
    : QWidget(parent)
    , chart_(new ClassChartView(this))
    , handedIn_(new QLabel(this))
{
    setWindowTitle(tr("Class reaction times"));
    QFont big = handedIn_->font();
    big.setPointSizeF(big.pointSizeF() * 1.6); // read from the back of the room
    handedIn_->setFont(big);
    handedIn_->setAlignment(Qt::AlignCenter);
    handedIn_->setAccessibleName(tr("Handed in"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chart_, 1);
    layout->addWidget(handedIn_);
    resize(kChartWidth, kChartHeight + 60);
}

void ClassChartWindow::showSummary(const ClassSummary& summary)
{
    chart_->setSummary(summary);
    handedIn_->setText(handedIn(summary));
}

} // namespace brevane::summary
