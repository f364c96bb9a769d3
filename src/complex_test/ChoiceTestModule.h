#pragma once
// A choice test (colour or number) as a module of the shell: its window is made during
// start-up and shown whenever the main menu opens the test. Options and Display go through the
// shell to whichever module offers them; the test re-reads its settings when the dialog is left.

#include "complex_test/ChoiceEngine.h"
#include "shared/Shell.h"

#include <memory>

namespace reflex {

class ChoiceWindow;

class ChoiceTestModule final : public Module {
public:
    ChoiceTestModule(ModuleContext context, ChoiceTest test);
    ~ChoiceTestModule() override;

    QList<Destination> destinations() const override;
    StartupSlot startupSlot() const override;
    void preload() override;
    void open(const OpenRequest& request) override;

    ChoiceWindow* window() const { return window_.get(); }

private:
    ModuleContext context_;
    ChoiceTest test_;
    OpenRequest openedBy_;
    std::unique_ptr<ChoiceWindow> window_;
};

} // namespace reflex
