#include "timing_check/MachineCheckWindow.h"
#include "platform/display/DisplayProbe.h"
#include "shared/AtomicFile.h"
#include "shared/MachineResultStore.h"
#include "timing_check/StampSources.h"

#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointingDevice>
#include <QPushButton>
#include <QScreen>
#include <QSysInfo>

namespace brevane {

namespace {
constexpr int kTickMs = 100;
constexpr int kMostWaits = 30; // ticks for the recording to catch up with the last trial
} // namespace

MachineCheckWindow::MachineCheckWindow(Clock& clock, TimerFactory& timers, Beeper& beeper, SoundCapture& capture,
                                       Presenter& presenter, PressStamper& presses, QWidget* parent)
    : QWidget(parent)
    , clock_(clock)
    , beeper_(beeper)
    , capture_(capture)
    , presses_(presses)
    , presenter_(presenter)
    , recording_(capture.rate())
    , check_(recording_)
    , patch_(new QWidget(this))
    , text_(new QLabel(this))
    , start_(new QPushButton(tr("&Start"), this))
    , skip_(new QPushButton(tr("S&kip this part"), this))
    , save_(new QPushButton(tr("Sa&ve the result"), this))
    , ticker_(timers.createTimer())
{
    setWindowTitle(tr("Brevane Machine Check"));
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(96, 96, 96));
    grey.setColor(QPalette::WindowText, Qt::white);
    setPalette(grey);
    patch_->setAccessibleName(tr("Flashing patch"));
    patch_->setAutoFillBackground(true);
    patch_->setAttribute(Qt::WA_TransparentForMouseEvents);
    text_->setAccessibleName(tr("Machine check guide"));
    text_->setTextFormat(Qt::PlainText);
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font = text_->font();
    font.setPointSize(13);
    text_->setFont(font);
    for (QPushButton* b : {start_, skip_, save_}) {
        b->setAccessibleName(b->text().remove(QLatin1Char('&')));
        b->setFocusPolicy(Qt::NoFocus); // Return is Start wherever the focus is
    }
    save_->setEnabled(false);
    connect(start_, &QPushButton::clicked, this, [this] { step_ == Step::Ready ? startPart() : nextStep(); });
    connect(skip_, &QPushButton::clicked, this, &MachineCheckWindow::skipPart);
    connect(save_, &QPushButton::clicked, this, &MachineCheckWindow::save);
    double hz = 60;
    if (const QScreen* s = screen()) {
        setGeometry(s->geometry());
        if (s->refreshRate() > 1)
            hz = s->refreshRate();
    }
    flasher_ = std::make_unique<PatchFlasher>(clock_, timers, presenter_, patch_, hz);
    flasher_->onFrame = [this](const PatchFlasher::Frame& f) { flashed(f); };
    ticker_->setInterval(kTickMs);
    result_.host = QSysInfo::machineHostName();
    say(tr("Machine check: what this PC adds to every time a student measures on it.\n\n"
           "The sound card's input is the clock: it hears the screen through a photodiode, the sound through a "
           "cable from the output, and the mouse through a microphone, and the program compares what it heard "
           "with its own stamps. Three parts, each about half a minute; skip any you cannot do. Each part "
           "gives the mean, the spread (SD) and the worst of its trials.\n\n"
           "Press Start (or Return) to begin with the screen; Esc ends the check."));
}

MachineCheckWindow::~MachineCheckWindow()
{
    capture_.stop();
}

void MachineCheckWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int side = std::min(width(), height()) / 3;
    patch_->setGeometry((width() - side) / 2, (height() - side) / 2 + side / 4, side, side);
    text_->setGeometry(32, 24, width() - 64, std::max(0, patch_->y() - 40));
    const int buttonsY = std::min(height() - 48, patch_->geometry().bottom() + 24);
    int x = (width() - 3 * 220) / 2;
    for (QPushButton* b : {start_, skip_, save_}) {
        b->setGeometry(x, buttonsY, 200, 36);
        x += 220;
    }
}

void MachineCheckWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    presses_.listen(true);
    display_ = probeDisplay();
    recording_ok_ = capture_.start([this](const CaptureBlock& b) { recording_.add(b); }, captureWhy_);
    if (!recording_ok_) {
        start_->setEnabled(false);
        say(tr("No input to record from: %1.\nPlug a cable or a microphone into the sound card's input "
               "(line-in or microphone), make it the input in the sound settings, and start the check again.")
                .arg(captureWhy_));
    }
}

void MachineCheckWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    flasher_->stop();
    ticker_->setEnabled(false);
    presses_.listen(false);
}

void MachineCheckWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && start_->isEnabled())
        start_->click();
    else
        QWidget::keyPressEvent(event);
}

// The mouse part's clicks: each press on the patch, stamped as a test window stamps it, by device.
void MachineCheckWindow::mousePressEvent(QMouseEvent* event)
{
    if (step_ != Step::Running || part_ != CheckPart::Mouse ||
        !patch_->geometry().contains(event->position().toPoint()))
        return;
    const PressStamp stamp = presses_.stamp(clock_.nowNs(), *event);
    QString device = event->pointingDevice() ? event->pointingDevice()->name() : QString();
    device.removeIf([](QChar c) { return c.category() == QChar::Other_Control; }); // X names end in a NUL
    device = device.trimmed();
    check_.stamped(stamp.ns, device);
    say(partGuide() + tr("\n\nClicks: %1 of %2").arg(check_.stamps()).arg(partTrials(part_)));
    if (check_.stamps() >= partTrials(part_))
        endTrials();
}

QString MachineCheckWindow::partGuide() const
{
    switch (part_) {
    case CheckPart::Screen:
        return tr("Screen: a photodiode held on the flashing patch.\n"
                  "You need a BPW34 photodiode (or any small silicon photodiode, a few euros) soldered to a 3.5 mm "
                  "plug. On a line-in: the diode's anode to the tip, its cathode (the marked side) to the sleeve. On a "
                  "microphone input, which feeds a few volts through the tip: the cathode to the tip, the anode to "
                  "the sleeve. Set the input volume to about half.\n"
                  "Tape the diode flat on the middle of the patch below, the screen at the brightness the students "
                  "use, the room light as in class. Press Start: the patch flashes %1 times, once a second.")
            .arg(partTrials(part_));
    case CheckPart::Sound:
        return tr("Sound: the output looped to the input.\n"
                  "Plug a cable from the headphone socket into the line-in (or hold the headset's microphone at "
                  "its speaker), the volume as in class. Press Start: %1 tones, one a second.")
            .arg(partTrials(part_));
    case CheckPart::Mouse:
        return tr("Mouse: each button's click, heard by a microphone next to the mouse.\n"
                  "Put the microphone within 5 cm of the mouse's buttons: sound travels about 0.03 ms a "
                  "centimetre, so 5 cm add 0.15 ms to what is measured, 30 cm almost 1 ms. Keep the room quiet. "
                  "Press Start, then click the left button %1 times in the grey square, about once a second. "
                  "Each mouse you click is measured on its own.")
            .arg(partTrials(part_));
    }
    return {};
}

void MachineCheckWindow::nextStep()
{
    if (step_ == Step::Intro) {
        part_ = CheckPart::Screen;
    } else if (part_ == CheckPart::Mouse) {
        step_ = Step::Done;
        start_->setEnabled(false);
        skip_->setEnabled(false);
        save_->setEnabled(!result_.lags.isEmpty());
        say(tr("The machine check is done.\n\n%1\n\nSave keeps the result on this machine: the about box and "
               "the timing check show it, and it goes with the students' files to the hand-in folder, where "
               "brevane-summary reads it.")
                .arg(done_.join(QLatin1Char('\n'))));
        return;
    } else {
        part_ = CheckPart(int(part_) + 1);
    }
    step_ = Step::Ready;
    start_->setText(tr("&Start"));
    skip_->setEnabled(true);
    say(partGuide());
}

void MachineCheckWindow::skipPart()
{
    if (step_ == Step::Intro)
        step_ = Step::Ready;
    done_ << tr("%1: skipped").arg(QLatin1String(checkPartName(part_)));
    nextStep();
}

void MachineCheckWindow::startPart()
{
    step_ = Step::Running;
    start_->setEnabled(false);
    skip_->setEnabled(false);
    check_.begin(part_);
    say(partGuide() + tr("\n\nMeasuring..."));
    if (part_ == CheckPart::Screen) {
        flasher_->start();
    } else if (part_ == CheckPart::Sound) {
        beeper_.holdStream(true); // the stream runs on silence, as in a test
        ticker_->onTimer = [this] { playTone(); };
        ticker_->setInterval(int(partPeriodNs(part_) / 1'000'000));
        ticker_->setEnabled(true);
    }
}

