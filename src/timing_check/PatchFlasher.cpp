#include "timing_check/PatchFlasher.h"

#include <cmath>

namespace brevane {

PatchFlasher::PatchFlasher(Clock& clock, TimerFactory& timers, Presenter& presenter, QWidget* patch, double refreshHz)
    : clock_(clock)
    , patch_(patch)
    , presenter_(presenter)
    , timer_(timers.createTimer())
    , framesPerPhase_(framesPerPhase(refreshHz))
    , periodNs_(std::llround(1e9 / refreshHz))
{
    timer_->onTimer = [this] { frame(); };
}

PatchFlasher::~PatchFlasher() = default;

void PatchFlasher::start()
{
    nextNs_ = clock_.nowNs() + periodNs_;
    scheduleNext();
    timer_->setEnabled(true);
}

void PatchFlasher::stop()
{
    timer_->setEnabled(false);
}

void PatchFlasher::frame()
{
    Frame f;
    f.turned = frames_ % framesPerPhase_ == 0;
    if (f.turned) {
        white_ = !white_;
        QPalette pal = patch_->palette();
        pal.setColor(QPalette::Window, white_ ? Qt::white : Qt::black);
        patch_->setPalette(pal);
    }
    f.white = white_;
    ++frames_;
    clock_.waitUntil(nextNs_);
    f.shown = presenter_.present(patch_);
    f.stampNs = f.shown.known() ? f.shown.stampNs() : clock_.nowNs();
    if (onFrame)
        onFrame(f);
    nextNs_ += periodNs_;
    if (const std::int64_t now = clock_.nowNs(); nextNs_ < now)
        nextNs_ = now + periodNs_; // held up past a whole frame: start afresh rather than rush
    scheduleNext();
}

void PatchFlasher::scheduleNext()
{
    constexpr std::int64_t kEarlyNs = 2'000'000; // the timer's grain and wake-up, waited out by the clock
    timer_->setInterval(int(std::max<std::int64_t>(1, (nextNs_ - clock_.nowNs() - kEarlyNs) / 1'000'000)));
}

} // namespace brevane
