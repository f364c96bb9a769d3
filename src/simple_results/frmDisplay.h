#pragma once
#include "simple_results/SimpleResults.h"

#include <QWidget>
#include <array>
#include <memory>

class QBarSet;
class QChartView;
class QLabel;
class QLineEdit;
namespace Ui { class frmDisplay; }

namespace reflex {

// The simple results window: forwards its commands, tab changes, bar clicks and comment edits
// to SimpleResults and shows its state. Made when Display opens it, destroyed after Done.
class frmDisplay : public QWidget, public SimpleResultsView {
    Q_OBJECT
public:
    frmDisplay(AppState& state, const Platform& platform, Printing& printing, QWidget* parent = nullptr);
    ~frmDisplay() override;

    SimpleResults& logic() { return logic_; }
    void render() override;

signals:
    void doneRequested(); // Done: the comments are in the store, back to the test window

protected:
    void showEvent(QShowEvent* event) override;
    // The window manager's close button is Done.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildCharts();
    void done();

    std::unique_ptr<Ui::frmDisplay> ui;
    SimpleResults logic_;
    std::array<QLabel*, kSetCount * kStoredRuns> lblRunData{};
    std::array<QLabel*, kSetCount> lblFastTime{}, lblSlowTime{}, lblAverageTime{};
    std::array<QLabel*, kSetCount> lblFastData{}, lblSlowData{}, lblAverageData{};
    std::array<QLineEdit*, kSetCount> txtDescription{};
    QBarSet* runBars_ = nullptr;
    std::array<QBarSet*, kSetCount> setBars_{};
    bool rendering_ = false;
    bool activated_ = false;
};

} // namespace reflex
