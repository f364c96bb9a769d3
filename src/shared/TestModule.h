#pragma once
// A test as a module of the shell (windows layer): its window is made during start-up and shown
// whenever the main menu opens the test. Options and Display go through the shell to whichever
// module offers them, and Done goes back to the menu; the engine re-reads its settings when the
// dialog is left and the set's comment when the results window is left. Every finished series
// goes to the series recorder (recover.dat), and every measured response to its trace when the
// benchmark asked for one.

#include "shared/Shell.h"
#include "shared/TestWindow.h"

#include <memory>

namespace brevane {

class TestModule : public Module {
public:
    ~TestModule() override;

    QList<Destination> destinations() const override { return {Destination::testWindow(test_)}; }
    StartupSlot startupSlot() const override { return StartupSlot::Test; }
    void preload() override;
    void open(const OpenRequest& request) override;

protected:
    TestModule(ModuleContext context, const TestDescriptor& test);
    // The test's window, whose engine writes recover.dat through `seriesEnded`.
    virtual std::unique_ptr<TestWindow> makeWindow(std::function<void()> seriesEnded) = 0;
    TestWindow* testWindow() const { return window_.get(); }
    const TestDescriptor& test() const { return test_; }
    ModuleContext context_;

private:
    void holdSound(bool on);

    const TestDescriptor& test_;
    bool holdingSound_ = false;
    OpenRequest openedBy_;
    std::unique_ptr<TestWindow> window_;
};

} // namespace brevane
