#include "complex_results/ChoiceResultsWindow.h"
#include "complex_results/ChoiceResults.h"
#include "shared/ResultsModule.h"
#include "ui_frmChoiceReflexDisplay.h"

namespace brevane {

ChoiceResultsWindow::ChoiceResultsWindow(const ResultsKind& kind, AppState& state, const Platform& platform,
                                         QWidget* parent)
    : ResultsWindow(kind, state, platform, parent)
{
    Ui::frmChoiceReflexDisplay().setupUi(this);
    bindControls();
}

std::unique_ptr<Module> choiceResultsModule(const ModuleContext& context, const TestDescriptor& test)
{
    const ResultsKind& kind = choiceResultsOf(test);
    return std::make_unique<ResultsModule>(context, Destination::resultsWindow(test), [&kind](const ModuleContext& c) {
        return std::make_unique<ChoiceResultsWindow>(kind, c.state, c.platform);
    });
}

} // namespace brevane
