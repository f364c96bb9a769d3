#pragma once
// The colour and number results windows (and any other choice test's) as kinds of results window (shared/Results.h):
// one design, each over its own half of the choice stores with the outcome counts. Thirteen tabs and the run chart;
// after a deletion the window goes back to the current set's tab; only the opening, a deletion and a load refresh;
// Clear All leaves the chart as it was. Both keep their sets in .col files, which either window loads, and print the
// choice report.

#include "shared/Results.h"

namespace brevane {

extern const ResultsKind kColorResults;
extern const ResultsKind kNumberResults;

// The kind of a choice test's results window; a choice test's kind is listed in ChoiceResults.cpp
// beside these two.
const ResultsKind& choiceResultsOf(const TestDescriptor& test);

} // namespace brevane
