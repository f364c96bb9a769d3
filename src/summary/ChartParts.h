#pragma once
// What the class chart, the shape page and the students' pages draw alike: a colour per test,
// fonts by pixel size on the 1200-wide canvases, tick steps, value ranges, histogram bins, and
// numbers as a reader of the user's language writes them (the tables keep the period).

#include <QColor>
#include <QFont>
#include <QPageLayout>
#include <QString>
#include <span>
#include <vector>

class QPainter;
class QPdfWriter;

namespace brevane::summary {

QColor colourOf(const QString& test);
QFont font(int pixels, bool bold = false);
// A tick step of 1, 2, 2.5 or 5 times a power of ten that cuts the span into about six parts.
double tickStep(double span);

// A value range with round ends, for an axis.
struct Range {
    double low = 0, high = 1, step = 0.2;
    // v's place between `from` (at low) and `to` (at high).
    double at(double v, double from, double to) const { return from + (v - low) / (high - low) * (to - from); }
};
// Over [lo, hi], at least `minimumSpan` wide and with a margin, its ends on ticks; 0 to 1 for no
// values (lo > hi).
Range niceRange(double lo, double hi, double minimumSpan);

// Counts of values in bins of `width` from `start` (a multiple of the width), one bin per
// `width` up to the largest value.
struct Histogram {
    double start = 0, width = 10;
    std::vector<int> counts;
    int total = 0;
    int largest() const;
};
Histogram histogram(std::span<const double> values, double width);
// A bin width of 5, 10, 20, 25 or 50 ms or more that gives about `bins` bins over the span.
double binWidth(double span, int bins);

// A number for a reader: the user's decimal mark, `decimals` places; "" for NaN.
QString shownNumber(double value, int decimals = 0);

// A canvas of `width` (1200 for the charts, 800 for a student's page) begun: white, smoothed,
// its title across the top in large bold type; the pen and font then for the line under it.
void beginCanvas(QPainter& p, double width, double height, const QString& title);

// A PDF on A4 of the given orientation with the painter begun on it, scaled so that a canvas of
// width x height fills the page between 10 mm margins. False when the device cannot take it.
bool beginPdf(QPdfWriter& pdf, QPainter& painter, QPageLayout::Orientation orientation, const QString& title,
              double width, double height);

} // namespace brevane::summary
