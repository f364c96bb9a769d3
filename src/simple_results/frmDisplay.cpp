#include "simple_results/frmDisplay.h"
#include "shared/ResultsModule.h"
#include "simple_results/SimpleResults.h"
#include "ui_frmDisplay.h"

namespace brevane {

frmDisplay::frmDisplay(AppState& state, const Platform& platform, QWidget* parent)
    : ResultsWindow(kSimpleResults, state, platform, parent)
{
    Ui::frmDisplay().setupUi(this);
    bindControls();
}

std::unique_ptr<Module> simpleResultsModule(const ModuleContext& context)
{
    return std::make_unique<ResultsModule>(
        context, Destination::resultsWindow(kSimpleTest),
        [](const ModuleContext& c) { return std::make_unique<frmDisplay>(c.state, c.platform); });
}

} // namespace brevane
