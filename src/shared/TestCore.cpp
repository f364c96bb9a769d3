#include "shared/TestCore.h"
#include "shared/Formats.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace brevane {

namespace {

QString zeroReadout()
{
    return QStringLiteral("  ") + formatSeconds(0);
}

QString zeroTime()
{
    return QLatin1Char(' ') + formatSeconds(0);
}
constexpr std::int64_t kEarlyWakeNs = 2'000'000;

QString runCount(int runs)
{
    return QStringLiteral("   ") + formatCount(runs);
}

} // namespace

StimulusStamp stampStimulus(const Presentation* shown, const ToneStamp* tone, std::int64_t handedOverNs)
{
    const std::int64_t picture = !shown ? 0 : shown->known() ? shown->stampNs() : handedOverNs;
    if (!tone)
        return shown && shown->known() ? StimulusStamp{picture, shown->trace(), ToneSource::None, 0, picture}
                                       : StimulusStamp{handedOverNs, StampTrace{}, ToneSource::None, 0, picture};
    if (!tone->known())
        return {handedOverNs, StampTrace{}, ToneSource::None, 0, picture};
    if (!shown)
        return {tone->ns, StampTrace{}, tone->source, 0, 0};
    StampTrace trace = shown->trace();
    trace.uncertaintyNs = -1; // the earlier of two stamps: no one window
    return {std::min(picture, tone->ns), trace, tone->source, tone->ns - picture, picture};
}

void PresentLead::note(std::int64_t took)
{
    recent[count++ % recent.size()] = took;
    const std::size_t n = std::min<std::size_t>(count, recent.size());
    auto sorted = recent;
    std::nth_element(sorted.begin(), sorted.begin() + n / 2, sorted.begin() + n);
    ns = std::clamp<std::int64_t>(sorted[n / 2], 0, kMaxNs);
}

void RefreshGrid::note(std::int64_t presentingNs, const Presentation& shown)
{
    if (!shown.isExact() || shown.msc == 0)
        return;
    // A period outside 4..50 ms (250 to 20 Hz) is a counter that is not a refresh's.
    if (msc != 0 && shown.msc > msc) {
        const std::int64_t period = (shown.presentedNs - refreshNs) / std::int64_t(shown.msc - msc);
        periodNs = period >= 4'000'000 && period <= 50'000'000 ? period : 0;
    }
    if (shown.handedNs != 0) {
        const std::int64_t waited = shown.presentedNs - shown.handedNs;
        slackUpToNs = std::min(slackUpToNs, waited);
        if (periodNs != 0 && waited > periodNs)
            slackAboveNs = std::max(slackAboveNs, waited - periodNs);
    }
    refreshNs = shown.presentedNs;
    msc = shown.msc;
    scanOutNs = shown.scanOutNs;
    handOver.note(shown.handedNs - presentingNs);
}

RefreshGrid::Aim RefreshGrid::aim(std::int64_t plannedNs, std::int64_t nowNs, std::int64_t toneLeadNs) const
{
    if (periodNs == 0)
        return {};
    // The middle of the bracket, but no more than a quarter period above its lower end: the first
    // waits, at any phase, bound the slack loosely from above, and a slack is short beside a
    // period; a jittery clock may cross the bracket's ends, the guess stays within it.
    const std::int64_t slack =
        slackUpToNs == kNoSlackSeen ? 0 : slackAboveNs + std::min((slackUpToNs - slackAboveNs) / 2, periodNs / 4);
    const std::int64_t toDeadline = handOver.ns + slack; // from beginning to the last moment for a refresh
    const std::int64_t earliest =
        std::max({plannedNs + toDeadline, nowNs + toDeadline + periodNs / 2, nowNs + toneLeadNs - scanOutNs});
    const std::int64_t frames = earliest <= refreshNs ? 1 : (earliest - refreshNs + periodNs - 1) / periodNs;
    const std::int64_t refresh = refreshNs + frames * periodNs;
    return {refresh - periodNs / 2 - toDeadline, refresh + scanOutNs};
}

void armUntil(Timer& timer, const Clock& clock, std::int64_t dueNs, std::int64_t leadNs)
{
    const std::int64_t wakeInNs = dueNs - leadNs - kEarlyWakeNs - clock.nowNs();
    timer.setInterval(int(std::max<std::int64_t>(1, wakeInNs / 1'000'000)));
    timer.setEnabled(true);
}

