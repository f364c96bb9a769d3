#pragma once
// What the simple and the choice test engines share; each engine holds one TestCore and keeps
// only what is its own (the stimulus, the scoring, its extra readouts). Data flows like this:
// the window forwards its commands and presses to the engine (TestEngine); the engine's timers
// and presses end up in the core, which writes times into the test's half of the store and the
// readout texts and command states into the display state, which the window copies onto its
// controls.

#include "platform/Platform.h"
#include "platform/display/Presentation.h"
#include "platform/input/PressStampMatcher.h"
#include "shared/AppState.h"
#include "shared/Formats.h"

#include <QPoint>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

namespace brevane {

// The readouts and commands every test window shows.
struct TestDisplay {
    QString lblVersion;
    QString lblTimeNumber = QLatin1Char(' ') + formatSeconds(0);
    QString lblPreviousTimeNumber = lblTimeNumber;
    QString lblDifferenceNumber = lblTimeNumber;
    QString lblAverageTimeNumber = lblTimeNumber;
    QString lblRunCountNumber = QStringLiteral("   00");
    QString txtSetIndicator = QStringLiteral("01");
    QString txtSetComment;
    bool txtSetIndicatorEnabled = true;
    bool cmdStart = true;
    bool cmdStop = false;
    bool cmdConfigure = true;
    bool CmdClearSet = true;
    bool cmdNextSet = true;
    bool cmdPreviousSet = true;
    bool cmdDisplay = true;
    bool cmdExit = true;
};

class TestView {
public:
    virtual ~TestView() = default;
    virtual void render() = 0;
    virtual QPoint leftTargetCentre() const = 0; // screen pixels of the left target's centre
};

// What a test window and its module ask of an engine.
class TestEngine {
public:
    virtual ~TestEngine() = default;
    // The window's load handler: runs at start-up and whenever the menu opens the test.
    virtual void initialise() = 0;
    virtual void start() = 0;
    virtual void stop() = 0;
    // A mouse press on the free window surface, stamped on the platform clock, with what the
    // stamp was taken from.
    virtual void press(const PressStamp& press) = 0;
    virtual void nextSet() = 0;
    virtual void previousSet() = 0;
    virtual void clearSet() = 0;
    virtual void commentEdited(const QString& text) = 0;
    virtual void storeComment() = 0;  // before Display and Done
    virtual void optionsClosed() = 0; // the settings may have changed
    virtual void resultsClosed() = 0; // the results window may have edited the set's comment
    virtual const TestDisplay& commands() const = 0;
    // What the trace records of the last stimulus stamp: its picture's source and uncertainty,
    // and what its tone was stamped from (None without a tone).
    virtual StampTrace stimulusTrace() const = 0;
    virtual ToneSource stimulusToneSource() const = 0;
    virtual std::int64_t stimulusToneLagNs() const = 0; // StimulusStamp::toneLagNs

    // Called with the unrounded stamps of every measured response (benchmarks read them).
    std::function<void(std::int64_t stimulusNs, const PressStamp& press)> onResponseMeasured;
};

// The stamp of a stimulus with what the trace records of it. A picture alone counts from when it
// reached the screen, where the window can tell (its trace: the frame through Present, or the
// hand-over and half the window it lies in); a tone from its first sample, where the device can
// tell. A picture with a tone counts from the earlier of the two onsets, the first thing the
// student could react to (no window then), and the trace keeps the tone's first sample less the
// picture's onset. What cannot be told counts from `handedOverNs`, taken once everything had
// been handed over. No picture, or no tone: nullptr.
struct StimulusStamp {
    std::int64_t ns = 0;
    StampTrace trace;
    ToneSource tone = ToneSource::None;
    std::int64_t toneLagNs = 0;
    std::int64_t pictureNs = 0; // the picture's own onset (0: no picture), which paces the next
};
StimulusStamp stampStimulus(const Presentation* shown, const ToneStamp* tone, std::int64_t handedOverNs);
// How long putting something on the screen takes: the median of the last few times, so that
// one held up by a busy system does not bring the next change early. A display that shows a
// frame at its next refresh (X Present) takes up to two frames; more is a system held up.
struct PresentLead {
    static constexpr std::int64_t kMaxNs = 40'000'000;
    void note(std::int64_t took);
    std::int64_t ns = 0;
    std::array<std::int64_t, 5> recent{};
    int count = 0;
};

// The display's refreshes as the pictures with exact stamps showed them, so that a tone meant to
// start with a picture is aimed at the refresh the picture will reach, not at the median wait for
// one, which misses by up to half a frame either way. The grid runs through the last exact frame,
// its period from the frame counter. A picture handed over at t is shown at the first refresh at
// least a slack after t (the server must have it before the refresh); the slack is bracketed by
// what the frames showed: no more than any wait seen, more than the wait less a period of a frame
// that missed the refresh before its own.
struct RefreshGrid {
    void note(std::int64_t presentingNs, const Presentation& shown);
    // A picture with a tone, to be begun at `plannedNs`: the refresh it is to reach (the one it
    // would reach begun then, or the first that leaves time enough from `nowNs`, for the tone
    // `toneLeadNs` ahead too) and when to begin it so that it reaches that refresh with half a
    // period to spare either way, rather than on the edge of the one before or after.
    struct Aim {
        std::int64_t beginNs = 0;
        std::int64_t shownNs = 0; // its line on the screen; 0 while no grid is known
    };
    Aim aim(std::int64_t plannedNs, std::int64_t nowNs, std::int64_t toneLeadNs) const;
    std::int64_t refreshNs = 0; // the start of the last exact frame's refresh
    std::uint64_t msc = 0;
    std::int64_t periodNs = 0;
    std::int64_t scanOutNs = 0;
    PresentLead handOver;                    // from beginning to present to handing the pixels over
    std::int64_t slackAboveNs = 0;           // a frame missed a refresh this far after its hand-over
    std::int64_t slackUpToNs = kNoSlackSeen; // a frame made a refresh this far after its hand-over
    static constexpr std::int64_t kNoSlackSeen = 1'000'000'000;
};

// Arms `timer` to wake a little before `dueNs` less `leadNs`; the handler waits out the rest on
// the clock, so neither the timer's millisecond grain nor its wake-up shows in an interval.
void armUntil(Timer& timer, const Clock& clock, std::int64_t dueNs, std::int64_t leadNs);

class TestCore {
public:
    // `nextRefreshesAtLastSet`: Next Set pressed on set 10 refreshes the readouts too (the
    // choice tests) or leaves them as they are (the simple test).
    TestCore(AppState& state, const Platform& platform, StoreHalf half, qint16& runsPerSet, TestDisplay& display,
             TestView& view, std::function<void()> writeRecoveryFile, bool nextRefreshesAtLastSet);
    ~TestCore();

