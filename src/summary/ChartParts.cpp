#include "summary/ChartParts.h"
#include "summary/ClassSummary.h"

#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

namespace brevane::summary {

QColor colourOf(const QString& test)
{
    static const QColor colours[] = {QColor(31, 119, 180), QColor(214, 39, 40), QColor(44, 160, 44),
                                     QColor(148, 103, 189)};
    return colours[std::max<qsizetype>(0, kTestOrder.indexOf(test)) % 4];
}

QFont font(int pixels, bool bold)
{
    QFont f;
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

double tickStep(double span)
{
    const double raw = span / 6, power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 2.5, 5.0})
        if (raw <= m * power)
            return m * power;
    return 10 * power;
}

Range niceRange(double lo, double hi, double minimumSpan)
{
    if (!(lo <= hi))
        return {};
    const double widen = std::max(0.0, minimumSpan - (hi - lo)) / 2;
    lo = std::max(0.0, lo - widen);
    hi += widen;
    const double margin = std::max(hi - lo, 10.0) * 0.08;
    Range r;
    r.step = tickStep(hi - lo + 2 * margin);
    r.low = std::max(0.0, std::floor((lo - margin) / r.step) * r.step);
    r.high = std::ceil((hi + margin) / r.step) * r.step;
    return r;
}

int Histogram::largest() const
{
    return counts.empty() ? 0 : *std::ranges::max_element(counts);
}

Histogram histogram(std::span<const double> values, double width)
{
    Histogram h;
    h.width = width;
    if (values.empty())
        return h;
    const auto [lo, hi] = std::ranges::minmax_element(values);
    h.start = std::floor(*lo / width) * width;
    h.counts.assign(std::size_t(std::floor((*hi - h.start) / width)) + 1, 0);
    for (double v : values)
        ++h.counts[std::size_t(std::floor((v - h.start) / width))];
    h.total = int(values.size());
    return h;
}

double binWidth(double span, int bins)
{
    const double raw = span / bins;
    for (double w : {5.0, 10.0, 20.0, 25.0, 50.0, 100.0, 200.0, 250.0, 500.0})
        if (raw <= w)
            return w;
    return 1000;
}

QString shownNumber(double value, int decimals)
{
    if (std::isnan(value))
        return {};
    const double scale = std::pow(10.0, decimals), rounded = std::round(value * scale) / scale;
    QLocale locale; // the user's, for the decimal mark; an axis of 1,000 ms reads badly
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(rounded == 0 ? 0.0 : rounded, 'f', decimals);
}

void beginCanvas(QPainter& p, double width, double height, const QString& title)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(QRectF(0, 0, width, height), Qt::white);
    p.setPen(Qt::black);
    p.setFont(font(30, true));
    p.drawText(QRectF(0, 18, width, 40), Qt::AlignCenter, title);
    p.setFont(font(16));
    p.setPen(QColor(80, 80, 80));
}

bool beginPdf(QPdfWriter& pdf, QPainter& painter, QPageLayout::Orientation orientation, const QString& title,
              double width, double height)
{
    pdf.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    pdf.setResolution(300);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("brevane-summary"));
    if (!painter.begin(&pdf))
        return false;
    const double scale = std::min(pdf.width() / width, pdf.height() / height);
    painter.translate((pdf.width() - width * scale) / 2, (pdf.height() - height * scale) / 2);
    painter.scale(scale, scale);
    return true;
}

} // namespace brevane::summary