TestCore::TestCore(AppState& state, const Platform& platform, StoreHalf half, qint16& runsPerSet, TestDisplay& display,
                   TestView& view, std::function<void()> writeRecoveryFile, bool nextRefreshesAtLastSet)
    : s_(state)
    , p_(platform)
    , half_(half)
    , runsPerSet_(runsPerSet)
    , d_(display)
    , view_(view)
    , writeRecoveryFile_(std::move(writeRecoveryFile))
    , nextRefreshesAtLastSet_(nextRefreshesAtLastSet)
    , tmrIntervalTime_(platform.timers.createTimer())
{
}

TestCore::~TestCore() = default;

void TestCore::setRunsPerSet(int runs)
{
    runsPerSet_ = qint16(runs);
    d_.lblRunCountNumber = runCount(runsPerSet_);
}

void TestCore::countRun()
{
    ++s_.CurrentRun;
    if (s_.CurrentRun >= runsPerSet_)
        EndAfterResponse_ = true;
}

void TestCore::setIdle(bool idle)
{
    d_.cmdConfigure = d_.cmdStart = d_.CmdClearSet = d_.cmdDisplay = d_.cmdExit = idle;
    d_.cmdNextSet = d_.cmdPreviousSet = idle;
    d_.cmdStop = !idle;
}

// Runs 1..10 with the statistics and counts of the current set; runs 11..20 stay until
// overwritten.
void TestCore::clearStoredSet(const QString& comment)
{
    const int set = s_.CurrentSet;
    clearSetRuns(half_.sets, set);
    if (half_.counts)
        clearSetCounts(*half_.counts, set);
    half_.sets.SetComment[set - 1] = comment;
}

bool TestCore::beginSeries()
{
    const Message question{
        QCoreApplication::translate("TestCore", "Over write Data in Set %1 ?").arg(withSignPosition(s_.CurrentSet)),
        QCoreApplication::translate("TestCore", "Start Reflex Data Collection"), MsgButtons::YesNo, MsgIcon::Critical,
        true};
    if (p_.prompt.ask(question) != MsgAnswer::Yes)
        return false;
    p_.pointer.moveTo(view_.leftTargetCentre());
    s_.dataNotSaved(half_.sets) = true;
    EndAfterResponse_ = false;
    LastTime_ = 0;
    RunsLeft_ = runsPerSet_;
    d_.lblAverageTimeNumber = d_.lblDifferenceNumber = d_.lblPreviousTimeNumber = zeroReadout();
    d_.lblRunCountNumber = runCount(RunsLeft_);
    d_.lblTimeNumber = zeroTime();
    d_.txtSetIndicator = formatCount(s_.CurrentSet);
    clearStoredSet(d_.txtSetComment);
    s_.CurrentRun = 0;
    setIdle(false);
    d_.txtSetIndicatorEnabled = false;
    return true;
}

void TestCore::storeTime(float seconds)
{
    SetData& data = half_.sets;
    const int set = s_.CurrentSet;
    const int run = s_.CurrentRun;
    LastTime_ = seconds;
    data.Times[set][run] = LastTime_;
    d_.lblTimeNumber = QLatin1Char(' ') + formatSeconds(LastTime_);
    if (run == 1) {
        d_.lblPreviousTimeNumber = zeroReadout();
        d_.lblDifferenceNumber = QStringLiteral("  ") + formatSeconds(LastTime_);
    } else {
        const float previous = data.Times[set][run - 1];
        d_.lblPreviousTimeNumber = QStringLiteral("  ") + formatSeconds(previous);
        d_.lblDifferenceNumber = QStringLiteral("  ") + formatSeconds(std::fabs(previous - LastTime_));
    }
    float sum = 0;
    for (int r = 1; r <= run; ++r)
        sum += data.Times[set][r];
    LastTime_ = sum;
    RunAverage_ = sum / float(run);
    data.SetAverage[set] = RunAverage_;
    d_.lblAverageTimeNumber = QStringLiteral("   ") + formatSeconds(RunAverage_);
    --RunsLeft_;
    d_.lblRunCountNumber = runCount(RunsLeft_);
}

void TestCore::finishSeries()
{
    storeComment();
    endSeries();
    p_.prompt.ask({QCoreApplication::translate("TestCore", "Your run has ended"),
                   QCoreApplication::translate("TestCore", "END RUN")});
    setIdle(true);
    view_.render();
}

// The comment box was disabled since Start stored it, so it is not stored again.
void TestCore::finishSeriesQuietly()
{
    setIdle(true);
    endSeries();
}

// The series goes to recover.dat before the beep and any message: a crash while the message waits
// for the student, or right after the beep, must not take the series with it.
void TestCore::endSeries()
{
    d_.lblRunCountNumber = QStringLiteral("   0");
    tmrIntervalTime_->setEnabled(false);
    view_.render();
    if (writeRecoveryFile_)
        writeRecoveryFile_();
    p_.beeper.beep();
}

