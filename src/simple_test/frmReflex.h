#pragma once
#include "shared/TestWindow.h"
#include "simple_test/SimpleEngine.h"

#include <memory>

namespace Ui {
class frmReflex;
}

namespace brevane {

// The simple test window: forwards its commands and presses to SimpleEngine and shows its
// state. Presses count on the free surface and the two circles, not on the controls.
class frmReflex : public TestWindow, public SimpleTestView {
    Q_OBJECT
public:
    frmReflex(AppState& state, const Platform& platform, std::function<void()> writeRecoveryFile,
              QWidget* parent = nullptr);
    ~frmReflex() override;

    SimpleEngine& engine() { return engine_; }
    TestEngine& testEngine() override { return engine_; }

    void render() override;
    void presentStimulus() override;
    Presentation presentation() const override { return presented_; }
    QPoint leftTargetCentre() const override;

private:
    std::unique_ptr<Ui::frmReflex> ui;
    SimpleEngine engine_;
    Presentation presented_;
};

} // namespace brevane
