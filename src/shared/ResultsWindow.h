#pragma once
// What the three results windows do alike (windows layer): a form whose controls carry the
// names the model's display uses (lblRunData_0..99, lblFastTime_0..9, txtDescription_0..9,
// SSTab1, grfRun, cmdSave, cmdExport, ...; grfSet and the count panels where the form has
// them). The window forwards its commands, tab changes, bar clicks and comment edits to its
// ResultsModel and shows the model's state. Made when Display opens it, destroyed after Done.

#include "shared/Results.h"

#include <QWidget>
#include <array>
#include <memory>

class QBarSet;
class QLabel;
class QLineEdit;

namespace brevane {

class ResultsWindow : public QWidget, public ResultsView {
    Q_OBJECT
public:
    ~ResultsWindow() override;

    ResultsModel& logic() { return logic_; }
    void render() override;

signals:
    void doneRequested(); // Done: the comments are in the store, back to the test window

protected:
    ResultsWindow(const ResultsKind& kind, AppState& state, const Platform& platform, QWidget* parent);
    // Called by each window once its form is set up.
    void bindControls();

    void showEvent(QShowEvent* event) override;
    // The window manager's close button is Done.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildCharts();
    void done();

    ResultsModel logic_;
    using Labels = std::array<QLabel*, kSetCount>;
    std::array<QLabel*, kSetCount * kStoredRuns> lblRunData{};
    Labels lblFastTime{}, lblSlowTime{}, lblAverageTime{};
    Labels lblFastData{}, lblSlowData{}, lblAverageData{};
    Labels lblCorrectHitsData{}, lblCorrectMissesData{}, lblInCorrectHitsData{}, lblMissedHitsData{};
    std::array<QLineEdit*, kSetCount> txtDescription{};
    QBarSet* runBars_ = nullptr;
    std::array<QBarSet*, kSetCount> setBars_{};
    bool rendering_ = false;
    bool activated_ = false;
};

} // namespace brevane
