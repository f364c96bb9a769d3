#include "simple_results/SimpleReport.h"
#include "shared/Report.h"
#include "shared/ResultsRules.h"
#include <QCoreApplication>

namespace brevane {

namespace {

void printSet(Printer& p, const SetData& data, int set)
{
    printSetRuns(p, data, set);
    printLabelled(p, QCoreApplication::translate("Report", "Fastest Time"), formatSeconds(data.SetFastest[set]));
    p.print(QCoreApplication::translate("Report", "  Slowest Time"), LineEnd::Stay);
    p.setCurrentX(4128);
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
