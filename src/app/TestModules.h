#pragma once
// The tests as the shell sees them: each test of shared/TestList.h with the button of the main
// menu form that opens it, if the form has one, and the modules that make its window and its
// results window. The shell registers these modules, the start-up sequence preloads the test
// windows in this order, and the menu wires these buttons and makes one for a test the form
// lacks; a new test is a line here and one in shared/TestList.cpp.

#include "shared/Shell.h"
#include "shared/TestList.h"

#include <memory>

class QPushButton;
namespace Ui {
class frmMain;
}

namespace brevane {

struct TestModules {
    const TestDescriptor& test;
    // Its button in the menu form; nullptr for a test the form has none for, whose button the
    // menu makes from the test's menuCaption.
    QPushButton* Ui::frmMain::*menuButton;
    std::unique_ptr<Module> (*makeTest)(const ModuleContext&);
    std::unique_ptr<Module> (*makeResults)(const ModuleContext&);
};

// In the order of testList().
const std::array<TestModules, kTestCount>& testModules();

} // namespace brevane
