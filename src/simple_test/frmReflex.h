#pragma once
#include "platform/InputStamp.h"
#include "simple_test/SimpleEngine.h"

#include <QWidget>
#include <memory>

namespace Ui { class frmReflex; }

namespace reflex {

// The simple test window: forwards its commands and presses to SimpleEngine and shows its
// state. Presses count on the free surface and the two circles, not on the controls.
class frmReflex : public QWidget, public SimpleTestView {
    Q_OBJECT
public:
    frmReflex(AppState& state, const Platform& platform, std::function<void()> writeRecoveryFile,
              QWidget* parent = nullptr);
    ~frmReflex() override;

    SimpleEngine& engine() { return engine_; }

    void render() override;
    void presentStimulus() override;
    Presentation presentation() const override { return presented_; }
    QPoint leftTargetCentre() const override;

signals:
    void doneRequested();    // Done: back to the main menu
    void optionsRequested(); // Options: the settings dialog
    void displayRequested(); // Display: the results window

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // The window manager's close button is Done, refused while a series runs.
    void closeEvent(QCloseEvent* event) override;

private:
    void done();

    const Platform& platform_;
    XPressStamper pressStamper_;
    std::unique_ptr<Ui::frmReflex> ui;
    SimpleEngine engine_;
    Presentation presented_;
    bool optionsWired_ = false;
    bool displayWired_ = false;

public:
    // Options and Display stay disabled until their windows are connected.
    void setOptionsAvailable(bool on) { optionsWired_ = on; render(); }
    void setDisplayAvailable(bool on) { displayWired_ = on; render(); }
};

} // namespace reflex
