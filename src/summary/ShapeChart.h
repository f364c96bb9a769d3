#pragma once
// The class chart's second page: the shape of each student's times, their median across and the
// ex-Gaussian's tau (the slow tail) up, one dot per student and test with a fit, and the choice
// tests' mu and tau minus the simple test's under it. Drawn on the class chart's canvas
// (ClassChart.h), as the PDF's second page and class-shape.png.

#include "summary/ClassSummary.h"

class QIODevice;
class QPainter;

namespace brevane::summary {

void drawShapeChart(QPainter& painter, const ClassSummary& summary);
bool writeShapeChartPng(QIODevice& out, const ClassSummary& summary);

} // namespace brevane::summary
