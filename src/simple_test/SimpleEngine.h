#pragma once
// The simple reaction test without its window. frmReflex forwards clicks, presses (stamped
// first thing in its handler) and the comment box's edits here; the engine runs the series
// (Start, waiting interval, stimulus, response, end of series, Stop) on the shared TestCore,
// writes runs into AppState::Simple, and keeps in `display()` what the window must show.
// presentStimulus() must put the stimulus on the screen before it returns, because the
// stimulus is stamped right after it.

#include "platform/display/Presentation.h"
#include "shared/TestCore.h"

#include <QRgb>

namespace brevane {

struct SimpleTestDisplay : TestDisplay {
    QString lblTriggerLable;
    QRgb panelColor = qRgb(255, 255, 255);
    bool speakerVisible = false;
};

class SimpleTestView : public TestView {
public:
    virtual void presentStimulus() = 0; // render, painted and on screen on return
    // When the last presentStimulus() reached the screen, where the window can tell.
    virtual Presentation presentation() const { return {}; }
};

class SimpleEngine final : public TestEngine {
public:
    SimpleEngine(AppState& state, const Platform& platform, SimpleTestView& view,
                 std::function<void()> writeRecoveryFile);

    void initialise() override;
    void start() override;
    void stop() override;
    void press(const PressStamp& press) override;
    void nextSet() override;
    void previousSet() override;
    void clearSet() override;
    void commentEdited(const QString& text) override;
    void storeComment() override;
    void optionsClosed() override; // runs per set and stimulus kind may have changed
    void resultsClosed() override;
    const TestDisplay& commands() const override { return d_; }
    StampTrace stimulusTrace() const override { return stimulus_.trace; }
    ToneSource stimulusToneSource() const override { return stimulus_.tone; }
    std::int64_t stimulusToneLagNs() const override { return stimulus_.toneLagNs; }

    const SimpleTestDisplay& display() const { return d_; }
    bool armed() const { return StimulusArmed_; }
    int pendingInterval() const { return core_.interval(); }

private:
    void stimulus();
    void recordResponse(const PressStamp& press);
    int drawInterval();
    void prepareInterval(bool reseed);
    void readSettings();
    void readTriggerKind();
    bool toneCanSound();

    AppState& s_;
    const Platform& p_;
    SimpleTestView& view_;
    SimpleTestDisplay d_;
    TestCore core_;
    SimpleConfigBlock cfg_; // the simple block, usable

    std::int64_t StimulusTime_ = 0; // ns
    StimulusStamp stimulus_;        // what the trace records of StimulusTime_
    bool StimulusArmed_ = false;
    int NextInterval_ = 0;
    TriggerKind TriggerType_ = VisualTrigger;
    bool missingToneTold_ = false;
};

} // namespace brevane
