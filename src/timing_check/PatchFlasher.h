#pragma once
#include "platform/display/Presenter.h"
#include "platform/services/Clock.h"
#include "platform/services/Timer.h"

#include <QWidget>
#include <algorithm>
#include <functional>
#include <memory>

namespace brevane {

// The patch of the timing check and the machine check: it turns black and white every
// framesPerPhase frames, one frame a refresh as the screen reports it, each on its deadline (the
// timer wakes a little before, the clock waits out the rest, so the millisecond grain of the timer
// does not show in the stamps), presented as a stimulus is (the session's presenter) and stamped the same
// way. onFrame hears every frame: what was shown, its stamp, and whether the patch turned on it
// (to white or black).
class PatchFlasher {
public:
    // Half a second of frames: one black-white-black cycle a second, well below the three flashes a
    // second that can trouble a viewer, at any refresh rate.
    static int framesPerPhase(double refreshHz) { return std::max(1, int(refreshHz / 2 + 0.5)); }

    PatchFlasher(Clock& clock, TimerFactory& timers, Presenter& presenter, QWidget* patch, double refreshHz);
    ~PatchFlasher();
    void start();
    void stop();
    int framesPerPhase() const { return framesPerPhase_; }
    long long frames() const { return frames_; }

    struct Frame {
        Presentation shown;
        std::int64_t stampNs = 0; // the presentation's stamp, else the clock after it
        bool turned = false, white = false;
    };
    std::function<void(const Frame& frame)> onFrame;

private:
    void frame();
    void scheduleNext();

    Clock& clock_;
    QWidget* patch_;
    Presenter& presenter_;
    std::unique_ptr<Timer> timer_;
    int framesPerPhase_;
    std::int64_t periodNs_;
    std::int64_t nextNs_ = 0;
    long long frames_ = 0;
    bool white_ = false;
};

} // namespace brevane
