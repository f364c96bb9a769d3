#include "simple_results/SimpleReport.h"
#include "shared/Report.h"
#include "shared/ResultsRules.h"

namespace reflex {

namespace {

void printSet(Printer& p, const SetData& store, int set)
{
    p.setFontSize(12);
    p.setFontBold(true);
    p.print(QStringLiteral("Set  ") + QString::number(set), LineEnd::End); // a sign position
    p.setFontBold(false);
    for (int run = 1; run <= kStoredRuns; ++run)
        p.print(formatSeconds(store.Times[set][run]), run % 5 == 0 ? LineEnd::End : LineEnd::Stay);

    p.print(QStringLiteral("Fastest Time"), LineEnd::Stay);
    p.print(formatSeconds(store.SetFastest[set]), LineEnd::Stay);
    p.print(QStringLiteral("Slowest Time"), LineEnd::Stay);
    p.setCurrentX(4128);
    p.print(formatSeconds(store.SetSlowest[set]), LineEnd::End);
    p.print(QStringLiteral("Average Time"), LineEnd::Stay);
    p.setCurrentX(1530);
    p.print(formatSeconds(store.SetAverage[set]), LineEnd::End);
    p.print(QStringLiteral("Comments:"), LineEnd::End);

    const QString& comment = store.SetComment[set - 1];
    p.setFontSize(10);
    printWrapped(p, comment, 8.0, 0.0);
    p.print(QString(), LineEnd::End);
    if (comment.isEmpty()) {
        p.print(QString(), LineEnd::End);
        p.print(QString(), LineEnd::End);
    }
}

} // namespace

void printSimpleReport(Printer& printer, const PrintChoice& choice, const SetData& store)
{
    printSetPages(printer, choice, [&](int set) { printSet(printer, store, set); });
}

} // namespace reflex
