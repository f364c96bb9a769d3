#pragma once
// Owns the windows and wires them: start-up (backdrop, splash, load sequence), the main menu
// and the modules it opens. Windows never call each other; they signal, and this class
// decides which window the Navigator shows next.

#include "app/AppState.h"
#include "app/Navigator.h"
#include "platform/Platform.h"

#include <QObject>
#include <memory>

namespace reflex {

class frmFirst;
class frmSplash;
class frmMain;
class frmReflex;
class RecoveryFile;

class Application : public QObject {
    Q_OBJECT
public:
    Application(AppState& state, const Platform& platform, QString commandLine);
    ~Application() override;

    // Runs the load sequence; ends in the main menu, or quits the event loop with status 1
    // when the screen is too small.
    void start();

    // Appends "stimulus_ns press_ns" (CLOCK_MONOTONIC) for every response to `path`; the
    // timing benchmark compares these unrounded stamps with what it saw on the screen.
    void setTimingTrace(const QString& path) { timingTrace_ = path; }

    frmMain* mainMenu() const { return main_.get(); }
    frmReflex* simpleTest() const { return reflex_.get(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openSimpleTest();
    void exitProgram();

    AppState& state_;
    const Platform& platform_;
    QString commandLine_;
    QString timingTrace_;
    Navigator navigator_;
    std::unique_ptr<RecoveryFile> recovery_;
    std::unique_ptr<frmFirst> first_;
    std::unique_ptr<frmSplash> splash_;
    std::unique_ptr<frmMain> main_;
    std::unique_ptr<frmReflex> reflex_;
};

} // namespace reflex
