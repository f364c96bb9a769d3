#include "complex_test/ChoiceTestModule.h"
#include "complex_test/ChoiceWindow.h"

namespace brevane {

ChoiceTestModule::ChoiceTestModule(ModuleContext context, const TestDescriptor& test, ChoiceStyle style)
    : TestModule(context, test)
    , style_(style)
{
}

ChoiceWindow* ChoiceTestModule::window() const
{
    return static_cast<ChoiceWindow*>(testWindow());
}

std::unique_ptr<TestWindow> ChoiceTestModule::makeWindow(std::function<void()> seriesEnded)
{
    AppState& state = context_.state;
    const Platform& platform = context_.platform;
    if (style_ == ChoiceStyle::Color)
        return std::make_unique<frmColorReflex>(test(), state, platform, platform.random, std::move(seriesEnded));
    return std::make_unique<frmNumberReflex>(test(), state, platform, platform.random, std::move(seriesEnded));
}

} // namespace brevane
