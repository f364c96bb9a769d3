#pragma once
// The simple results window without its window. frmDisplay forwards activations, tab changes,
// bar selections, the comment boxes and the commands here and copies display() onto its
// controls in render(). Tabs 0..9 are sets 1..10, 10..12 the fastest, slowest and average
// time of every set, 13 all data on the ten-series chart.

#include "platform/Platform.h"
#include "shared/AppState.h"
#include "shared/Palette.h"
#include "shared/Report.h"

#include <QRgb>
#include <QString>
#include <array>

namespace reflex {

inline constexpr int kResultTabs = 14;
inline constexpr int kFastestTab = 10, kSlowestTab = 11, kAverageTab = 12, kAllDataTab = 13;

struct ResultCell {
    QString text = QStringLiteral("0.000");
    QRgb background = paletteColour(7); // light grey
    bool whiteText = false;             // else the system's button-text colour
    bool operator==(const ResultCell&) const = default;
};

using ChartPoints = std::array<int, kStoredRuns>; // point r at r - 1

struct SimpleResultsDisplay {
    QString lblVersion;
    int tab = 0; // SSTab1
    std::array<ResultCell, kSetCount * kStoredRuns> lblRunData; // run r of set s at 10 (s - 1) + r - 1
    std::array<ResultCell, kSetCount> lblFastTime, lblSlowTime;
    std::array<QString, kSetCount> lblAverageTime, lblFastData, lblSlowData, lblAverageData;
    std::array<QString, kSetCount> txtDescription;
    ChartPoints grfRun{};                         // one series
    std::array<ChartPoints, kSetCount> grfSet{}; // series n = set n
    bool grfRunVisible = true;
    bool grfSetVisible = false;
};

class SimpleResultsView {
public:
    virtual ~SimpleResultsView() = default;
    virtual void render() = 0;
};

class SimpleResults {
public:
    SimpleResults(AppState& state, const Platform& platform, Printing& printing,
                  SimpleResultsView& view);

    // The window became active (its first showing, the print dialog closed): RefreshDisplay.
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
    void print();

    const SimpleResultsDisplay& display() const { return d_; }
    int ShownSet = 1;
    bool KeepTab = false;
    int SelectedTab = 0;

private:
    void refreshDisplay();
    void selectTab(int tab);
    void tabChanged();
    void deleteRun(int set, int run, const QString& question);
    void showStatistics(int set);

    AppState& s_;
    const Platform& p_;
    Printing& printing_;
    SimpleResultsView& view_;
    SimpleResultsDisplay d_;
};

} // namespace reflex
