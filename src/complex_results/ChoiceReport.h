#pragma once
// The choice tests' printed report: for every ticked set its ten times, fastest, slowest and
// average time, the four outcome counts and the comment, under the title, five sets to a
// document. The colour and number windows print the same layout under their own titles.

#include "platform/print/Printer.h"
#include "shared/Stores.h"

namespace brevane {

inline constexpr auto kColorReportTitle = QT_TRANSLATE_NOOP("Report", "Orv Tovanel:  Color Reflex Data");
inline constexpr auto kNumberReportTitle = QT_TRANSLATE_NOOP("Report", "Orv Tovanel:  Number Reflex Data");

void printChoiceReport(Printer& printer, const PrintChoice& choice, const StoreHalf& half);

} // namespace brevane
