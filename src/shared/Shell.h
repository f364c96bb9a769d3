#pragma once
// How windows reach each other. Every module (a test, the settings dialog, a results window)
// offers destinations; a window that wants another one asks the shell, which finds the module
// that offers it. One window is shown at a time: opening a destination hides the window that
// asked, and leaving it shows that window again. No module includes another module's headers
// and the shell has no case per window.

#include "platform/audio/ToneStamp.h"
#include "platform/display/Presentation.h"
#include "platform/input/PressStampMatcher.h"

#include <QList>
#include <cstdint>
#include <functional>

class QWidget;

namespace brevane {

struct AppState;
struct Platform;

struct TestDescriptor;

// A window a module offers: a test's window or its results window, named by the test's entry in
// shared/TestList.h, or the settings dialog. A new test brings its destinations with its entry.
struct Destination {
    enum class Role { Test, Results, Settings };
    Role role;
    const TestDescriptor* test = nullptr; // none for the settings dialog

    static constexpr Destination testWindow(const TestDescriptor& t) { return {Role::Test, &t}; }
    static constexpr Destination resultsWindow(const TestDescriptor& t) { return {Role::Results, &t}; }
    static const Destination Settings;
    bool operator==(const Destination&) const = default;
};
inline constexpr Destination Destination::Settings{Destination::Role::Settings};

struct OpenRequest {
    Destination destination;
    QWidget* returnTo = nullptr;      // shown again when the opened window is left
    std::function<void()> onReturn{}; // runs just before returnTo shows again
    int page = 0;                     // the settings dialog's tab to open on
};

// What the stamps of a response were taken from (the trace's last columns).
struct StampSources {
    PressSource press = PressSource::Handler;
    ToneSource tone = ToneSource::None; // None: the stimulus had no tone
    std::int64_t toneLagNs = 0;         // picture and tone: the tone's first sample less the picture's onset
};

// Where a finished series and its stamps go besides the store: recover.dat, rewritten at the
// end of every finished series, the benchmark's trace of the stamps behind every stored time,
// and what the about box says of stamps that turned out estimated.
class SeriesRecorder {
public:
    virtual ~SeriesRecorder() = default;
    virtual void seriesEnded() = 0;
    // `stimulus`: where the picture's stamp came from, and how sure it is; `sources`: what the
    // press and the tone were stamped from.
    virtual void responseMeasured(std::int64_t stimulusNs, std::int64_t responseNs, const StampTrace& stimulus,
                                  StampSources sources) = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Hides the current window and shows `window` centred, without a nested event loop.
    virtual void show(QWidget* window) = 0;
    virtual bool offers(Destination destination) const = 0;
    virtual void open(OpenRequest request) = 0;
    // Leaves a window opened by `request`: runs its onReturn and shows its returnTo.
    void leave(const OpenRequest& request)
    {
        if (request.onReturn)
            request.onReturn();
        if (request.returnTo)
            show(request.returnTo);
    }
    // Hides the current window behind the "Loading Display Please Wait..." banner and runs
    // `step` (which makes and shows the next window) once the banner is on the screen.
    virtual void showWhileLoading(std::function<void()> step) { step(); }
};

// What every module receives.
struct ModuleContext {
    AppState& state;
    const Platform& platform;
    Shell& shell;
    SeriesRecorder& series;
};

// The start-up step in which a module's windows are made and their load handlers run: the
// settings dialog's, then every test's in the order the shell registered them.
enum class StartupSlot { None, SettingsDialog, Test };

class Module {
public:
    virtual ~Module() = default;
    virtual QList<Destination> destinations() const = 0;
    virtual StartupSlot startupSlot() const { return StartupSlot::None; }
    virtual void preload() { }
    virtual void open(const OpenRequest& request) = 0;
};

} // namespace brevane
