#include "complex_results/ChoiceReport.h"
#include "shared/Language.h"
#include "shared/Report.h"
#include "shared/ResultsRules.h"

#include <QCoreApplication>
#include <algorithm>

namespace brevane {

namespace {

// Label and value pairs after the first, each at its place on the line.
struct Column {
    double labelX, valueX;
};
constexpr Column kSecond{2700, 4320}, kThird{5400, 7020}, kFourth{8100, 9360};

void printAt(Printer& p, const Column& column, const QString& label, const QString& value, LineEnd end)
{
    p.setCurrentX(column.labelX);
    p.print(label, LineEnd::Stay);
    // A translated label longer than its column ("Richtig ausgelassen") pushes its value on, a blank
    // after it; the English report keeps the places it was laid out with.
    p.setCurrentX(englishShown() ? column.valueX : std::max(column.valueX, column.labelX + p.textWidth(label + u' ')));
    p.print(value, end);
}

void printSet(Printer& p, const StoreHalf& half, int set)
{
    const SetData& data = half.sets;
    printSetRuns(p, data, set);
    printLabelled(p, QCoreApplication::translate("Report", "Fastest Time"), formatSeconds(data.SetFastest[set]));
    printAt(p, kSecond, QCoreApplication::translate("Report", "Slowest Time"), formatSeconds(data.SetSlowest[set]),
            LineEnd::Stay);
    printAt(p, kThird, QCoreApplication::translate("Report", "Average Time"), formatSeconds(data.SetAverage[set]),
            LineEnd::End);
    const OutcomeCounts none;
    const OutcomeCounts& counts = half.counts ? *half.counts : none;
    printLabelled(p, QCoreApplication::translate("Report", "Correct Hits"), formatCount(counts.CorrectHits[set], 3));
    printAt(p, kSecond, QCoreApplication::translate("Report", "Correct Misses"),
            formatCount(counts.CorrectMisses[set], 3), LineEnd::Stay);
    printAt(p, kThird, QCoreApplication::translate("Report", "InCorrect Hits"),
            formatCount(counts.InCorrectHits[set], 3), LineEnd::Stay);
    printAt(p, kFourth, QCoreApplication::translate("Report", "Missed Hits"), formatCount(counts.MissedHits[set], 3),
            LineEnd::End);
    printComments(p, data.SetComment[set - 1]);
}

} // namespace

void printChoiceReport(Printer& printer, const PrintChoice& choice, const StoreHalf& half)
{
    printSetPages(printer, choice, [&](int set) { printSet(printer, half, set); });
}

} // namespace brevane
