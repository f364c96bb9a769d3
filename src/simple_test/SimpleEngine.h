#pragma once
// The simple reaction test without its window. frmReflex forwards clicks, presses (stamped
// first thing in its handler) and the comment box's edits here; the engine runs the series
// (Start, waiting interval, stimulus, response, end of series, Stop) and the set commands,
// writes runs into AppState::Simple, and keeps in `display()` what the window must show.
// The window copies that onto its controls in render(); presentStimulus() must also put the
// stimulus on the screen before it returns, because the stimulus is stamped right after it.

#include "shared/AppState.h"
#include "platform/Platform.h"
#include "platform/Presentation.h"

#include <QRgb>
#include <QString>
#include <array>
#include <functional>
#include <memory>

namespace reflex {

struct SimpleTestDisplay {
    QString lblVersion;
    QString lblTriggerLable;
    QString lblTimeNumber = QStringLiteral(" 0.000");
    QString lblPreviousTimeNumber = QStringLiteral(" 0.000");
    QString lblDifferenceNumber = QStringLiteral(" 0.000");
    QString lblAverageTimeNumber = QStringLiteral(" 0.000");
    QString lblRunCountNumber = QStringLiteral("   00");
    QString txtSetIndicator = QStringLiteral("01");
    QString txtSetComment;
    QRgb panelColor = qRgb(255, 255, 255);
    bool speakerVisible = false;
    // commands
    bool cmdStart = true;
    bool cmdStop = false;
    bool cmdConfigure = true;
    bool CmdClearSet = true;
    bool cmdNextSet = true;
    bool cmdPreviousSet = true;
    bool cmdDisplay = true;
    bool cmdExit = true;
    bool txtSetIndicatorEnabled = true;
};

class SimpleTestView {
public:
    virtual ~SimpleTestView() = default;
    virtual void render() = 0;
    virtual void presentStimulus() = 0;         // render, painted and on screen on return
    // When the last presentStimulus() reached the screen, where the window can tell.
    virtual Presentation presentation() const { return {}; }
    virtual QPoint leftTargetCentre() const = 0; // screen pixels of the left circle's centre
};

class SimpleEngine {
public:
    SimpleEngine(AppState& state, const Platform& platform, SimpleTestView& view,
                 std::function<void()> writeRecoveryFile);
    ~SimpleEngine();

    // The window's initialisation; runs at start-up and whenever the menu opens the test.
    void initialise();
    void start();
    void stop();
    // A mouse press on the free window surface, stamped on the platform clock.
    void press(std::int64_t stampNs);

    void nextSet();
    void previousSet();
    void clearSet();
    void commentEdited(const QString& text);
    void storeComment(); // before Display and Done
    void optionsClosed(); // runs per set and stimulus kind may have changed
    void resultsClosed(); // the results window may have edited the set's comment

    const SimpleTestDisplay& display() const { return d_; }
    bool armed() const { return StimulusArmed; }
    std::int64_t stimulusUncertaintyNs() const { return stimulusUncertaintyNs_; } // for the trace
    int pendingInterval() const;

    // Called with the unrounded stamps of every measured response (benchmarks read them).
    std::function<void(std::int64_t stimulusNs, std::int64_t pressNs)> onResponseMeasured;

    static QString formatSeconds(float seconds); // "0.000"
    static QString formatCount(int n);           // "00"

private:
    void stimulus();
    void recordResponse(std::int64_t stampNs);
    void endSeries();
    int drawInterval();
    int nextIntervalMs();
    void prepareInterval(bool reseed);
    void notePresentation(std::int64_t ns);
    void clearStoredSet(const QString& comment);
    void armInterval(std::int64_t fromNs);
    void readRunsPerSet();
    void readTriggerKind();
    void setCommandsEnabled(bool idle);
    void resetReadouts();

    AppState& s_;
    const Platform& p_;
    SimpleTestView& view_;
    std::function<void()> writeRecoveryFile_;
    std::unique_ptr<Timer> tmrIntervalTime;
    SimpleTestDisplay d_;

    std::int64_t StimulusTime = 0; // ns
    std::int64_t stimulusUncertaintyNs_ = -1; // half the window the stamp lies in; -1: not known
    bool StimulusArmed = false;
    float LastTime = 0;
    float RunAverage = 0;
    int RunsLeft = 0;
    bool EndAfterResponse = false;
    int NextInterval = 0;
    int intervalMs_ = 0;             // the interval prepared for the next stimulus
    std::int64_t deadlineNs_ = 0;    // when that stimulus is due on the screen
    std::int64_t presentLeadNs_ = 0; // how long putting a stimulus on screen takes
    std::array<std::int64_t, 5> recentPresentNs_{}; // the last few presentations, for the lead
    int presentCount_ = 0;
    TriggerKind TriggerType = VisualTrigger;
};

} // namespace reflex
