#pragma once
// A choice test (colour or number) as a module of the shell (shared/TestModule.h). Its window
// reads the trigger's sound pictures again whenever the test is opened or the settings dialog
// is left.

#include "complex_test/ChoiceEngine.h"
#include "shared/TestModule.h"

namespace brevane {

class ChoiceWindow;

class ChoiceTestModule final : public TestModule {
public:
    ChoiceTestModule(ModuleContext context, ChoiceTest test);
    ChoiceWindow* window() const;

protected:
    std::unique_ptr<TestWindow> makeWindow(std::function<void()> seriesEnded) override;

private:
    ChoiceTest test_;
};

} // namespace brevane
