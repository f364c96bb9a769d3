// The student's page (Handouts.h): a heading, a table of their tests, and a panel per test with
// their runs against the class's and their mean among the class's means.
#include "summary/ChartParts.h"
#include "summary/Handouts.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace brevane::summary {

namespace {

struct HandoutPage {
    Q_DECLARE_TR_FUNCTIONS(HandoutPage)
};

constexpr double kLeft = 50, kRight = kHandoutWidth - 40, kPanelsTop = 360, kPanelsBottom = kHandoutHeight - 30;
const QColor kClassGrey(150, 150, 150), kText(50, 50, 50);

QString cutWords(OutlierRule rule)
{
    switch (rule) {
    case OutlierRule::Mad:
        return HandoutPage::tr("beyond your median \u00b1 3 scaled MADs of the test");
    case OutlierRule::Sd:
        return HandoutPage::tr("beyond your mean \u00b1 3 SD of the test");
    case OutlierRule::None:
        break;
    }
    return HandoutPage::tr("none cut here");
}

void drawHeading(QPainter& p, const Handout& h)
{
    p.setPen(Qt::black);
    p.setFont(font(28, true));
    p.drawText(QRectF(kLeft, 28, kRight - kLeft, 40), Qt::AlignLeft | Qt::AlignVCenter,
               HandoutPage::tr("Reaction times of %1").arg(h.student));
    p.setFont(font(14));
    p.setPen(kText);
    p.drawText(QRectF(kLeft, 74, kRight - kLeft, 40), Qt::AlignLeft | Qt::AlignVCenter,
               HandoutPage::tr("Your times beside your class's (%1 students), in whole milliseconds as stored.")
                   .arg(h.classSize));
}

void drawTable(QPainter& p, const Handout& h)
{
    const QStringList header{HandoutPage::tr("test"),   HandoutPage::tr("sets"),    HandoutPage::tr("runs that count"),
                             HandoutPage::tr("mean"),   HandoutPage::tr("median"),  QStringLiteral("\u03bc"),
                             QStringLiteral("\u03c3"),  QStringLiteral("\u03c4"),   HandoutPage::tr("anticipations"),
                             HandoutPage::tr("lapses"), HandoutPage::tr("outliers")};
    const double widths[] = {80, 40, 70, 60, 60, 50, 50, 50, 105, 55, 60};
    const auto row = [&](const QStringList& cells, double y, double height) {
        double x = kLeft;
        for (int i = 0; i < cells.size(); ++i) {
            p.drawText(QRectF(x, y, widths[i] - 4, height),
                       (i == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter | Qt::TextWordWrap, cells[i]);
            x += widths[i];
        }
    };
    double y = 140;
    p.setPen(Qt::black);
    p.setFont(font(13, true));
    row(header, y, 36);
    y += 38;
    p.setPen(QPen(kClassGrey, 1));
    p.drawLine(QPointF(kLeft, y), QPointF(kRight, y));
    p.setFont(font(14));
    for (const HandoutTest& t : h.tests) {
        const StudentShape& s = *t.shape;
        p.setPen(colourOf(t.test).darker(130));
        row({t.test, QString::number(t.sets), QString::number(s.countedMs.size()), shownNumber(t.mean),
             shownNumber(s.median), shownNumber(s.fit.p.mu), shownNumber(s.fit.p.sigma), shownNumber(s.fit.p.tau),
             QString::number(s.anticipations), QString::number(s.lapses), QString::number(s.outliers)},
            y + 2, 24);
        y += 26;
    }
    p.setPen(kText);
    p.setFont(font(12));
    p.drawText(QRectF(kLeft, y + 8, kRight - kLeft, kPanelsTop - y - 36), Qt::AlignLeft | Qt::TextWordWrap,
               HandoutPage::tr("Runs that count: all but missed hits, anticipations (under %1 ms), lapses (over %2 "
                               "ms) and outliers (%3). mean: the mean of your set means, every time as stored. "
                               "median, \u03bc, \u03c3, \u03c4: your runs but missed hits, anticipations and lapses; "
                               "\u03bc, \u03c3, \u03c4: the ex-Gaussian fitted to them, a normal part (\u03bc, "
                               "\u03c3) plus an exponential part of mean \u03c4, the slow tail; from %4 runs on.")
                   .arg(h.rules.anticipationMs)
                   .arg(h.rules.lapseMs)
                   .arg(cutWords(h.rules.outliers))
                   .arg(RunRules::kFitMinimumRuns));
    p.drawText(QRectF(kLeft, kPanelsTop - 26, kRight - kLeft, 20), Qt::AlignLeft | Qt::AlignVCenter,
               HandoutPage::tr("Grey: the class's runs that count; outlined: yours, each as shares of its runs. "
                               "Ticks: the class's means; the dot: yours."));
}

// How many of the class's means lie below and above the student's (their own left out once).
QString standing(const HandoutTest& t)
{
    if (std::isnan(t.mean))
        return HandoutPage::tr("No mean: none of your runs is a reaction time.");
    const auto faster = std::ranges::count_if(t.classMeans, [&](double m) { return m < t.mean; });
    const auto slower = std::ranges::count_if(t.classMeans, [&](double m) { return m > t.mean; });
    const qsizetype others = qsizetype(t.classMeans.size()) - 1;
    if (others <= 0)
        return HandoutPage::tr("Your mean, %1 ms; nobody else took this test.").arg(shownNumber(t.mean));
    return HandoutPage::tr("Your mean, %1 ms: of the %2 others, %3 faster, %4 slower.")
        .arg(shownNumber(t.mean))
        .arg(others)
        .arg(faster)
        .arg(slower);
}

// The bars of a histogram as shares of its runs, in one path: a PDF page then holds one shape
// rather than a shape, a colour and a pen per bar.
QPainterPath bars(const Histogram& h, const Range& x, double fullShare, const QRectF& area)
{
    QPainterPath path;
    for (std::size_t i = 0; i < h.counts.size(); ++i) {
        const double from = h.start + double(i) * h.width, share = double(h.counts[i]) / h.total;
        if (h.counts[i] > 0)
            path.addRect(QRectF(
                QPointF(x.at(from, area.left(), area.right()), area.bottom() - area.height() * share / fullShare),
                QPointF(x.at(from + h.width, area.left(), area.right()), area.bottom())));
    }
    return path;
}

void drawPanel(QPainter& p, const HandoutTest& t, const QRectF& panel)
{
    const QColor colour = colourOf(t.test);
    p.setPen(colour.darker(130));
    p.setFont(font(18, true));
    p.drawText(QRectF(panel.left(), panel.top(), panel.width(), 26), Qt::AlignLeft | Qt::AlignVCenter, t.test);
    p.setPen(kText);
    p.setFont(font(13));
    p.drawText(QRectF(panel.left() + 90, panel.top(), panel.width() - 90, 26), Qt::AlignLeft | Qt::AlignVCenter,
               standing(t));

    double lo = INFINITY, hi = -INFINITY;
    for (std::span<const double> values : {t.classCounted, t.classMeans})
        for (double v : values)
            lo = std::min(lo, v), hi = std::max(hi, v);
    const Range x = niceRange(lo, hi, 100);
    const QRectF area(panel.left(), panel.top() + 34, panel.width(), panel.height() - 34 - 50);
    const Histogram all = histogram(t.classCounted, binWidth(x.high - x.low, 40));
    Histogram own = histogram(t.shape->countedMs, all.width);
    double fullShare = all.total > 0 ? double(all.largest()) / all.total : 1;
    if (own.total > 0)
        fullShare = std::max(fullShare, double(own.largest()) / own.total);
    p.fillPath(bars(all, x, fullShare, area), QColor(200, 200, 200));
    p.strokePath(bars(own, x, fullShare, area), QPen(colour.darker(120), 2));

    p.setPen(QPen(Qt::black, 1));
    p.drawLine(area.bottomLeft(), area.bottomRight());
    p.setFont(font(12));
    for (double v = x.low; v <= x.high + x.step / 1000; v += x.step)
        p.drawText(QRectF(x.at(v, area.left(), area.right()) - 30, area.bottom() + 2, 60, 16), Qt::AlignCenter,
                   shownNumber(v));

    // The class's means on the same axis, the student's larger and in colour.
    const double strip = area.bottom() + 36;
    // A tick a mean, in one path and one to a place on the canvas: a class of hundreds makes a
    // page no larger than one of a few dozen.
    QPainterPath ticks;
    ticks.moveTo(area.left(), strip);
    ticks.lineTo(area.right(), strip);
    std::vector<int> places;
    for (double m : t.classMeans)
        places.push_back(int(std::lround(x.at(m, area.left(), area.right()) * 2)));
    std::ranges::sort(places);
    places.erase(std::unique(places.begin(), places.end()), places.end());
    for (int place : places) {
        ticks.moveTo(place / 2.0, strip - 7);
        ticks.lineTo(place / 2.0, strip + 7);
    }
    p.strokePath(ticks, QPen(QColor(110, 110, 110), 1.2));
    if (!std::isnan(t.mean)) {
        p.setPen(QPen(Qt::white, 1.5));
        p.setBrush(colour.darker(110));
        p.drawEllipse(QPointF(x.at(t.mean, area.left(), area.right()), strip), 8, 8);
    }
}

} // namespace

void drawHandout(QPainter& p, const Handout& h)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(QRectF(0, 0, kHandoutWidth, kHandoutHeight), Qt::white);
    drawHeading(p, h);
    drawTable(p, h);
    if (h.tests.isEmpty())
        return;
    const double height = std::min(320.0, (kPanelsBottom - kPanelsTop) / double(h.tests.size()));
    for (int i = 0; i < h.tests.size(); ++i)
        drawPanel(p, h.tests[i], QRectF(kLeft, kPanelsTop + i * height, kRight - kLeft, height - 16));
}

} // namespace brevane::summary
