#include "summary/ShapeChart.h"
#include "summary/ChartParts.h"
#include "summary/ClassChart.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace brevane::summary {

namespace {

const QRectF kPlot(130, 150, 800, 520); // the value area; the legend is to its right

struct ShapeChart {
    Q_DECLARE_TR_FUNCTIONS(ShapeChart)
};

struct Dot {
    QString test;
    double median, tau;
};

std::vector<Dot> dotsOf(const ClassSummary& summary)
{
    std::vector<Dot> dots;
    for (const StudentRow& student : summary.students)
        for (auto it = student.shapes.cbegin(); it != student.shapes.cend(); ++it)
            if (it->fit.status == FitStatus::Converged)
                dots.push_back({it.key(), it->median, it->fit.p.tau});
    return dots;
}

void drawAxes(QPainter& p, const Range& x, const Range& y)
{
    p.setFont(font(15));
    for (double v = x.low; v <= x.high + x.step / 1000; v += x.step) {
        const double at = x.at(v, kPlot.left(), kPlot.right());
        p.setPen(QPen(QColor(225, 225, 225), 1));
        p.drawLine(QPointF(at, kPlot.top()), QPointF(at, kPlot.bottom()));
        p.setPen(QColor(60, 60, 60));
        p.drawText(QRectF(at - 40, kPlot.bottom() + 6, 80, 20), Qt::AlignCenter, shownNumber(v));
    }
    for (double v = y.low; v <= y.high + y.step / 1000; v += y.step) {
        const double at = y.at(v, kPlot.bottom(), kPlot.top());
        p.setPen(QPen(QColor(225, 225, 225), 1));
        p.drawLine(QPointF(kPlot.left(), at), QPointF(kPlot.right(), at));
        p.setPen(QColor(60, 60, 60));
        p.drawText(QRectF(kPlot.left() - 90, at - 10, 80, 20), Qt::AlignRight | Qt::AlignVCenter, shownNumber(v));
    }
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(kPlot.bottomLeft(), kPlot.topLeft());
    p.drawLine(kPlot.bottomLeft(), kPlot.bottomRight());
    p.setFont(font(18));
    p.drawText(QRectF(kPlot.left(), kPlot.bottom() + 30, kPlot.width(), 28), Qt::AlignCenter,
               ShapeChart::tr("median of the student's runs (ms)"));
    p.save();
    p.translate(32, kPlot.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-kPlot.height() / 2, -14, kPlot.height(), 28), Qt::AlignCenter,
               ShapeChart::tr("\u03c4, the slow tail (ms)"));
    p.restore();
}

void drawLegend(QPainter& p, const ClassSummary& summary)
{
    double y = kPlot.top() + 10;
    for (const ClassRow& row : summary.classRows) {
        p.setPen(QPen(Qt::white, 1.2));
        p.setBrush(colourOf(row.test).darker(120));
        p.drawEllipse(QPointF(kPlot.right() + 40, y + 11), 7, 7);
        p.setPen(Qt::black);
        p.setFont(font(17, true));
        p.drawText(QRectF(kPlot.right() + 56, y, 200, 22), Qt::AlignLeft | Qt::AlignVCenter, row.test);
        p.setFont(font(14));
        p.setPen(QColor(60, 60, 60));
        p.drawText(QRectF(kPlot.right() + 56, y + 22, 210, 40), Qt::AlignLeft | Qt::TextWordWrap,
                   ShapeChart::tr("%1 of %2 students fitted\nmean \u03c4 %3 ms")
                       .arg(row.shape.fitted)
                       .arg(row.shape.shapeStudents)
                       .arg(shownNumber(row.shape.fit.tau)));
        y += 76;
    }
}

QStringList differences(const ClassSummary& summary)
{
    QStringList out;
    for (const ClassRow& row : summary.classRows) {
        const Interval &mu = row.shape.muMinusSimple, &tau = row.shape.tauMinusSimple;
        if (mu.n >= 2)
            out << ShapeChart::tr(
                       "%1 \u2212 simple: \u03bc %2 ms (95 % CI %3 to %4), \u03c4 %5 ms (%6 to %7), %8 students")
                       .arg(row.test, shownNumber(mu.mean), shownNumber(mu.low), shownNumber(mu.high),
                            shownNumber(tau.mean), shownNumber(tau.low), shownNumber(tau.high))
                       .arg(mu.n);
    }
    return out;
}

} // namespace

void drawShapeChart(QPainter& p, const ClassSummary& summary)
{
    beginCanvas(p, kChartWidth, kChartHeight, ShapeChart::tr("The shape of each student's times"));
    p.drawText(
        QRectF(40, 62, kChartWidth - 80, 72), Qt::AlignCenter | Qt::TextWordWrap,
        ShapeChart::tr("One dot for each student and test with an ex-Gaussian fit (at least %1 runs that are neither "
                       "anticipations nor lapses): across, the median of those runs; up, \u03c4, the mean of the fit's "
                       "exponential part: its slow tail. A test that slows every run moves the dots to the "
                       "right; one that adds slow runs moves them up.")
            .arg(RunRules::kFitMinimumRuns));
    const std::vector<Dot> dots = dotsOf(summary);
    double medianLow = INFINITY, medianHigh = -INFINITY, tauHigh = 0;
    for (const Dot& d : dots) {
        medianLow = std::min(medianLow, d.median);
        medianHigh = std::max(medianHigh, d.median);
        tauHigh = std::max(tauHigh, d.tau);
    }
    const Range x = niceRange(medianLow, medianHigh, 100), y = niceRange(0, std::max(tauHigh, 50.0), 50);
    drawAxes(p, x, y);
    drawLegend(p, summary);
    if (dots.empty()) {
        p.setFont(font(22));
        p.setPen(Qt::black);
        p.drawText(
            kPlot, Qt::AlignCenter | Qt::TextWordWrap,
            ShapeChart::tr("No student has %1 runs in a test yet: too few for a fit").arg(RunRules::kFitMinimumRuns));
    }
    for (const Dot& d : dots) {
        QColor dot = colourOf(d.test).darker(120);
        dot.setAlpha(200);
        p.setPen(QPen(Qt::white, 1.2));
        p.setBrush(dot);
        p.drawEllipse(QPointF(x.at(d.median, kPlot.left(), kPlot.right()), y.at(d.tau, kPlot.bottom(), kPlot.top())), 6,
                      6);
    }
    p.setPen(QColor(40, 40, 40));
    p.setFont(font(15));
    p.drawText(QRectF(20, kPlot.bottom() + 64, kChartWidth - 40, kChartHeight - kPlot.bottom() - 68),
               Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, differences(summary).join(u'\n'));
}

bool writeShapeChartPng(QIODevice& out, const ClassSummary& summary)
{
    return writeCanvasPng(out, summary, drawShapeChart);
}

} // namespace brevane::summary
