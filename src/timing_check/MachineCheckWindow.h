#pragma once
#include "platform/audio/Beeper.h"
#include "platform/audio/SoundCapture.h"
#include "platform/display/DisplayStamps.h"
#include "platform/display/Presenter.h"
#include "platform/input/PressStamp.h"
#include "platform/services/Clock.h"
#include "platform/services/Timer.h"
#include "shared/MachineResult.h"
#include "timing_check/CaptureRecording.h"
#include "timing_check/MachineCheck.h"
#include "timing_check/PatchFlasher.h"

#include <QMap>
#include <QWidget>
#include <memory>

class QLabel;
class QPushButton;

namespace brevane {

// `brevane --check-machine`: the lab's own PC checked end to end through its sound card, guided in
// plain words, one part after another: Screen (a photodiode on the flashing patch), Sound (the
// output looped to the input), Mouse (a microphone by the mouse, each click). The input is recorded
// throughout (CaptureRecording); each part's stamps go to MachineCheck, which times them against
// the recording. At the end Save keeps the result (MachineResultStore.h). Esc ends it.
class MachineCheckWindow final : public QWidget {
    Q_OBJECT
public:
    MachineCheckWindow(Clock& clock, TimerFactory& timers, Beeper& beeper, SoundCapture& capture, Presenter& presenter,
                       PressStamper& presses, QWidget* parent = nullptr);
    ~MachineCheckWindow() override;
    const MachineResult& result() const { return result_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    enum class Step { Intro, Ready, Running, Measured, Done };
    void startPart();
    void nextStep(); // Start on the intro and after a part: the next part's guide, or the end
    void skipPart();
    void flashed(const PatchFlasher::Frame& frame);
    void playTone();
    void endTrials(); // the last trial is in: wait for the recording to cover it
    void endPart();
    void say(const QString& text);
    void save();
    QString partGuide() const;

    Clock& clock_;
    Beeper& beeper_;
    SoundCapture& capture_;
    PressStamper& presses_;
    Presenter& presenter_;
    CaptureRecording recording_;
    MachineCheck check_;
    QWidget* patch_;
    QLabel* text_;
    QPushButton *start_, *skip_, *save_;
    std::unique_ptr<PatchFlasher> flasher_;
    std::unique_ptr<Timer> ticker_; // a tone a second; the wait for the recording
    Step step_ = Step::Intro;
    CheckPart part_ = CheckPart::Screen;
    int waits_ = 0;
    bool recording_ok_ = false;
    QString captureWhy_;
    DisplayFacts display_;
    MachineResult result_;
    QStringList done_;                // each part's result line
    QMap<QString, int> flashSources_; // the screen part's stamps, by source
};

} // namespace brevane
