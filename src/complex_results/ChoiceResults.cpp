#include "complex_results/ChoiceResults.h"
#include "complex_results/ChoiceReport.h"

namespace brevane {

const ResultsKind kColorResults{
    .caption = "Complex Choice Color/Audio Stimulus Module Data Display",
    .test = "colour",
    .half =
        [](AppState& state) {
            return StoreHalf{state.Color, &state.Color};
        },
    .allDataTab = false,
    .deletionKeepsTab = false,
    .refreshOnActivation = false,
    .clearAllEmptiesCharts = false,
    .runBarQuestion = "Delete run %1 from the set? ",
    .file = kColFile,
    .fileDialogTitle = "Color Reflex Data Files",
    .reportTitle = kColorReportTitle,
    .printReport = printChoiceReport,
};

const ResultsKind kNumberResults{
    .caption = "Complex Choice Number/Audio Stimulus Module Data Display",
    .test = "number",
    .half =
        [](AppState& state) {
            return StoreHalf{state.Number, &state.Number};
        },
    .allDataTab = false,
    .deletionKeepsTab = false,
    .refreshOnActivation = false,
    .clearAllEmptiesCharts = false,
    .runBarQuestion = "Delete run %1 for the set? ",
    .file = kColFile,
    .fileDialogTitle = "Number Reflex Data Files",
    .reportTitle = kNumberReportTitle,
    .printReport = printChoiceReport,
};

} // namespace brevane
