#pragma once
// The class chart: the student means of each test as a box plot with one dot per student over
// it, the axis in milliseconds, under a title. Drawn with QPainter on a 1200 x 800 canvas that is
// scaled to the device, so the PNG and the PDF show the same picture; QtGui on the offscreen
// platform draws it without a display.

#include "summary/ClassSummary.h"

class QIODevice;
class QPainter;

namespace brevane::summary {

inline constexpr int kChartWidth = 1200, kChartHeight = 800;

// On the painter, in canvas coordinates (0, 0) to (kChartWidth, kChartHeight).
void drawClassChart(QPainter& painter, const ClassSummary& summary);

// The chart as a PNG of the canvas's size, or as a one-page landscape A4 PDF. False when the
// device refused the bytes.
bool writeChartPng(QIODevice& out, const ClassSummary& summary);
// What `draw` paints on the canvas, as a PNG of its size (the chart's pages).
bool writeCanvasPng(QIODevice& out, const ClassSummary& summary, void (*draw)(QPainter&, const ClassSummary&));
bool writeChartPdf(QIODevice& out, const ClassSummary& summary);

} // namespace brevane::summary
