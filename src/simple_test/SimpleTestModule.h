#pragma once
// The simple test as a module of the shell: its window is made during start-up and shown
// whenever the main menu opens the test. Options and Display go through the shell to
// whichever module offers them; the test re-reads its settings when the dialog is left.

#include "shared/Shell.h"

#include <memory>

namespace reflex {

class frmReflex;

class SimpleTestModule final : public Module {
public:
    explicit SimpleTestModule(ModuleContext context);
    ~SimpleTestModule() override;

    QList<Destination> destinations() const override { return {Destination::SimpleTest}; }
    StartupSlot startupSlot() const override { return StartupSlot::SimpleTest; }
    void preload() override;
    void open(const OpenRequest& request) override;

    frmReflex* window() const { return window_.get(); }

private:
    ModuleContext context_;
    OpenRequest openedBy_;
    std::unique_ptr<frmReflex> window_;
};

} // namespace reflex
