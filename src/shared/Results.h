#pragma once
// One results window without its window, for all three tests. A ResultsKind says which half of
// which store the window shows and how it behaves; ResultsModel does the rest. The window
// forwards activations, tab changes, bar selections, the comment boxes and the commands here
// and copies display() onto its controls in render(). Data flows one way: the store's times
// become statistics (written back into the store), value cells, count panels and chart points;
// the commands change the store and refresh.
// Tabs 0..9 are sets 1..10, 10..12 the fastest, slowest and average time of every set, and the
// simple window's 13 all data on the ten-series chart.

#include "platform/Platform.h"
#include "platform/print/Printer.h"
#include "shared/AppState.h"
#include "shared/Formats.h"
#include "shared/Palette.h"
#include "shared/TestList.h"

#include <QRgb>
#include <QString>
#include <array>

namespace brevane {

inline constexpr int kFastestTab = 10, kSlowestTab = 11, kAverageTab = 12, kAllDataTab = 13;

struct ResultsKind {
    const char* caption;
    const char* windowName;     // the window's object name, by which a screen reader's script finds it
    const TestDescriptor& test; // its store half, its data file, and its name in an export's test column
    // A 14th tab, "All Data", with grfSet: every run of every set, a bar of which deletes it.
    bool allDataTab;
    // After a deletion the tab it was made on stays, and so does the set on grfRun; otherwise
    // the window goes back to the current set's tab.
    bool deletionKeepsTab;
    // Every activation (the print dialog gone, say) refreshes; otherwise only the opening, a
    // deletion and a load do.
    bool refreshOnActivation;
    // Clear All empties the charts too; otherwise they keep their bars until a tab is chosen.
    bool clearAllEmptiesCharts;
    const char* runBarQuestion; // "Delete run %1 ... ", for a bar of grfRun
    const char* fileDialogTitle;
    const char* reportTitle;
    void (*printReport)(Printer&, const PrintChoice&, const StoreHalf&);

    StoreHalf half(AppState& state) const { return test.half(state); }
};

struct ResultCell {
    QString text = formatSeconds(0);
    QRgb background = paletteColour(7); // light grey
    bool whiteText = false;             // else the system's button-text colour
    bool operator==(const ResultCell&) const = default;
};

using ChartPoints = std::array<int, kStoredRuns>; // point r at r - 1
using SetTexts = std::array<QString, kSetCount>;

struct ResultsDisplay {
    QString lblVersion;
    int tab = 0;                                                // SSTab1
    std::array<ResultCell, kSetCount * kStoredRuns> lblRunData; // run r of set s at 10 (s - 1) + r - 1
    std::array<ResultCell, kSetCount> lblFastTime, lblSlowTime;
    SetTexts lblAverageTime, lblFastData, lblSlowData, lblAverageData;
    // "000"; shown only by the choice windows
    SetTexts lblCorrectHitsData, lblCorrectMissesData, lblInCorrectHitsData, lblMissedHitsData;
    SetTexts txtDescription;
    ChartPoints grfRun{};                        // one series
    std::array<ChartPoints, kSetCount> grfSet{}; // series n = set n
    bool grfRunVisible = true;
    bool grfSetVisible = false;
};

class ResultsView {
public:
    virtual ~ResultsView() = default;
    virtual void render() = 0;
};

class ResultsModel {
public:
    ResultsModel(const ResultsKind& kind, AppState& state, const Platform& platform, ResultsView& view);

    // The window became active: its opening, and for some kinds every later activation.
    void activate();
    void tabClicked(int tab);
    // A bar of grfRun (point = run, or set on the summary tabs) or of grfSet (series = set,
    // point = run); both numbers from 1.
    void runBarSelected(int point);
    void setBarSelected(int series, int point);
    void clearAll();
    void commentEdited(int index, const QString& text);
    void done(); // hands the comments to the store; the window is then left
    void save();
    void load();
    void exportCsv();
    void print();

    const ResultsKind& kind() const { return kind_; }
    int tabCount() const { return kind_.allDataTab ? 14 : 13; }
    const ResultsDisplay& display() const { return d_; }
    int ShownSet = 1;
    bool KeepTab = false;
    int SelectedTab = 0;

private:
    void refreshDisplay();
    void selectTab(int tab);
    void tabChanged();
    void deleteRun(int set, int run, const QString& question);
    void showStatistics(int set);
    void emptyCounts();

    const ResultsKind& kind_;
    AppState& s_;
    StoreHalf half_;
    const Platform& p_;
    ResultsView& view_;
    ResultsDisplay d_;
};

} // namespace brevane