    // Start: the question, then the pointer on the left target, the set cleared (keeping the
    // comment box's text), the readouts zeroed and the commands of a running series. False
    // when the student answered No.
    bool beginSeries();
    // The end of a series after its last response: recover.dat written, then the message; the
    // commands of an idle window again.
    void finishSeries();
    // The end of a series on a missed last trigger: recover.dat written, a beep and no message.
    void finishSeriesQuietly();
    // Stop: the comment kept, the interval timer off, the commands of an idle window.
    void stopSeries();
    void setIdle(bool idle);

    // A response time in seconds into the current run, with its readouts and the running
    // average.
    void storeTime(float seconds);

    void nextSet();
    void previousSet();
    // Clear Set: the current set emptied with its counts, its comment one blank.
    void clearSet();
    void storeComment();
    void resetReadouts();
    // The runs of a series, from a usable() configuration block.
    void setRunsPerSet(int runs);

    // A stimulus that counts as a run was shown: the next run, the last when the count is
    // reached, so the series ends after its response.
    void countRun();
    bool endsAfterResponse() const { return EndAfterResponse_; }

    // The interval before the next stimulus, drawn when the engine's rules say.
    void setInterval(int ms) { intervalMs_ = ms; }
    int interval() const { return intervalMs_; }
    // The interval counts from `fromNs` to the next stimulus being on the screen; the timer
    // wakes ahead of it, and showStimulus() waits out the rest less the presentation lead.
    void armInterval(std::int64_t fromNs);
    // The stimuli may put up a picture with a tone: the timer then wakes sooner by as much as the
    // sound route holds a tone ahead, so that the tone can be started with its picture.
    void setToneWithPicture(bool on) { toneWithPicture_ = on; }
    // Puts up a stimulus, stamped: begins it (beginStimulus), puts its picture on the screen
    // through `picture` (none: a tone alone), takes its tone's stamp, stamps the two
    // (stampStimulus) and lets the presentation lead and the refresh grid learn from it.
    StimulusStamp showStimulus(bool tone, const std::function<Presentation()>& picture);

    Timer& intervalTimer() { return *tmrIntervalTime_; }
    const SetData& sets() const { return half_.sets; }

private:
    // Waits until the stimulus is to be put up and returns when it is begun, starting its tone on
    // the way: a tone alone at once (the presentation lead has learnt how long it takes); a tone
    // with a picture first, as far ahead as the sound route needs, aimed at the refresh the
    // picture is put on (until the display has shown its grid, the presentation lead after it).
    std::int64_t beginStimulus(bool tone, bool picture);
    // Putting a stimulus on the screen began at `presentingNs` and was stamped at `stampNs`: the
    // presentation lead, by which the stimulus is begun ahead of its due time.
    void notePresentation(std::int64_t presentingNs, std::int64_t stampNs)
    {
        presentLead_.note(stampNs - presentingNs);
    }
    // A picture's frame, for the refresh grid.
    void noteFrame(std::int64_t presentingNs, const Presentation& shown) { refreshGrid_.note(presentingNs, shown); }
    void clearStoredSet(const QString& comment);
    std::int64_t toneLeadNs() const;
    void endSeries();

    AppState& s_;
    const Platform& p_;
    StoreHalf half_;
    qint16& runsPerSet_;
    TestDisplay& d_;
    TestView& view_;
    std::function<void()> writeRecoveryFile_;
    bool nextRefreshesAtLastSet_;
    std::unique_ptr<Timer> tmrIntervalTime_;
    std::int64_t stimulusDueNs_ = 0;

    // The series' state, under the names the windows were designed with.
    float LastTime_ = 0; // the time just stored, then the running sum
    float RunAverage_ = 0;
    int RunsLeft_ = 0;
    bool EndAfterResponse_ = false;
    int intervalMs_ = 0; // the interval before the next stimulus
    bool toneWithPicture_ = false;
    PresentLead presentLead_; // how long putting a stimulus on the screen takes
    RefreshGrid refreshGrid_; // where the display's refreshes fall
};

} // namespace brevane
