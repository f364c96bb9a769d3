#pragma once
// The simple results window as a module of the shell. Display opens it behind the loading
// banner; the window is made then and destroyed after Done, which hands the comments back
// to the window that opened it.

#include "shared/Shell.h"

#include <memory>

namespace reflex {

class frmDisplay;
class Printing;

class SimpleResultsModule final : public Module {
public:
    explicit SimpleResultsModule(ModuleContext context);
    ~SimpleResultsModule() override;

    QList<Destination> destinations() const override { return {Destination::SimpleResults}; }
    void open(const OpenRequest& request) override;

    frmDisplay* window() const { return window_.get(); }

private:
    void leave();

    ModuleContext context_;
    OpenRequest openedBy_;
    std::unique_ptr<frmDisplay> window_;
};

} // namespace reflex
