#pragma once
// The simple results window: the shared results window on its own form, as the module the
// shell opens from the simple test window's Display.
#include "shared/ResultsWindow.h"
#include "shared/Shell.h"

#include <memory>

namespace brevane {

class frmDisplay final : public ResultsWindow {
    Q_OBJECT
public:
    frmDisplay(AppState& state, const Platform& platform, QWidget* parent = nullptr);
};

std::unique_ptr<Module> simpleResultsModule(const ModuleContext& context);

} // namespace brevane
