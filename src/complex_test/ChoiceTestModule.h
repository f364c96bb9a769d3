#pragma once
// A choice test as a module of the shell (shared/TestModule.h): the test of an entry of
// shared/TestList.h in one of the two window designs. Its window reads the trigger's sound
// pictures again whenever the test is opened or the settings dialog is left.

#include "complex_test/ChoiceEngine.h"
#include "shared/TestModule.h"

namespace brevane {

class ChoiceWindow;

class ChoiceTestModule final : public TestModule {
public:
    ChoiceTestModule(ModuleContext context, const TestDescriptor& test, ChoiceStyle style);
    ChoiceWindow* window() const;

protected:
    std::unique_ptr<TestWindow> makeWindow(std::function<void()> seriesEnded) override;

private:
    ChoiceStyle style_;
};

} // namespace brevane
