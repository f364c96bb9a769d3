#pragma once
// The simple results window as a kind of results window (shared/Results.h): the simple store
// without counts, fourteen tabs with the all-sets chart, a deletion keeps its tab, every
// activation refreshes, the .nrm file and the simple report.

#include "shared/Results.h"

namespace brevane {

extern const ResultsKind kSimpleResults;

} // namespace brevane
