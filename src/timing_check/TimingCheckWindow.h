#pragma once
#include "platform/audio/Beeper.h"
#include "platform/display/DisplayStamps.h"
#include "platform/display/Presenter.h"
#include "platform/input/PressStamp.h"
#include "platform/services/Clock.h"
#include "platform/services/Timer.h"

#include <QWidget>
#include <algorithm>
#include <deque>
#include <memory>

class QLabel;

namespace brevane {

// `brevane --timing-check`: a full-screen window whose patch turns black and white every
// framesPerPhase frames, steady enough for a photodiode or a slow-motion camera to time,
// with a readout of the frame statistics and the stamp sources. Each frame is presented as a
// stimulus is (the session's presenter: at the refresh through X Present where the server has it) and
// stamped the same way, and the readout names the source the last frame got, in words, beside
// the monitor's mode rate and the compositor: a steady 60.00 Hz on a 144 Hz mode is a simulated
// refresh. Esc or a click ends it.
class TimingCheckWindow final : public QWidget {
    // Where each kind of stamp comes from now, by name, asked of each service as it runs.
    struct StampSourceNames {
        QString display; // displayStampSourceName of the last frame's source
        QString input;   // the press stamper's sourceName()
        QString sound;   // the tone's route (toneRouteName); "none": no sound device
    };

    Q_OBJECT
public:
    // Half a second of frames: one black-white-black cycle a second, well below the three flashes a
    // second that can trouble a viewer, at any refresh rate.
    static int framesPerPhase(double refreshHz) { return std::max(1, int(refreshHz / 2 + 0.5)); }
    static constexpr std::size_t kKeptStamps = 600;

    TimingCheckWindow(Clock& clock, TimerFactory& timers, const Beeper& beeper, Presenter& presenter,
                      PressStamper& presses, QWidget* parent = nullptr);
    ~TimingCheckWindow() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void frame();
    void scheduleNext();
    void showReadout();

    Clock& clock_;
    const Beeper& beeper_;
    PressStamper& presses_; // listening while shown, as a test window's does: the input source
    Presenter& presenter_;
    std::unique_ptr<Timer> timer_;
    QWidget* patch_;
    QLabel* readout_;
    double reportedHz_ = 60;
    int framesPerPhase_ = 30;
    std::int64_t periodNs_ = 0;
    std::int64_t nextNs_ = 0;
    long long frames_ = 0;
    bool white_ = false;
    std::deque<std::int64_t> stamps_;
    StampSourceNames sources_;
    DisplayFacts display_;  // the mode's rate and the compositor, beside the measured rate
    DisplayStampPlan plan_; // the session's; the last frame's source and exactness once one is shown
};

} // namespace brevane
