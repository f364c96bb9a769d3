#include "complex_results/ChoiceResults.h"
#include "complex_results/ChoiceReport.h"

#include <array>

namespace brevane {

const ResultsKind kColorResults{
    .caption = "Complex Choice Color/Audio Stimulus Module Data Display",
    .windowName = "frmColorReflexDisplay",
    .test = kColorTest,
    .allDataTab = false,
    .deletionKeepsTab = false,
    .refreshOnActivation = false,
    .clearAllEmptiesCharts = false,
    .runBarQuestion = "Delete run %1 from the set? ",
    .fileDialogTitle = "Color Reflex Data Files",
    .reportTitle = kColorReportTitle,
    .printReport = printChoiceReport,
};

const ResultsKind kNumberResults{
    .caption = "Complex Choice Number/Audio Stimulus Module Data Display",
    .windowName = "frmNumberReflexDisplay",
    .test = kNumberTest,
    .allDataTab = false,
    .deletionKeepsTab = false,
    .refreshOnActivation = false,
    .clearAllEmptiesCharts = false,
    .runBarQuestion = "Delete run %1 for the set? ",
    .fileDialogTitle = "Number Reflex Data Files",
    .reportTitle = kNumberReportTitle,
    .printReport = printChoiceReport,
};

const ResultsKind& choiceResultsOf(const TestDescriptor& test)
{
    static const std::array kinds{&kColorResults, &kNumberResults};
    for (const ResultsKind* kind : kinds)
        if (&kind->test == &test)
            return *kind;
    return kNumberResults;
}

} // namespace brevane
