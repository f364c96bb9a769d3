#include "simple_results/SimpleResults.h"
#include "simple_results/SimpleReport.h"

namespace brevane {

const ResultsKind kSimpleResults{
    .caption = QT_TRANSLATE_NOOP("ResultsKind", "Simple Choice Stimulus Module Data Display"),
    .windowName = "frmDisplay",
    .test = kSimpleTest,
    .allDataTab = true,
    .deletionKeepsTab = true,
    .refreshOnActivation = true,
    .clearAllEmptiesCharts = true,
    .runBarQuestion = QT_TRANSLATE_NOOP("ResultsKind", "Delete run %1 from the set? "),
    .fileDialogTitle = QT_TRANSLATE_NOOP("ResultsKind", "Normal Reflex Data Files"),
    .reportTitle = kSimpleReportTitle,
    .printReport = printSimpleReport,
};

} // namespace brevane