void MachineCheckWindow::flashed(const PatchFlasher::Frame& f)
{
    if (!f.turned || !f.white || step_ != Step::Running)
        return;
    check_.stamped(f.stampNs);
    // What each flash was stamped by: a frame stamped at its hand-over is early by the wait for the
    // refresh, and so is the lag it gives late; the result names them.
    ++flashSources_[displayStampSourceName(f.shown.source()) +
                    (f.shown.isExact() ? QString() : QStringLiteral(" (estimated)"))];
    say(partGuide() + tr("\n\nFlashes: %1 of %2").arg(check_.stamps()).arg(partTrials(part_)));
    if (check_.stamps() >= partTrials(part_)) {
        flasher_->stop();
        endTrials();
    }
}

void MachineCheckWindow::playTone()
{
    beeper_.startTone(0);
    const ToneStamp stamp = beeper_.startedTone();
    if (stamp.known())
        check_.stamped(stamp.ns);
    say(partGuide() + tr("\n\nTones: %1 of %2").arg(check_.stamps()).arg(partTrials(part_)));
    if (check_.stamps() >= partTrials(part_) || !stamp.known()) {
        ticker_->setEnabled(false);
        beeper_.holdStream(false);
        endTrials();
    }
}

void MachineCheckWindow::endTrials()
{
    waits_ = 0;
    ticker_->onTimer = [this] {
        if (check_.recorded() || ++waits_ > kMostWaits) {
            ticker_->setEnabled(false);
            endPart();
        }
    };
    ticker_->setInterval(kTickMs);
    ticker_->setEnabled(true);
}

void MachineCheckWindow::endPart()
{
    const QList<MachineLag> lags = check_.finish();
    QStringList lines;
    for (const MachineLag& lag : lags) {
        result_.lags << lag;
        const QString name = lag.device.isEmpty() ? lag.part : QStringLiteral("%1 (%2)").arg(lag.part, lag.device);
        lines << (lag.measuredOk()
                      ? tr("%1: mean %2 ms, SD %3 ms, worst %4 ms over %5 of %6 trials")
                            .arg(name, QString::asprintf("%+.2f", lag.meanMs), QString::number(lag.sdMs, 'f', 2),
                                 QString::asprintf("%+.2f", lag.worstMs))
                            .arg(lag.measured)
                            .arg(lag.trials)
                      : tr("%1: refused: %2").arg(name, lag.refused));
    }
    done_ << lines;
    step_ = Step::Measured;
    start_->setEnabled(true);
    skip_->setEnabled(false);
    start_->setText(part_ == CheckPart::Mouse ? tr("&Finish") : tr("&Next part"));
    say(lines.join(QLatin1Char('\n')) +
        tr("\n\nPress %1 (Return) to go on.").arg(part_ == CheckPart::Mouse ? tr("Finish") : tr("Next part")));
}

void MachineCheckWindow::say(const QString& text)
{
    text_->setText(text);
}

void MachineCheckWindow::save()
{
    const StampSourceNames sources = currentStampSourceNames(beeper_, presses_);
    result_.date = QDateTime::currentDateTimeUtc();
    result_.monitorMode = modeRateWords(display_);
    QStringList flashes;
    for (auto it = flashSources_.cbegin(); it != flashSources_.cend(); ++it)
        flashes << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    result_.displayStamps = flashes.isEmpty() ? sources.display : flashes.join(QStringLiteral(", "));
    result_.inputStamps = sources.input;
    result_.soundStamps = sources.sound;
    result_.captureStamps = QString::fromLatin1(toneRouteName(capture_.route()));
    const QString path = userMachineResultPath();
    QDir().mkpath(QFileInfo(path).path());
    const FileWriteResult written =
        replaceFileAtomically(path, [this](QIODevice& out) { return writeMachineResult(out, result_); });
    say(written.ok ? tr("Saved to %1.\nFor every user of this machine, copy it to "
                        "/etc/xdg/Brevane/machine-check.txt (as root). Esc ends the check.")
                         .arg(QDir::toNativeSeparators(path))
                   : tr("Could not save %1: %2").arg(QDir::toNativeSeparators(path), written.error));
    save_->setEnabled(!written.ok);
}

} // namespace brevane
