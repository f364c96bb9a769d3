#include "summary/ClassChart.h"
#include "summary/ChartParts.h"
#include "summary/ShapeChart.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QImageWriter>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

namespace brevane::summary {

namespace {

const QRectF kPlot(120, 150, 1040, 520); // the value area on the canvas

struct Axis {
    double low = 0, high = 1000, step = 200;
    double y(double ms) const { return kPlot.bottom() - (ms - low) / (high - low) * kPlot.height(); }
};

Axis axisFor(const QList<ClassRow>& rows)
{
    double lo = INFINITY, hi = -INFINITY;
    for (const ClassRow& row : rows)
        for (const std::vector<double>* values : {&row.studentMeans, &row.shape.countedMs})
            for (double v : *values)
                lo = std::min(lo, v), hi = std::max(hi, v);
    if (lo > hi)
        return {};
    // At least 100 ms on the axis: one student, or a few alike, as the live view starts with, should
    // not fill the chart with tenths of a millisecond.
    const Range r = niceRange(lo, hi, 100);
    return {r.low, r.high, r.step};
}

void drawBox(QPainter& p, const Axis& axis, const ClassRow& row, double centre, double width)
{
    const std::vector<double>& v = row.studentMeans;
    const QColor colour = colourOf(row.test);
    const double q1 = quantile(v, 0.25), q3 = quantile(v, 0.75), reach = 1.5 * (q3 - q1);
    double low = q1, high = q3; // the whiskers end at the furthest mean within 1.5 box lengths
    for (double m : v) {
        if (m >= q1 - reach)
            low = std::min(low, m);
        if (m <= q3 + reach)
            high = std::max(high, m);
    }
    p.setPen(QPen(colour.darker(140), 2));
    for (const auto& [from, to] : {std::pair{q1, low}, std::pair{q3, high}}) {
        p.drawLine(QPointF(centre, axis.y(from)), QPointF(centre, axis.y(to)));
        p.drawLine(QPointF(centre - width / 4, axis.y(to)), QPointF(centre + width / 4, axis.y(to)));
    }
    QColor fill = colour;
    fill.setAlpha(60);
    p.setBrush(fill);
    p.drawRect(QRectF(QPointF(centre - width / 2, axis.y(q3)), QPointF(centre + width / 2, axis.y(q1))));
    p.setPen(QPen(colour.darker(180), 4));
    p.drawLine(QPointF(centre - width / 2, axis.y(median(v))), QPointF(centre + width / 2, axis.y(median(v))));

    // The dots spread sideways by the golden ratio's sequence: the same picture every run, and
    // students with equal means still apart.
    QColor dot = colour.darker(120);
    dot.setAlpha(200);
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(dot);
    for (std::size_t i = 0; i < v.size(); ++i) {
        const double spread = std::fmod(double(i) * 0.6180339887, 1.0) - 0.5;
        p.drawEllipse(QPointF(centre + spread * width * 0.8, axis.y(v[i])), 6, 6);
    }
}

// The differences under the chart, whole items to a line, centred; the font shrinks until they
// fit the area however many groups there are.
void drawFooter(QPainter& p, const QStringList& items, const QRectF& area)
{
    for (int pixels = 17; pixels >= 9; --pixels) {
        p.setFont(font(pixels));
        const QFontMetricsF metrics(p.font());
        const double gap = metrics.horizontalAdvance(QStringLiteral("    "));
        QList<QStringList> lines{{}};
        double used = 0;
        for (const QString& item : items) {
            const double width = metrics.horizontalAdvance(item);
            if (!lines.last().isEmpty() && used + gap + width > area.width()) {
                lines.append(QStringList());
                used = 0;
            }
            used += (lines.last().isEmpty() ? 0 : gap) + width;
            lines.last() << item;
        }
        if (lines.size() * metrics.lineSpacing() <= area.height() || pixels == 9) {
            for (int i = 0; i < lines.size(); ++i)
                p.drawText(
                    QRectF(area.left(), area.top() + i * metrics.lineSpacing(), area.width(), metrics.lineSpacing()),
                    Qt::AlignHCenter | Qt::AlignTop, lines[i].join(QStringLiteral("    ")));
            return;
        }
    }
}

// A test's runs that count as bars along the axis, growing rightwards from `left`: a bar of
// `width` stands for `fullShare` of the test's runs.
void drawRuns(QPainter& p, const Axis& axis, const QString& test, const Histogram& h, double left, double width,
              double fullShare)
{
    const QColor colour = colourOf(test);
    QColor fill = colour;
    fill.setAlpha(110);
    p.setPen(QPen(colour.darker(130), 0.8));
    p.setBrush(fill);
    for (std::size_t i = 0; i < h.counts.size(); ++i) {
        const double from = h.start + double(i) * h.width, share = double(h.counts[i]) / h.total;
        if (h.counts[i] > 0)
            p.drawRect(
                QRectF(QPointF(left, axis.y(from + h.width)), QPointF(left + width * share / fullShare, axis.y(from))));
    }
    p.setPen(QPen(colour.darker(150), 1.5));
    p.drawLine(QPointF(left, kPlot.top()), QPointF(left, kPlot.bottom()));
}

// Every test's runs that count, binned alike; the largest share of any bin.
std::vector<Histogram> runHistograms(const ClassSummary& summary, const Axis& axis, double& fullShare)
{
    const double width = binWidth(axis.high - axis.low, 40);
    std::vector<Histogram> out;
    fullShare = 0;
    for (const ClassRow& row : summary.classRows) {
        out.push_back(histogram(row.shape.countedMs, width));
        if (out.back().total > 0)
            fullShare = std::max(fullShare, double(out.back().largest()) / out.back().total);
    }
    return out;
}

// What the bars are, over the plot.
void drawRunsCaption(QPainter& p, const std::vector<Histogram>& runs)
{
    int countedRuns = 0;
    for (const Histogram& h : runs)
        countedRuns += h.total;
    p.drawText(QRectF(40, 110, kChartWidth - 80, 24), Qt::AlignCenter,
               QCoreApplication::translate("ClassChart", "Bars beside each box: every run that counts (%1 runs; "
                                                         "class-notes.txt says which), as shares of the test's "
                                                         "runs in bins of %2 ms.")
                   .arg(shownNumber(countedRuns))
                   .arg(shownNumber(runs.front().width)));
}

} // namespace

void drawClassChart(QPainter& p, const ClassSummary& summary)
{
    beginCanvas(p, kChartWidth, kChartHeight,
                QCoreApplication::translate("ClassChart", "Class reaction times: simple against choice"));
    p.drawText(QRectF(40, 62, kChartWidth - 80, 48), Qt::AlignCenter | Qt::TextWordWrap,
               QCoreApplication::translate("ClassChart",
                                           "One dot for each student's mean reaction time (%1): the mean of their set "
                                           "means, in whole ms as stored. Box: lower to upper quartile; thick line: "
                                           "median; whiskers: the furthest means within 1.5 box lengths.")
                   .arg(countedShown(summary.students.size(),
                                     QCoreApplication::translate("ClassChart", "%n student(s)", nullptr,
                                                                 int(summary.students.size())),
                                     QStringLiteral("student"))));
    const Axis axis = axisFor(summary.classRows);
    double fullShare = 0;
    const std::vector<Histogram> runs = runHistograms(summary, axis, fullShare);
    if (fullShare > 0)
        drawRunsCaption(p, runs);

    p.setFont(font(15));
    for (double ms = axis.low; ms <= axis.high + axis.step / 1000; ms += axis.step) {
        p.setPen(QPen(QColor(225, 225, 225), 1));
        p.drawLine(QPointF(kPlot.left(), axis.y(ms)), QPointF(kPlot.right(), axis.y(ms)));
        p.setPen(QColor(60, 60, 60));
        p.drawText(QRectF(kPlot.left() - 90, axis.y(ms) - 10, 80, 20), Qt::AlignRight | Qt::AlignVCenter,
                   QLocale().toString(ms, 'g', 6));
    }
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(kPlot.bottomLeft(), kPlot.topLeft());
    p.drawLine(kPlot.bottomLeft(), kPlot.bottomRight());
    p.save();
    p.translate(28, kPlot.center().y());
    p.rotate(-90);
    p.setFont(font(18));
    p.drawText(QRectF(-kPlot.height() / 2, -14, kPlot.height(), 28), Qt::AlignCenter,
               QCoreApplication::translate("ClassChart", "reaction time (ms)"));
    p.restore();

    if (summary.classRows.isEmpty()) {
        p.setFont(font(22));
        p.drawText(kPlot, Qt::AlignCenter,
                   QCoreApplication::translate("ClassChart", "No reaction times in the files read"));
        return;
    }
    const double slot = kPlot.width() / double(summary.classRows.size());
    QStringList differences;
    for (int i = 0; i < summary.classRows.size(); ++i) {
        const ClassRow& row = summary.classRows[i];
        const double centre = kPlot.left() + slot * (i + 0.5);
        if (fullShare > 0) {
            drawBox(p, axis, row, centre - slot * 0.18, std::min(120.0, slot * 0.3));
            drawRuns(p, axis, row.test, runs[std::size_t(i)], centre + slot * 0.01, std::min(300.0, slot * 0.42),
                     fullShare);
        } else {
            drawBox(p, axis, row, centre, std::min(170.0, slot * 0.45));
        }
        p.setPen(Qt::black);
        p.setFont(font(20, true));
        p.drawText(QRectF(centre - slot / 2, kPlot.bottom() + 8, slot, 28), Qt::AlignCenter, row.test);
        p.setFont(font(15));
        p.drawText(QRectF(centre - slot / 2, kPlot.bottom() + 36, slot, 22), Qt::AlignCenter,
                   QCoreApplication::translate("ClassChart", "n = %1, mean %2 ms")
                       .arg(row.studentMeans.size())
                       .arg(std::lround(row.mean)));
        const Interval& d = row.minusSimple;
        if (d.n >= 2)
            differences << QCoreApplication::translate("ClassChart",
                                                       "%1 \u2212 simple: %2 ms (95 % CI %3 to %4, %5 students)")
                               .arg(row.test)
                               .arg(QLocale().toString(d.mean, 'f', 0), QLocale().toString(d.low, 'f', 0),
                                    QLocale().toString(d.high, 'f', 0))
                               .arg(d.n);
    }
    p.setPen(QColor(40, 40, 40));
    drawFooter(p, differences, QRectF(20, kPlot.bottom() + 66, kChartWidth - 40, kChartHeight - kPlot.bottom() - 70));
}

bool writeCanvasPng(QIODevice& out, const ClassSummary& summary, void (*draw)(QPainter&, const ClassSummary&))
{
    QImage image(kChartWidth, kChartHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    draw(painter, summary);
    painter.end();
    QImageWriter writer(&out, "png");
    return writer.write(image);
}

bool writeChartPng(QIODevice& out, const ClassSummary& summary)
{
    return writeCanvasPng(out, summary, drawClassChart);
}

bool writeChartPdf(QIODevice& out, const ClassSummary& summary)
{
    QPdfWriter pdf(&out);
    QPainter painter;
    if (!beginPdf(pdf, painter, QPageLayout::Landscape,
                  QCoreApplication::translate("ClassChart", "Class reaction times"), kChartWidth, kChartHeight))
        return false;
    drawClassChart(painter, summary);
    pdf.newPage();
    drawShapeChart(painter, summary);
    return painter.end();
}

} // namespace brevane::summary
