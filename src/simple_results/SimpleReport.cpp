#include "simple_results/SimpleReport.h"
#include "shared/Language.h"
#include "shared/Report.h"
#include "shared/ResultsRules.h"

#include <QCoreApplication>
#include <algorithm>

namespace brevane {

namespace {

void printSet(Printer& p, const SetData& data, int set)
{
    printSetRuns(p, data, set);
    const QString fastestLabel = QCoreApplication::translate("Report", "Fastest Time");
    const QString fastest = formatSeconds(data.SetFastest[set]);
    const QString slowestLabel = QCoreApplication::translate("Report", "  Slowest Time");
    printLabelled(p, fastestLabel, fastest);
    p.print(slowestLabel, LineEnd::Stay);
    // A translated line longer than the English pushes the value on, a blank after its label; the
    // English report keeps the places it was laid out with.
    const double taken = p.textWidth(fastestLabel + u' ') + p.textWidth(fastest) + p.textWidth(slowestLabel + u' ');
    p.setCurrentX(englishShown() ? 4128.0 : std::max(4128.0, taken));
    p.print(formatSeconds(data.SetSlowest[set]), LineEnd::End);
    p.print(QCoreApplication::translate("Report", "Average Time"), LineEnd::Stay);
    p.setCurrentX(1530);
    p.print(formatSeconds(data.SetAverage[set]), LineEnd::End);
    printComments(p, data.SetComment[set - 1]);
}

} // namespace

void printSimpleReport(Printer& printer, const PrintChoice& choice, const StoreHalf& half)
{
    printSetPages(printer, choice, [&](int set) { printSet(printer, half.sets, set); });
}

} // namespace brevane
