#include "complex_test/ChoiceTestModule.h"
#include "complex_test/ChoiceWindow.h"

namespace brevane {

namespace {

TestModule::Links linksOf(ChoiceTest test)
{
    // The settings dialog opens on this test's page: 1 colour, 2 number.
    if (test == ChoiceTest::Color)
        return {Destination::ColorTest, Destination::ColorResults, 1};
    return {Destination::NumberTest, Destination::NumberResults, 2};
}

} // namespace

ChoiceTestModule::ChoiceTestModule(ModuleContext context, ChoiceTest test)
    : TestModule(context, linksOf(test))
    , test_(test)
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
    if (test_ == ChoiceTest::Color)
        return std::make_unique<frmColorReflex>(state, platform, platform.random, std::move(seriesEnded));
    return std::make_unique<frmNumberReflex>(state, platform, platform.random, std::move(seriesEnded));
}

} // namespace brevane
