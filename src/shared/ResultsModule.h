#pragma once
// A results window as a module of the shell (windows layer). Display opens it behind the
// loading banner; the window is made then and destroyed after Done, which hands the comments
// back to the window that opened it.

#include "shared/Shell.h"

#include <functional>
#include <memory>

namespace brevane {

class ResultsWindow;

class ResultsModule final : public Module {
public:
    using MakeWindow = std::function<std::unique_ptr<ResultsWindow>(const ModuleContext&)>;
    ResultsModule(ModuleContext context, Destination destination, MakeWindow make);
    ~ResultsModule() override;

    QList<Destination> destinations() const override { return {destination_}; }
    void open(const OpenRequest& request) override;

    ResultsWindow* window() const { return window_.get(); }

private:
    void leave();

    ModuleContext context_;
    Destination destination_;
    MakeWindow make_;
    OpenRequest openedBy_;
    std::unique_ptr<ResultsWindow> window_;
};

} // namespace brevane
