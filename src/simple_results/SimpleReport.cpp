#include "simple_results/SimpleReport.h"
#include "shared/Report.h"
#include "shared/ResultsRules.h"

namespace brevane {

namespace {

void printSet(Printer& p, const SetData& data, int set)
{
    printSetRuns(p, data, set);
    printLabelled(p, QStringLiteral("Fastest Time"), formatSeconds(data.SetFastest[set]));
    p.print(QStringLiteral("  Slowest Time"), LineEnd::Stay);
    p.setCurrentX(4128);
    p.print(formatSeconds(data.SetSlowest[set]), LineEnd::End);
    p.print(QStringLiteral("Average Time"), LineEnd::Stay);
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
