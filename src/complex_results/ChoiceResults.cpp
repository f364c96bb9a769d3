#include "complex_results/ChoiceResults.h"
#include "complex_results/ChoiceReport.h"

#include <array>

namespace brevane {

const ResultsKind kColorResults{
    .caption = QT_TRANSLATE_NOOP("ResultsKind", "Complex Choice Color/Audio Stimulus Module Data Display"),
    .windowName = "frmColorReflexDisplay",
    .test = kColorTest,
    .allDataTab = false,
    .deletionKeepsTab = false,
    .refreshOnActivation = false,
    .clearAllEmptiesCharts = false,
    .runBarQuestion = QT_TRANSLATE_NOOP("ResultsKind", "Delete run %1 from the set? "),
    .fileDialogTitle = QT_TRANSLATE_NOOP("ResultsKind", "Color Reflex Data Files"),
    .reportTitle = kColorReportTitle,
    .printReport = printChoiceReport,
};

const ResultsKind kNumberResults{
    .caption = QT_TRANSLATE_NOOP("ResultsKind", "Complex Choice Number/Audio Stimulus Module Data Display"),
    .windowName = "frmNumberReflexDisplay",
    .test = kNumberTest,
    .allDataTab = false,
    .deletionKeepsTab = false,
    .refreshOnActivation = false,
    .clearAllEmptiesCharts = false,
    .runBarQuestion = QT_TRANSLATE_NOOP("ResultsKind", "Delete run %1 for the set? "),
    .fileDialogTitle = QT_TRANSLATE_NOOP("ResultsKind", "Number Reflex Data Files"),
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
