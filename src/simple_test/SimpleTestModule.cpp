#include "simple_test/SimpleTestModule.h"
#include "shared/TestList.h"
#include "simple_test/frmReflex.h"

namespace brevane {

SimpleTestModule::SimpleTestModule(ModuleContext context)
    : TestModule(context, kSimpleTest)
{
}

frmReflex* SimpleTestModule::window() const
{
    return static_cast<frmReflex*>(testWindow());
}

std::unique_ptr<TestWindow> SimpleTestModule::makeWindow(std::function<void()> seriesEnded)
{
    return std::make_unique<frmReflex>(context_.state, context_.platform, std::move(seriesEnded));
}

} // namespace brevane
