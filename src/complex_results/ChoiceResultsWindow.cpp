#include "complex_results/ChoiceResultsWindow.h"
#include "complex_results/ChoiceResults.h"
#include "shared/ResultsModule.h"
#include "ui_frmChoiceReflexDisplay.h"

namespace brevane {

namespace {

bool isColour(Destination destination)
{
    return destination == Destination::ColorResults;
}

} // namespace

ChoiceResultsWindow::ChoiceResultsWindow(Destination destination, AppState& state, const Platform& platform,
                                         QWidget* parent)
    : ResultsWindow(isColour(destination) ? kColorResults : kNumberResults, state, platform, parent)
{
    Ui::frmChoiceReflexDisplay().setupUi(this);
    setObjectName(isColour(destination) ? QStringLiteral("frmColorReflexDisplay")
                                        : QStringLiteral("frmNumberReflexDisplay"));
    bindControls();
}

std::unique_ptr<Module> choiceResultsModule(const ModuleContext& context, Destination destination)
{
    return std::make_unique<ResultsModule>(context, destination, [destination](const ModuleContext& c) {
        return std::make_unique<ChoiceResultsWindow>(destination, c.state, c.platform);
    });
}

} // namespace brevane
