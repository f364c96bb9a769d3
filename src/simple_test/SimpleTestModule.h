#pragma once
// The simple test as a module of the shell (shared/TestModule.h).

#include "shared/TestModule.h"

namespace brevane {

class frmReflex;

class SimpleTestModule final : public TestModule {
public:
    explicit SimpleTestModule(ModuleContext context);
    frmReflex* window() const;

protected:
    std::unique_ptr<TestWindow> makeWindow(std::function<void()> seriesEnded) override;
};

} // namespace brevane
