#pragma once
// The simple test's printed report: for every ticked set its ten times, fastest, slowest and
// average time and its comment, under the title, five sets to a document.

#include "platform/print/Printer.h"
#include "shared/Stores.h"

namespace brevane {

inline constexpr auto kSimpleReportTitle = QT_TRANSLATE_NOOP("Report", "Orv Tovanel:  Normal Reflex Data");

void printSimpleReport(Printer& printer, const PrintChoice& choice, const StoreHalf& half);

} // namespace brevane
