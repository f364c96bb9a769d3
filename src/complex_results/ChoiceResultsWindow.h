#pragma once
// frmColorReflexDisplay and frmNumberReflexDisplay: one form, frmChoiceReflexDisplay, shown
// over a choice test's results (the kind names the window), each a module the shell opens from
// its test window's Display.

#include "shared/ResultsWindow.h"
#include "shared/Shell.h"

#include <memory>

namespace brevane {

class ChoiceResultsWindow final : public ResultsWindow {
    Q_OBJECT
public:
    ChoiceResultsWindow(const ResultsKind& kind, AppState& state, const Platform& platform, QWidget* parent = nullptr);
};

// The results module of the choice test `test`, whose kind is choiceResultsOf(test).
std::unique_ptr<Module> choiceResultsModule(const ModuleContext& context, const TestDescriptor& test);

} // namespace brevane
