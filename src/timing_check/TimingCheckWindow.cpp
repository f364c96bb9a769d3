#include "timing_check/TimingCheckWindow.h"
#include "platform/display/DisplayProbe.h"
#include "timing_check/FrameStatistics.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <cmath>
#include <vector>

namespace brevane {

namespace {

// presentNow confirms the hand-over with a round trip on X only: before a first frame tells, the
// display is named as the platform goes.
QString displayBeforeFirstFrame()
{
    const bool onX = QGuiApplication::platformName() == QLatin1String("xcb");
    return displayStampSourceName(onX ? StampSource::HandOver : StampSource::Clock);
}

} // namespace

TimingCheckWindow::TimingCheckWindow(Clock& clock, TimerFactory& timers, const Beeper& beeper, Presenter& presenter,
                                     PressStamper& presses, QWidget* parent)
    : QWidget(parent)
    , clock_(clock)
    , beeper_(beeper)
    , presses_(presses)
    , presenter_(presenter)
    , timer_(timers.createTimer())
    , patch_(new QWidget(this))
    , readout_(new QLabel(this))
{
    setWindowTitle(tr("Brevane Timing Check"));
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(96, 96, 96)); // the patch stands out in both phases
    grey.setColor(QPalette::WindowText, Qt::white);
    setPalette(grey);
    patch_->setAccessibleName(tr("Flashing patch"));
    patch_->setAutoFillBackground(true);
    patch_->setAttribute(Qt::WA_TransparentForMouseEvents);
    readout_->setAccessibleName(tr("Timing readout"));
    readout_->setTextFormat(Qt::PlainText);
    QFont font = readout_->font();
    font.setPointSize(14);
    readout_->setFont(font);
    readout_->setAttribute(Qt::WA_TransparentForMouseEvents);
    if (const QScreen* s = screen()) {
        setGeometry(s->geometry()); // without a window manager, full screen alone keeps the default size
        if (s->refreshRate() > 1)
            reportedHz_ = s->refreshRate();
    }
    // One frame a refresh as the screen reports it, each on its deadline: the timer wakes the
    // window a little before, the clock waits out the rest, so the millisecond grain of the
    // timer does not show in the stamps.
    periodNs_ = std::llround(1e9 / reportedHz_);
    framesPerPhase_ = framesPerPhase(reportedHz_);
    timer_->onTimer = [this] { frame(); };
    showReadout();
}

TimingCheckWindow::~TimingCheckWindow() = default;

void TimingCheckWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int side = std::min(width(), height()) / 2;
    patch_->setGeometry((width() - side) / 2, (height() - side) / 2, side, side);
    readout_->setGeometry(24, 16, width() - 48, std::max(0, (height() - side) / 2 - 24));
}

void TimingCheckWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    presses_.listen(true);
    // The press stamper names its input thread only once it listens.
    sources_ = {displayBeforeFirstFrame(), presses_.sourceName(),
                beeper_.hasDevice() ? QString::fromLatin1(toneRouteName(beeper_.route())) : QStringLiteral("none")};
    display_ = probeDisplay();
    plan_ = displayStampPlan(display_);
    nextNs_ = clock_.nowNs() + periodNs_;
    scheduleNext();
    timer_->setEnabled(true);
    showReadout();
}

void TimingCheckWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    timer_->setEnabled(false);
    presses_.listen(false);
}

void TimingCheckWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void TimingCheckWindow::mousePressEvent(QMouseEvent*)
{
    close();
}

void TimingCheckWindow::frame()
{
    const bool turn = frames_ % framesPerPhase_ == 0;
    if (turn) {
        white_ = !white_;
        QPalette pal = patch_->palette();
        pal.setColor(QPalette::Window, white_ ? Qt::white : Qt::black);
        patch_->setPalette(pal);
    }
    ++frames_;
    clock_.waitUntil(nextNs_);
    const Presentation shown = presenter_.present(patch_);
    stamps_.push_back(shown.known() ? shown.stampNs() : clock_.nowNs());
    sources_.display = displayStampSourceName(shown.source());
    plan_.source = shown.source();
    plan_.exact = shown.isExact();
    if (stamps_.size() > kKeptStamps)
        stamps_.pop_front();
    if (turn) {
        // Twice a second, drawn right after the frame: its time comes out of this frame's
        // wait, not the next one's deadline.
        showReadout();
        readout_->repaint();
    }
    nextNs_ += periodNs_;
    if (const std::int64_t now = clock_.nowNs(); nextNs_ < now)
        nextNs_ = now + periodNs_; // held up past a whole frame: start afresh rather than rush
    scheduleNext();
}

void TimingCheckWindow::scheduleNext()
{
    constexpr std::int64_t kEarlyNs = 2'000'000; // the timer's grain and wake-up, waited out by the clock
    timer_->setInterval(int(std::max<std::int64_t>(1, (nextNs_ - clock_.nowNs() - kEarlyNs) / 1'000'000)));
}

void TimingCheckWindow::showReadout()
{
    const FrameStatistics s = frameStatistics(std::vector<std::int64_t>(stamps_.begin(), stamps_.end()));
    const QString figures = s.intervals == 0 ? tr("Frames: measuring...")
                                             : tr("Frames stamped at %L1 Hz (one every %L2 ms)\n"
                                                  "Frame time jitter: SD %L3 ms, worst %L4 ms, %5 late of the last %6")
                                                   .arg(s.refreshHz, 0, 'f', 2)
                                                   .arg(s.periodMs, 0, 'f', 3)
                                                   .arg(s.jitterMs, 0, 'f', 3)
                                                   .arg(s.worstMs, 0, 'f', 3)
                                                   .arg(s.late)
                                                   .arg(s.intervals);
    // Estimated stamps are named in the teacher's words, the session's reason where it has one.
    const QString notice = plan_.exact               ? QString()
                           : !plan_.notice.isEmpty() ? QStringLiteral("\n") + plan_.notice
                                                     : tr("\nTimes may be one frame long: see the guide");
    readout_->setText(tr("Timing check: Esc or a click ends it\n"
                         "Refresh reported by the screen: %L1 Hz; the monitor's mode: %2\n%3\n"
                         "Stamp sources: display %4, input %5, sound %6\n"
                         "Compositor: %7; stimulus stamps: %8%9\n"
                         "The patch turns every %10 frames (frame %11)")
                          .arg(reportedHz_, 0, 'f', 2)
                          .arg(modeRateWords(display_), figures, sources_.display, sources_.input, sources_.sound,
                               compositorWords(display_), stampWords(plan_.source, plan_.exact), notice)
                          .arg(framesPerPhase_)
                          .arg(frames_));
}

} // namespace brevane
