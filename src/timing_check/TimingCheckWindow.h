#pragma once
#include "platform/audio/Beeper.h"
#include "platform/display/DisplayStamps.h"
#include "platform/display/Presenter.h"
#include "platform/input/PressStamp.h"
#include "platform/services/Clock.h"
#include "platform/services/Timer.h"
#include "timing_check/PatchFlasher.h"
#include "timing_check/StampSources.h"

#include <QWidget>
#include <algorithm>
#include <deque>
#include <memory>

class QLabel;

namespace brevane {

// `brevane --timing-check`: a full-screen window whose patch turns black and white every
// framesPerPhase frames (PatchFlasher), steady enough for a photodiode or a slow-motion camera to
// time, with a readout of the frame statistics, the stamp sources and the machine check's kept
// result. Each frame is presented as a stimulus is (the session's presenter: at the refresh through
// X Present where the server has it) and stamped the same way, and the readout names the source the
// last frame got, in words, beside the monitor's mode rate and the compositor: a steady 60.00 Hz
// on a 144 Hz mode is a simulated refresh. Esc or a click ends it.
class TimingCheckWindow final : public QWidget {
    Q_OBJECT
public:
    static int framesPerPhase(double refreshHz) { return PatchFlasher::framesPerPhase(refreshHz); }
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
    void frame(const PatchFlasher::Frame& frame);
    void showReadout();

    Clock& clock_;
    const Beeper& beeper_;
    PressStamper& presses_; // listening while shown, as a test window's does: the input source
    QWidget* patch_;
    QLabel* readout_;
    double reportedHz_ = 60;
    std::unique_ptr<PatchFlasher> flasher_;
    std::deque<std::int64_t> stamps_;
    QString machineLine_; // the machine check's kept result
    StampSourceNames sources_;
    DisplayFacts display_;  // the mode's rate and the compositor, beside the measured rate
    DisplayStampPlan plan_; // the session's; the last frame's source and exactness once one is shown
};

} // namespace brevane
