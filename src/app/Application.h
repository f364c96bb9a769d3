#pragma once
// The shell: owns the start-up windows, the main menu and the modules, and is the Shell every
// module reaches the others through. The tests' modules come from the list in TestModules.cpp;
// any other module is one line in the constructor. Nothing here knows a module's windows.

#include "app/Navigator.h"
#include "platform/Platform.h"
#include "shared/AppState.h"
#include "shared/LabSettings.h"
#include "shared/Shell.h"

#include <QObject>
#include <memory>
#include <vector>

namespace brevane {

class frmFirst;
class frmSplash;
class frmMain;
class RecoveryFile;

class Application final : public QObject, public Shell, public SeriesRecorder {
    Q_OBJECT
public:
    // `lab`: what the lab's settings ask of the session (its class configuration and its lock).
    Application(AppState& state, const Platform& platform, QString commandLine, LabSession lab = {});
    ~Application() override;

    // Runs the load sequence; ends in the main menu, or quits the event loop with status 1
    // when the screen is too small.
    void start();

    // Appends a line of the timing trace (shared/TimingTrace.h: the stamps, CLOCK_MONOTONIC, and
    // where they came from) for every response to `path`; the timing benchmark compares these
    // unrounded stamps with what it saw on the screen.
    void setTimingTrace(const QString& path);

    frmMain* mainMenu() const { return main_.get(); }
    QWidget* currentWindow() const { return navigator_.current(); }
    template <typename T> T* module() const
    {
        for (const auto& m : modules_)
            if (auto* found = dynamic_cast<T*>(m.get()))
                return found;
        return nullptr;
    }

    // The module that offers a destination, or nullptr.
    Module* provider(Destination destination) const;

    // Shell
    void show(QWidget* window) override { navigator_.show(window); }
    bool offers(Destination destination) const override { return provider(destination); }
    void open(OpenRequest request) override;
    void showWhileLoading(std::function<void()> step) override;

    // SeriesRecorder: recover.dat, the trace when the benchmark asked for one, and the about box's
    // word on a display whose stamps turned out estimated only once the stimuli were shown
    void seriesEnded() override;
    void responseMeasured(std::int64_t stimulusNs, std::int64_t responseNs, const StampTrace& stimulus,
                          StampSources sources) override;

private:
    void exitProgram();

    AppState& state_;
    const Platform& platform_;
    QString commandLine_;
    LabSession lab_;
    Navigator navigator_;
    QString tracePath_;
    QString estimatedNotice_; // the first stimulus stamp found estimated, in a teacher's words
    std::unique_ptr<RecoveryFile> recovery_;
    std::unique_ptr<frmFirst> first_;
    std::unique_ptr<frmSplash> splash_;
    std::unique_ptr<frmMain> main_;
    std::vector<std::unique_ptr<Module>> modules_;
};

} // namespace brevane
