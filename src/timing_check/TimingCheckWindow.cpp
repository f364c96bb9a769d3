#include "timing_check/TimingCheckWindow.h"
#include "platform/display/DisplayProbe.h"
#include "shared/MachineResultStore.h"
#include "timing_check/FrameStatistics.h"
#include "timing_check/StampSources.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <cmath>
#include <vector>

namespace brevane {

TimingCheckWindow::TimingCheckWindow(Clock& clock, TimerFactory& timers, const Beeper& beeper, Presenter& presenter,
                                     PressStamper& presses, QWidget* parent)
    : QWidget(parent)
    , clock_(clock)
    , beeper_(beeper)
    , presses_(presses)
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
    flasher_ = std::make_unique<PatchFlasher>(clock_, timers, presenter, patch_, reportedHz_);
    flasher_->onFrame = [this](const PatchFlasher::Frame& f) { frame(f); };
    machineLine_ = machineCheckLine(loadMachineResult());
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
    sources_ = currentStampSourceNames(beeper_, presses_);
    display_ = probeDisplay();
    plan_ = displayStampPlan(display_);
    flasher_->start();
    showReadout();
}

void TimingCheckWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    flasher_->stop();
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

void TimingCheckWindow::frame(const PatchFlasher::Frame& f)
{
    stamps_.push_back(f.stampNs);
    sources_.display = displayStampSourceName(f.shown.source());
    plan_.source = f.shown.source();
    plan_.exact = f.shown.isExact();
    if (stamps_.size() > kKeptStamps)
        stamps_.pop_front();
    if (f.turned) {
        // Twice a second, drawn right after the frame: its time comes out of this frame's
        // wait, not the next one's deadline.
        showReadout();
        readout_->repaint();
    }
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
                         "The patch turns every %10 frames (frame %11)\n%12")
                          .arg(reportedHz_, 0, 'f', 2)
                          .arg(modeRateWords(display_), figures, sources_.display, sources_.input, sources_.sound,
                               compositorWords(display_), stampWords(plan_.source, plan_.exact), notice)
                          .arg(flasher_->framesPerPhase())
                          .arg(flasher_->frames())
                          .arg(machineLine_));
}

} // namespace brevane
