#include "shared/Results.h"
#include "shared/FileCommands.h"
#include "shared/Report.h"
#include "shared/ResultsCsv.h"
#include "shared/ResultsRules.h"
#include "shared/Statistics.h"
#include <QCoreApplication>

namespace brevane {

namespace {

ChartPoints chartOf(const auto& values)
{
    ChartPoints points{};
    for (int i = 0; i < kStoredRuns; ++i)
        points[i] = chartValue(values[i + 1]);
    return points;
}

} // namespace

ResultsModel::ResultsModel(const ResultsKind& kind, AppState& state, const Platform& platform, ResultsView& view)
    : kind_(kind)
    , s_(state)
    , half_(kind.half(state))
    , p_(platform)
    , view_(view)
{
    d_.lblVersion = platform.version.compact();
    emptyCounts();
}

void ResultsModel::emptyCounts()
{
    for (SetTexts* counts :
         {&d_.lblCorrectHitsData, &d_.lblCorrectMissesData, &d_.lblInCorrectHitsData, &d_.lblMissedHitsData})
        counts->fill(formatCount(0, 3));
}

void ResultsModel::activate()
{
    refreshDisplay();
    view_.render();
}

void ResultsModel::refreshDisplay()
{
    if (!KeepTab) {
        selectTab(s_.CurrentSet - 1);
        ShownSet = s_.CurrentSet;
    }
    for (int set = 1; set <= kSetCount; ++set)
        d_.grfSet[set - 1] = chartOf(half_.sets.Times[set]);
    d_.grfRun = chartOf(half_.sets.Times[ShownSet]);
    for (int set = 1; set <= kSetCount; ++set)
        showStatistics(set);
    KeepTab = false;
}

void ResultsModel::showStatistics(int set)
{
    const int i = set - 1;
    SetData& data = half_.sets;
    d_.txtDescription[i] = data.SetComment[i];
    const SetStatistics st = storeStatistics(data, set);
    // Every cell is coloured from this set's statistics, so a cell marked by an earlier
    // refresh never stays marked beside the new fastest or slowest run.
    ResultCell* runs = &d_.lblRunData[std::size_t(i) * kStoredRuns];
    for (int run = 1; run <= kStoredRuns; ++run)
        runs[run - 1] = ResultCell{formatSeconds(data.Times[set][run])};
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
    if (const OutcomeCounts* c = half_.counts) {
        d_.lblCorrectHitsData[i] = formatCount(c->CorrectHits[set], 3);
        d_.lblCorrectMissesData[i] = formatCount(c->CorrectMisses[set], 3);
        d_.lblInCorrectHitsData[i] = formatCount(c->InCorrectHits[set], 3);
        d_.lblMissedHitsData[i] = formatCount(c->MissedHits[set], 3);
    }
}

void ResultsModel::tabClicked(int tab)
{
    if (tab == d_.tab || tab < 0 || tab >= tabCount())
        return;
    selectTab(tab);
    view_.render();
}

void ResultsModel::selectTab(int tab)
{
    if (tab == d_.tab)
        return; // the tab control reports changes only
    d_.tab = tab;
    tabChanged();
}

void ResultsModel::tabChanged()
{
    SelectedTab = d_.tab;
    d_.grfRunVisible = false;
    d_.grfSetVisible = false;
    const SetData& data = half_.sets;
    if (SelectedTab < kSetCount) {
        d_.grfRun = chartOf(data.Times[SelectedTab + 1]);
        d_.txtDescription[SelectedTab] = data.SetComment[SelectedTab];
        d_.grfRunVisible = true;
    } else if (SelectedTab < kAllDataTab) {
        const PerSet& values = SelectedTab == kFastestTab   ? data.SetFastest
                               : SelectedTab == kSlowestTab ? data.SetSlowest
                                                            : data.SetAverage;
        d_.grfRun = chartOf(values);
        d_.grfRunVisible = true;
    } else {
        d_.grfSetVisible = true;
    }
}

void ResultsModel::runBarSelected(int point)
{
    // On the summary tabs a bar stands for a set, not a run: nothing to delete there.
    if (d_.tab >= kSetCount)
        return;
    deleteRun(d_.tab + 1, point, QCoreApplication::translate("ResultsKind", kind_.runBarQuestion).arg(point));
}

void ResultsModel::setBarSelected(int series, int point)
{
    if (kind_.allDataTab)
        deleteRun(series, point, QCoreApplication::translate("ResultsModel", "Delete run %1 for the set? ").arg(point));
}

void ResultsModel::deleteRun(int set, int run, const QString& question)
{
    if (set < 1 || set > kSetCount || run < 1 || run > kStoredRuns)
        return;
    ShownSet = set;
    if (p_.prompt.ask(Message{question, QString(), MsgButtons::YesNo}) != MsgAnswer::Yes)
        return;
    brevane::deleteRun(half_.sets.Times[set], run);
    KeepTab = kind_.deletionKeepsTab;
    refreshDisplay();
    view_.render();
}

void ResultsModel::clearAll()
{
    const Message question{QCoreApplication::translate("ResultsModel", "Are you sure you want to DELETE ALL DATA ?"),
                           QCoreApplication::translate("ResultsModel", "Delete All Data"), MsgButtons::YesNo,
                           MsgIcon::Critical, true};
    if (p_.prompt.ask(question) != MsgAnswer::Yes)
        return;
    clearAllSets(half_);
    if (kind_.clearAllEmptiesCharts) {
        d_.grfRun = {};
        d_.grfSet = {};
    }
    for (int i = 0; i < kSetCount; ++i) {
        for (int r = 0; r < kStoredRuns; ++r)
            d_.lblRunData[i * kStoredRuns + r] = ResultCell{};
        d_.lblFastTime[i] = d_.lblSlowTime[i] = ResultCell{};
        d_.lblAverageTime[i] = d_.lblFastData[i] = d_.lblSlowData[i] = d_.lblAverageData[i] = ResultCell{}.text;
        d_.txtDescription[i].clear();
    }
    emptyCounts();
    view_.render();
}

void ResultsModel::commentEdited(int index, const QString& text)
{
    if (index < 0 || index >= kSetCount)
        return;
    d_.txtDescription[index] = text;
    half_.sets.SetComment[index] = text;
}

void ResultsModel::done()
{
    for (int i = 0; i < kSetCount; ++i)
        half_.sets.SetComment[i] = d_.txtDescription[i];
}

void ResultsModel::save()
{
    if (saveDataFile(p_.files, p_.prompt, p_.handIn, kind_.test.file,
                     QCoreApplication::translate("ResultsKind", kind_.fileDialogTitle), half_) == FileCommand::Done)
        s_.dataNotSaved(half_.sets) = false;
}

void ResultsModel::exportCsv()
{
    // Not a save: a CSV file does not load back, so the unsaved mark stays.
    exportResultsCsv(p_.files, p_.prompt, QString::fromLatin1(kind_.test.name), half_);
}

void ResultsModel::load()
{
    if (loadDataFile(p_.files, p_.prompt, kind_.test.file,
                     QCoreApplication::translate("ResultsKind", kind_.fileDialogTitle), half_) == FileCommand::Done)
        activate();
}

void ResultsModel::print()
{
    runPrintCommand({p_.printing, p_.files, p_.prompt}, QCoreApplication::translate("Report", kind_.reportTitle),
                    [this](Printer& printer, const PrintChoice& choice) { kind_.printReport(printer, choice, half_); });
    if (kind_.refreshOnActivation)
        activate(); // the window is active again once the print dialog has gone
}

} // namespace brevane