void TestCore::stopSeries()
{
    storeComment();
    EndAfterResponse_ = true;
    tmrIntervalTime_->setEnabled(false);
    LastTime_ = 0;
    setIdle(true);
}

void TestCore::resetReadouts()
{
    d_.txtSetIndicator = formatCount(s_.CurrentSet);
    d_.lblAverageTimeNumber = QStringLiteral("  ") + formatSeconds(half_.sets.SetAverage[s_.CurrentSet]);
    d_.lblDifferenceNumber = d_.lblPreviousTimeNumber = zeroReadout();
    d_.lblRunCountNumber = runCount(RunsLeft_);
    d_.lblTimeNumber = zeroTime();
}

void TestCore::nextSet()
{
    storeComment();
    if (s_.CurrentSet < s_.SetCount) {
        ++s_.CurrentSet;
        d_.txtSetComment = half_.sets.SetComment[s_.CurrentSet - 1];
    } else {
        d_.cmdNextSet = false;
        if (!nextRefreshesAtLastSet_)
            return; // the readouts keep what they show
    }
    if (s_.CurrentSet > 1)
        d_.cmdPreviousSet = true;
    resetReadouts();
}

void TestCore::previousSet()
{
    storeComment();
    if (s_.CurrentSet > 1) {
        --s_.CurrentSet;
        d_.txtSetComment = half_.sets.SetComment[s_.CurrentSet - 1];
    } else {
        d_.cmdPreviousSet = false;
    }
    d_.cmdNextSet = true; // below the last set now, or on set 1 where it never went off
    resetReadouts();
}

void TestCore::clearSet()
{
    clearStoredSet(QStringLiteral(" "));
    d_.txtSetComment = QStringLiteral(" ");
    d_.lblAverageTimeNumber = d_.lblDifferenceNumber = d_.lblPreviousTimeNumber = zeroReadout();
    d_.lblRunCountNumber = runCount(RunsLeft_);
    d_.lblTimeNumber = zeroTime();
}

void TestCore::storeComment()
{
    half_.sets.SetComment[s_.CurrentSet - 1] = d_.txtSetComment;
}

void TestCore::armInterval(std::int64_t fromNs)
{
    stimulusDueNs_ = fromNs + std::int64_t(intervalMs_) * 1'000'000;
    armUntil(*tmrIntervalTime_, p_.clock, stimulusDueNs_, presentLead_.ns + (toneWithPicture_ ? toneLeadNs() : 0));
}

std::int64_t TestCore::toneLeadNs() const
{
    // The window waits that long for its stimulus: a stream filled further ahead (a sound server
    // set to a long quantum) would hold it up, so its tone starts late instead, as the trace shows.
    constexpr std::int64_t kMaxNs = 100'000'000;
    return std::min(p_.beeper.toneLeadNs(), kMaxNs);
}

std::int64_t TestCore::beginStimulus(bool tone, bool picture)
{
    std::int64_t presenting = stimulusDueNs_ - presentLead_.ns;
    if (tone && picture) {
        // A sound server's stream plays what it is given a while later (tens of milliseconds
        // through PulseAudio), longer than a picture takes to reach the screen.
        const std::int64_t toneLead = toneLeadNs();
        RefreshGrid::Aim aim = refreshGrid_.aim(presenting, p_.clock.nowNs(), toneLead);
        if (aim.shownNs == 0)
            aim = {presenting, presenting + presentLead_.ns};
        p_.clock.waitUntil(std::min(aim.beginNs, aim.shownNs - toneLead));
        p_.beeper.startTone(aim.shownNs);
        presenting = aim.beginNs;
    }
    p_.clock.waitUntil(presenting);
    const std::int64_t begun = p_.clock.nowNs();
    if (tone && !picture)
        p_.beeper.startTone(0);
    return begun;
}

StimulusStamp TestCore::showStimulus(bool tone, const std::function<Presentation()>& picture)
{
    const std::int64_t presenting = beginStimulus(tone, bool(picture));
    Presentation shown;
    if (picture)
        shown = picture();
    ToneStamp toneStamp;
    if (tone)
        toneStamp = p_.beeper.startedTone();
    const StimulusStamp stamp =
        stampStimulus(picture ? &shown : nullptr, tone ? &toneStamp : nullptr, p_.clock.nowNs());
    notePresentation(presenting, picture ? stamp.pictureNs : stamp.ns);
    if (picture)
        noteFrame(presenting, shown);
    return stamp;
}

} // namespace brevane
