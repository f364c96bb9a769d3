#include "simple_results/SimpleResults.h"
#include "shared/ResultsRules.h"
#include "shared/Statistics.h"
#include "simple_results/SimpleDataFile.h"
#include "simple_results/SimpleReport.h"

namespace reflex {

namespace {

ChartPoints chartOf(const auto& values, int first)
{
    ChartPoints points{};
    for (int i = 0; i < kStoredRuns; ++i)
        points[i] = chartValue(values[first + i]);
    return points;
}

} // namespace

SimpleResults::SimpleResults(AppState& state, const Platform& platform, Printing& printing,
                             SimpleResultsView& view)
    : s_(state), p_(platform), printing_(printing), view_(view)
{
    d_.lblVersion = platform.version.compact();
}

void SimpleResults::activate()
{
    refreshDisplay();
    view_.render();
}

void SimpleResults::refreshDisplay()
{
    if (!KeepTab) {
        selectTab(s_.CurrentSet - 1);
        ShownSet = s_.CurrentSet;
    }
    for (int set = 1; set <= kSetCount; ++set)
        d_.grfSet[set - 1] = chartOf(s_.Simple.Times[set], 1);
    d_.grfRun = chartOf(s_.Simple.Times[ShownSet], 1);
    for (int set = 1; set <= kSetCount; ++set)
        showStatistics(set);
    KeepTab = false;
}

void SimpleResults::showStatistics(int set)
{
    const int i = set - 1;
    d_.txtDescription[i] = s_.Simple.SetComment[i];
    const SetStatistics st = storeStatistics(s_.Simple, set);
    // Every cell is coloured from this set's statistics, so a cell marked by an earlier
    // refresh never stays marked beside the new fastest or slowest run.
    ResultCell* runs = &d_.lblRunData[i * kStoredRuns];
    for (int run = 1; run <= kStoredRuns; ++run)
        runs[run - 1] = ResultCell{formatSeconds(s_.Simple.Times[set][run])};
    d_.lblFastTime[i] = ResultCell{formatSeconds(st.fastest)};
    d_.lblSlowTime[i] = ResultCell{formatSeconds(st.slowest)};
    if (st.highlighted()) {
        for (ResultCell* fast : {&runs[st.fastestRun - 1], &d_.lblFastTime[i]}) {
            fast->background = paletteColour(9);
            fast->whiteText = true;
        }
        runs[st.slowestRun - 1].background = paletteColour(11);
        d_.lblSlowTime[i].background = paletteColour(11);
    }
    d_.lblFastData[i] = d_.lblFastTime[i].text;
    d_.lblSlowData[i] = d_.lblSlowTime[i].text;
    d_.lblAverageTime[i] = d_.lblAverageData[i] = formatSeconds(st.average);
}

void SimpleResults::tabClicked(int tab)
{
    if (tab == d_.tab || tab < 0 || tab >= kResultTabs)
        return;
    selectTab(tab);
    view_.render();
}

void SimpleResults::selectTab(int tab)
{
    if (tab == d_.tab)
        return; // the tab control reports changes only
    d_.tab = tab;
    tabChanged();
}

void SimpleResults::tabChanged()
{
    SelectedTab = d_.tab;
    d_.grfRunVisible = false;
    d_.grfSetVisible = false;
    if (SelectedTab < kSetCount) {
        d_.grfRun = chartOf(s_.Simple.Times[SelectedTab + 1], 1);
        d_.txtDescription[SelectedTab] = s_.Simple.SetComment[SelectedTab];
        d_.grfRunVisible = true;
    } else if (SelectedTab < kAllDataTab) {
        const PerSet& values = SelectedTab == kFastestTab   ? s_.Simple.SetFastest
                               : SelectedTab == kSlowestTab ? s_.Simple.SetSlowest
                                                            : s_.Simple.SetAverage;
        d_.grfRun = chartOf(values, 1);
        d_.grfRunVisible = true;
    } else {
        d_.grfSetVisible = true;
    }
}

void SimpleResults::runBarSelected(int point)
{
    // On the summary tabs a bar stands for a set, not a run: nothing to delete there.
    if (d_.tab >= kSetCount)
        return;
    deleteRun(d_.tab + 1, point, QStringLiteral("Delete run %1 from the set? ").arg(point));
}

void SimpleResults::setBarSelected(int series, int point)
{
    deleteRun(series, point, QStringLiteral("Delete run %1 for the set? ").arg(point));
}

void SimpleResults::deleteRun(int set, int run, const QString& question)
{
    if (set < 1 || set > kSetCount || run < 1 || run > kStoredRuns)
        return;
    ShownSet = set;
    if (p_.prompt.ask(Message{question, QString(), MsgButtons::YesNo}) != MsgAnswer::Yes)
        return;
    reflex::deleteRun(s_.Simple.Times[set], run);
    KeepTab = true;
    refreshDisplay();
    view_.render();
}

void SimpleResults::clearAll()
{
    const Message question{QStringLiteral("Are you sure you want to DELETE ALL DATA ?"),
                           QStringLiteral("Delete All Data"), MsgButtons::YesNo, MsgIcon::Critical,
                           true};
    if (p_.prompt.ask(question) != MsgAnswer::Yes)
        return;
    clearAllSets(s_.Simple);
    d_.grfRun = {};
    d_.grfSet = {};
    for (int i = 0; i < kSetCount; ++i) {
        for (int r = 0; r < kStoredRuns; ++r)
            d_.lblRunData[i * kStoredRuns + r] = ResultCell{};
        d_.lblFastTime[i] = d_.lblSlowTime[i] = ResultCell{};
        d_.lblAverageTime[i] = d_.lblFastData[i] = d_.lblSlowData[i] = d_.lblAverageData[i] =
            ResultCell{}.text;
        d_.txtDescription[i].clear();
    }
    view_.render();
}

void SimpleResults::commentEdited(int index, const QString& text)
{
    if (index < 0 || index >= kSetCount)
        return;
    d_.txtDescription[index] = text;
    s_.Simple.SetComment[index] = text;
}

void SimpleResults::done()
{
    for (int i = 0; i < kSetCount; ++i)
        s_.Simple.SetComment[i] = d_.txtDescription[i];
}

void SimpleResults::save()
{
    if (saveSimpleFile(p_.files, p_.prompt, s_.Simple) == FileCommand::Done)
        s_.DataNotSaved = false;
}

void SimpleResults::load()
{
    if (loadSimpleFile(p_.files, p_.prompt, s_.Simple) == FileCommand::Done)
        activate();
}

void SimpleResults::print()
{
    runPrintCommand({printing_, p_.files, p_.prompt}, QString::fromLatin1(kSimpleReportTitle),
                    [this](Printer& printer, const PrintChoice& choice) {
                        printSimpleReport(printer, choice, s_.Simple);
                    });
    activate(); // the window is active again once the print dialog has gone
}

} // namespace reflex
