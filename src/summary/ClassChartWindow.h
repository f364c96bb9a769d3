#pragma once
// `brevane-summary --show`: the class chart for the projector at the end of a lab. A thin view:
// ClassWatch reads the hand-in folder and hands each new summary to showSummary(); the window paints
// the chart (ClassChart.h) scaled to its size and says under it who has handed in what.

#include "summary/ClassSummary.h"

#include <QWidget>

class QLabel;

namespace brevane::summary {

class ClassChartView final : public QWidget {
    Q_OBJECT
public:
    explicit ClassChartView(QWidget* parent = nullptr);
    void setSummary(const ClassSummary& summary);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ClassSummary summary_;
};

class ClassChartWindow final : public QWidget {
    Q_OBJECT
public:
    explicit ClassChartWindow(QWidget* parent = nullptr);
    void showSummary(const brevane::summary::ClassSummary& summary);

private:
    ClassChartView* chart_;
    QLabel* handedIn_;
};

} // namespace brevane::summary
