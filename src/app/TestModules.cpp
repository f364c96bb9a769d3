#include "app/TestModules.h"
#include "complex_results/ChoiceResultsWindow.h"
#include "complex_test/ChoiceTestModule.h"
#include "simple_results/frmDisplay.h"
#include "simple_test/SimpleTestModule.h"

#include "ui_frmMain.h"

namespace brevane {

const std::array<TestModules, kTestCount>& testModules()
{
    using C = const ModuleContext&;
    static const std::array<TestModules, kTestCount> modules{{
        {kSimpleTest, &Ui::frmMain::cmdNormal,
         [](C c) -> std::unique_ptr<Module> { return std::make_unique<SimpleTestModule>(c); },
         [](C c) { return simpleResultsModule(c); }},
        {kColorTest, &Ui::frmMain::cmdColors,
         [](C c) -> std::unique_ptr<Module> {
             return std::make_unique<ChoiceTestModule>(c, kColorTest, ChoiceStyle::Color);
         },
         [](C c) { return choiceResultsModule(c, kColorTest); }},
        {kNumberTest, &Ui::frmMain::cmdNumbers,
         [](C c) -> std::unique_ptr<Module> {
             return std::make_unique<ChoiceTestModule>(c, kNumberTest, ChoiceStyle::Number);
         },
         [](C c) { return choiceResultsModule(c, kNumberTest); }},
    }};
    return modules;
}

} // namespace brevane
