#pragma once
// frmColorReflexDisplay and frmNumberReflexDisplay: one form, frmChoiceReflexDisplay, shown
// over the colour or the number test's results, each a module the shell opens from its test
// window's Display.

#include "shared/ResultsWindow.h"
#include "shared/Shell.h"

#include <memory>

namespace brevane {

class ChoiceResultsWindow final : public ResultsWindow {
    Q_OBJECT
public:
    // `destination`: ColorResults or NumberResults.
    ChoiceResultsWindow(Destination destination, AppState& state, const Platform& platform, QWidget* parent = nullptr);
};

std::unique_ptr<Module> choiceResultsModule(const ModuleContext& context, Destination destination);

} // namespace brevane
