#pragma once
// The choice reaction test without its window, for both the colour and the number test.
// Elements appear one after another in the display box, some with a tone; one combination of
// element and sound is the trigger. A press while the trigger is shown is a correct hit (its
// time is stored), a press on another element an incorrect hit; an element left alone until
// its display time runs out is a correct miss, or a missed hit (1.000 s stored) when it was
// the trigger. A series ends with the trigger whose number is the series length: with the
// message after a hit, with a beep alone after a miss; either way it goes to recover.dat.
//
// The windows forward clicks, presses (stamped first thing in their handler) and comment edits
// here and copy `display()` onto their controls. They differ only in how an element value is
// shown (a colour number painted, or a number written), which ChoiceStyle names; which store,
// runs per set and configuration block a test uses its entry in shared/TestList.h says.

#include "platform/display/Presentation.h"
#include "shared/TestCore.h"
#include "shared/TestList.h"

#include <optional>

namespace brevane {

// The two designs of a choice test: elements shown as colours, drawing the next interval after
// an element is shown, or as numbers, drawing it before.
enum class ChoiceStyle { Color, Number };

struct ChoiceTestDisplay : TestDisplay {
    ChoiceTestDisplay()
    {
        lblPreviousTimeNumber = lblDifferenceNumber = lblAverageTimeNumber = QStringLiteral("  ") + formatSeconds(0);
        cmdPreviousSet = CmdClearSet = false;
    }
    QString lblCorrectHits = QStringLiteral("00");
    QString lblInCorrectHits = QStringLiteral("00");
    QString lblCorrectMisses = QStringLiteral("00");
    QString lblMissedHits = QStringLiteral("00");
    bool txtSetCommentEnabled = true;

    // The element value in the display box (a colour number or a number); none when blank.
    std::optional<qint16> element;
    // The "Trigger On" box: the trigger element's value and whether it comes with the tone.
    qint16 triggerElement = 0;
    bool triggerWithSound = false;
};

class ChoiceTestView : public TestView {
public:
    // Renders and returns once the display box is painted and on the screen, with when its
    // pixels were handed over (unknown where the platform cannot tell): an element is stamped
    // from it, and so is the blank that ends it.
    virtual Presentation presentElement() = 0;
};

class ChoiceEngine final : public TestEngine {
public:
    ChoiceEngine(ChoiceStyle style, const TestDescriptor& test, AppState& state, const Platform& platform,
                 RandomSource& random, ChoiceTestView& view, std::function<void()> writeRecoveryFile);

    void initialise() override;
    void start() override;
    void stop() override;
    void press(const PressStamp& press) override;
    void nextSet() override;
    void previousSet() override;
    void clearSet() override;
    void commentEdited(const QString& text) override; // the store takes it when told
    void storeComment() override;
    void optionsClosed() override; // series length, trigger and its sound may have changed
    void resultsClosed() override;
    const TestDisplay& commands() const override { return d_; }
    StampTrace stimulusTrace() const override { return stimulus_.trace; }
    ToneSource stimulusToneSource() const override { return stimulus_.tone; }
    std::int64_t stimulusToneLagNs() const override { return stimulus_.toneLagNs; }

    const ChoiceTestDisplay& display() const { return d_; }
    bool triggerShown() const { return TriggerShown_; }
    bool running() const { return d_.cmdStop; }

private:
    const ChoiceConfigBlock& configBlock() const;
    SetData& sets() const { return test_.sets(s_); }
    OutcomeCounts& counts() const { return *test_.counts(s_); }
    ChoiceConfigBlock usableSettings() const;

    void elementDue();
    void displayTimeOver();
    void drawElement();
    void showElement();
    std::int64_t blankDisplay();
    int drawInterval(bool compareUnrounded);
    int nextInterval(bool compareUnrounded);
    void readTrigger();
    void showCounts();

    const ChoiceStyle style_;
    const TestDescriptor& test_;
    AppState& s_;
    const Platform& p_;
    RandomSource& random_;
    ChoiceTestView& view_;
    ChoiceTestDisplay d_;
    TestCore core_; // its interval timer is made before the display timer
    std::unique_ptr<Timer> tmrDisplayTime_;
    ChoiceConfigBlock cfg_; // the settings of the running series, brought into range

    bool TriggerShown_ = false;
    bool ElementShown_ = false;
    std::int64_t StimulusTime_ = 0; // ns
    StimulusStamp stimulus_;        // what the trace records of StimulusTime_
    std::int64_t ResponseTime_ = 0; // ns
    int ElementIndex_ = 0;
    bool ElementSound_ = false;
    int NextInterval_ = 0;
    std::int64_t blankDueNs_ = 0; // when the element on display is due to go
    PresentLead blankLead_;
};

} // namespace brevane
