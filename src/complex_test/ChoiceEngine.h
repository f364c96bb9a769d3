#pragma once
// The choice reaction test without its window, for both the colour and the number test.
// Elements appear one after another in the display box, some with a tone; one combination of
// element and sound is the trigger. A press while the trigger is shown is a correct hit (its
// time is stored), a press on another element an incorrect hit; an element left alone until
// its display time runs out is a correct miss, or a missed hit (1.000 s stored) when it was
// the trigger. A series ends with the trigger whose number is the series length.
//
// The windows forward clicks, presses (stamped first thing in their handler) and comment edits
// here and copy `display()` onto their controls. They differ only in how an element value is
// shown (a colour number painted, or a number written) and in which store and configuration
// block they use, which ChoiceTest selects.

#include "platform/Platform.h"
#include "platform/Presentation.h"
#include "shared/AppState.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace reflex {

enum class ChoiceTest { Color, Number };

struct ChoiceTestDisplay {
    QString lblVersion;
    QString lblTimeNumber = QStringLiteral(" 0.000");
    QString lblPreviousTimeNumber = QStringLiteral("  0.000");
    QString lblDifferenceNumber = QStringLiteral("  0.000");
    QString lblAverageTimeNumber = QStringLiteral("  0.000");
    QString lblRunCountNumber = QStringLiteral("   00");
    QString lblCorrectHits = QStringLiteral("00");
    QString lblInCorrectHits = QStringLiteral("00");
    QString lblCorrectMisses = QStringLiteral("00");
    QString lblMissedHits = QStringLiteral("00");
    QString txtSetIndicator = QStringLiteral("01");
    QString txtSetComment;
    bool txtSetIndicatorEnabled = true;
    bool txtSetCommentEnabled = true;

    // The element value in the display box (a colour number or a number); none when blank.
    std::optional<qint16> element;
    // The "Trigger On" box: the trigger element's value and whether it comes with the tone.
    qint16 triggerElement = 0;
    bool triggerWithSound = false;

    bool cmdStart = true;
    bool cmdStop = false;
    bool cmdDisplay = true;
    bool cmdPreviousSet = false;
    bool cmdNextSet = true;
    bool CmdClearSet = false;
    bool cmdConfigure = true;
    bool cmdExit = true;
};

class ChoiceTestView {
public:
    virtual ~ChoiceTestView() = default;
    virtual void render() = 0;
    // Renders and returns once the display box is painted and on the screen, with when its
    // pixels were handed over (unknown where the platform cannot tell): an element is stamped
    // from it, and so is the blank that ends it.
    virtual Presentation presentElement() = 0;
    virtual QPoint leftTargetCentre() const = 0; // screen pixels of the left target's centre
};

class ChoiceEngine {
public:
    ChoiceEngine(ChoiceTest test, AppState& state, const Platform& platform, RandomSource& random,
                 ChoiceTestView& view, std::function<void()> writeRecoveryFile);
    ~ChoiceEngine();

    // The window's load handler: runs at start-up and whenever the menu opens the test.
    void initialise();
    void start();
    void stop();
    // A mouse press on the free window surface, stamped on the platform clock.
    void press(std::int64_t stampNs);

    void nextSet();
    void previousSet();
    void clearSet();
    void commentEdited(const QString& text); // the box's text; the store takes it when told
    void storeComment();
    void optionsClosed(); // series length, trigger and its sound may have changed
    void resultsClosed(); // the results window may have edited the set's comment

    const ChoiceTestDisplay& display() const { return d_; }
    bool elementShown() const { return ElementShown; }
    bool triggerShown() const { return TriggerShown; }
    bool elementSound() const { return ElementSound; }
    bool running() const { return d_.cmdStop; }
    // Half the window the shown element's stamp lies in; -1 when not known (for the trace).
    std::int64_t stimulusUncertaintyNs() const { return stimulusUncertaintyNs_; }

    // Called with the unrounded stamps of every correct hit (benchmarks read them).
    std::function<void(std::int64_t stimulusNs, std::int64_t pressNs)> onResponseMeasured;

    static QString formatSeconds(float seconds); // "0.000"
    static QString formatCount(int n);           // "00"
    static QString withSignPosition(int n);      // " 2", "-2"

private:
    const ChoiceConfigBlock& configBlock() const;
    ChoiceStore& store() const;
    qint16& runsPerSet() const;
    ChoiceConfigBlock usableSettings() const;

    void elementDue();
    void displayTimeOver();
    void drawElement();
    void showElement();
    std::int64_t blankDisplay();
    void storeTime(float seconds);
    void endSeriesAfterHit();
    int drawInterval(bool compareUnrounded);
    int nextInterval(bool compareUnrounded);
    void armInterval(std::int64_t fromNs);
    void readRunsPerSet();
    void readTrigger();
    void setIdleLayout(bool idle);
    void showCounts();
    void resetReadouts();
    void clearCurrentSet(const QString& comment);

    // How long putting the display box on screen takes: the median of the last few times, so
    // that one held up by a busy system does not bring the next change early.
    struct PresentLead {
        void note(std::int64_t ns);
        std::int64_t ns = 0;
        std::array<std::int64_t, 5> recent{};
        int count = 0;
    };

    const ChoiceTest test_;
    AppState& s_;
    const Platform& p_;
    RandomSource& random_;
    ChoiceTestView& view_;
    std::function<void()> writeRecoveryFile_;
    std::unique_ptr<Timer> tmrIntervalTime;
    std::unique_ptr<Timer> tmrDisplayTime;
    ChoiceTestDisplay d_;
    ChoiceConfigBlock cfg_; // the settings of the running series, brought into range

    bool TriggerShown = false;
    bool ElementShown = false;
    bool EndAfterResponse = false;
    std::int64_t StimulusTime = 0; // ns
    std::int64_t stimulusUncertaintyNs_ = -1;
    std::int64_t ResponseTime = 0; // ns
    float LastTime = 0;
    float RunAverage = 0;
    int RunsLeft = 0;
    int ElementIndex = 0;
    bool ElementSound = false;
    int NextInterval = 0;

    int intervalMs_ = 0;                // the interval before the next element
    std::int64_t elementDueNs_ = 0;     // when that element is due on the screen
    std::int64_t blankDueNs_ = 0;       // when the element on display is due to go
    PresentLead showLead_;
    PresentLead blankLead_;
};

} // namespace reflex
