#include "simple_test/SimpleEngine.h"

#include <algorithm>
#include <cmath>

namespace reflex {

namespace {
const QRgb kWhite = qRgb(255, 255, 255);
const QString kZeroReadout = QStringLiteral("  0.000");
} // namespace

SimpleEngine::SimpleEngine(AppState& state, const Platform& platform, SimpleTestView& view,
                           std::function<void()> writeRecoveryFile)
    : s_(state)
    , p_(platform)
    , view_(view)
    , writeRecoveryFile_(std::move(writeRecoveryFile))
    , tmrIntervalTime(platform.timers.createTimer())
{
    tmrIntervalTime->onTimer = [this] { stimulus(); };
}

SimpleEngine::~SimpleEngine() = default;

QString SimpleEngine::formatSeconds(float seconds)
{
    return QString::number(double(seconds), 'f', 3);
}

QString SimpleEngine::formatCount(int n)
{
    return n < 0 ? QStringLiteral("-%1").arg(-n, 2, 10, QLatin1Char('0'))
                 : QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

int SimpleEngine::pendingInterval() const
{
    return intervalMs_;
}

void SimpleEngine::initialise()
{
    d_.lblVersion = p_.version.compact();
    p_.pointer.setBusy(false);
    d_.speakerVisible = s_.ShowSpeaker;
    readRunsPerSet();
    StimulusArmed = false;
    d_.panelColor = kWhite;
    LastTime = 0;
    s_.CurrentSet = 1;
    readTriggerKind();
    d_.cmdDisplay = true;
    d_.cmdStop = false;
    d_.txtSetIndicator = QString::number(s_.CurrentSet);
    d_.txtSetComment = s_.Simple.SetComment[s_.CurrentSet - 1];
    view_.render();
}

// Series end only when the run counter reaches the runs per set, and the store holds 20
// runs, so a count from a hand-edited file is brought into 1..20 here.
void SimpleEngine::readRunsPerSet()
{
    s_.SimpleRunsPerSet = std::clamp<qint16>(s_.Config.Normal.RunCount, 1, kMaxRuns);
    d_.lblRunCountNumber = QStringLiteral("   ") + formatCount(s_.SimpleRunsPerSet);
}

void SimpleEngine::readTriggerKind()
{
    switch (s_.Config.Normal.TriggerOn) {
    case AudioTrigger:
        TriggerType = AudioTrigger;
        d_.lblTriggerLable = QStringLiteral("            Audio Trigger");
        s_.ShowSpeaker = true;
        d_.speakerVisible = true;
        break;
    case VisualTrigger:
        TriggerType = VisualTrigger;
        d_.lblTriggerLable = QStringLiteral("           Visual Trigger");
        s_.ShowSpeaker = false;
        d_.speakerVisible = false;
        break;
    case AudioVisualTrigger:
        TriggerType = AudioVisualTrigger;
        d_.lblTriggerLable = QStringLiteral("     Audio/Visual Trigger");
        break;
    default:
        break;
    }
}

void SimpleEngine::setCommandsEnabled(bool idle)
{
    d_.cmdConfigure = d_.cmdStart = d_.CmdClearSet = d_.cmdDisplay = d_.cmdExit = idle;
    d_.cmdNextSet = d_.cmdPreviousSet = idle;
    d_.cmdStop = !idle;
}

void SimpleEngine::start()
{
    const Message question{
        QStringLiteral("Over write Data in Set  %1 ?").arg(s_.CurrentSet),
        QStringLiteral("Start Reflex Data Collection"), MsgButtons::YesNo, MsgIcon::Critical, true};
    if (p_.prompt.ask(question) != MsgAnswer::Yes)
        return;

    // A stimulus left out by Stop must not take the first press of the new series.
    StimulusArmed = false;
    p_.pointer.moveTo(view_.leftTargetCentre());
    s_.DataNotSaved.Simple = true;
    EndAfterResponse = false;
    LastTime = 0;
    RunsLeft = s_.SimpleRunsPerSet;

    d_.lblAverageTimeNumber = d_.lblDifferenceNumber = d_.lblPreviousTimeNumber = kZeroReadout;
    d_.lblRunCountNumber = QStringLiteral("   ") + formatCount(RunsLeft);
    d_.lblTimeNumber = QLatin1Char(' ') + formatSeconds(LastTime);
    d_.txtSetIndicator = formatCount(s_.CurrentSet);

    clearStoredSet(d_.txtSetComment);
    s_.CurrentRun = 0;

    // The first interval comes from the generator as it stands; later ones reseed it.
    prepareInterval(false);
    setCommandsEnabled(false);
    d_.txtSetIndicatorEnabled = false;
    view_.render();
    armInterval(p_.clock.nowNs());
}

void SimpleEngine::prepareInterval(bool reseed)
{
    if (s_.Config.Normal.IntervalTiming == 1) {
        intervalMs_ = nextIntervalMs();
        return;
    }
    if (reseed)
        s_.Random.reseedFromTimeOfDay();
    intervalMs_ = drawInterval();
}

// Runs 1..10 and the statistics of the current set; runs 11..20 stay until overwritten.
void SimpleEngine::clearStoredSet(const QString& comment)
{
    clearSetRuns(s_.Simple, s_.CurrentSet);
    s_.Simple.SetComment[s_.CurrentSet - 1] = comment;
}

// The lead is the median of the last few presentations: one held up by a busy system must
// not bring the next stimulus early.
void SimpleEngine::notePresentation(std::int64_t ns)
{
    recentPresentNs_[presentCount_++ % recentPresentNs_.size()] = ns;
    const std::size_t n = std::min<std::size_t>(presentCount_, recentPresentNs_.size());
    auto recent = recentPresentNs_;
    std::nth_element(recent.begin(), recent.begin() + n / 2, recent.begin() + n);
    presentLeadNs_ = std::clamp<std::int64_t>(recent[n / 2], 0, 5'000'000);
}

// The interval counts from `fromNs` (Start, or the press) to the stimulus being on screen.
// The window timer wakes a little early, and stimulus() waits out the rest on the clock less
// the time presenting took last time, so neither the timer's millisecond grain and wake-up
// nor the drawing shows in the interval.
void SimpleEngine::armInterval(std::int64_t fromNs)
{
    constexpr std::int64_t kEarlyWakeNs = 2'000'000;
    deadlineNs_ = fromNs + std::int64_t(intervalMs_) * 1'000'000;
    const std::int64_t wakeInNs = deadlineNs_ - presentLeadNs_ - kEarlyWakeNs - p_.clock.nowNs();
    tmrIntervalTime->setInterval(int(std::max<std::int64_t>(1, wakeInNs / 1'000'000)));
    tmrIntervalTime->setEnabled(true);
}

int SimpleEngine::nextIntervalMs()
{
    // A fixed interval below 1 ms would never fire and the series would never end.
    return std::max<int>(1, s_.Config.Normal.FixedTimeInterval);
}

// Uniform in [minimum, MaxRandomInterval] ms; the minimum is kept inside 1..MaxRandomInterval
// so the draw always ends and never yields an interval that does not fire.
int SimpleEngine::drawInterval()
{
    const int upper = s_.MaxRandomInterval;
    const int minimum = std::clamp<int>(s_.Config.Normal.MinimumTimeInterval, 1, upper);
    do {
        NextInterval = int(std::nearbyint(s_.Random.next() * upper));
    } while (NextInterval < minimum);
    return NextInterval;
}

void SimpleEngine::stimulus()
{
    tmrIntervalTime->setEnabled(false);
    p_.clock.waitUntil(deadlineNs_ - presentLeadNs_);
    const std::int64_t presenting = p_.clock.nowNs();
    // Present first, stamp after: the stamp is taken once the colour is on the screen and
    // the tone has been handed to the sound device, so the stored time is the student's.
    Presentation shown;
    if (TriggerType == VisualTrigger || TriggerType == AudioVisualTrigger) {
        d_.panelColor = s_.NormalTriggerColor;
        view_.presentStimulus();
        shown = view_.presentation();
    }
    if (TriggerType == AudioTrigger || TriggerType == AudioVisualTrigger)
        p_.beeper.beep();
    // A colour alone counts from when it reached the screen, where the window can tell; with
    // a tone, from once the tone has been handed over as well.
    const bool seen = TriggerType == VisualTrigger && shown.known();
    StimulusTime = seen ? shown.stampNs() : p_.clock.nowNs();
    stimulusUncertaintyNs_ = seen ? shown.uncertaintyNs() : -1;
    StimulusArmed = true;
    notePresentation(StimulusTime - presenting);

    ++s_.CurrentRun;
    if (s_.CurrentRun >= s_.SimpleRunsPerSet)
        EndAfterResponse = true;
    prepareInterval(true);
}

void SimpleEngine::press(std::int64_t stampNs)
{
    // A press made while the stimulus was being presented reaches us after the window was
    // armed, but its stamp is earlier than the stimulus stamp: it came before the stimulus,
    // so the run goes on waiting for a real response.
    if (StimulusArmed && stampNs > StimulusTime)
        recordResponse(stampNs);
}

void SimpleEngine::recordResponse(std::int64_t stampNs)
{
    // Milliseconds are rounded only here, where the time is stored.
    const double elapsedMs = double(stampNs - StimulusTime) / 1e6;
    if (onResponseMeasured)
        onResponseMeasured(StimulusTime, stampNs);
    d_.panelColor = kWhite;
    // A stored 0 is an empty run, so a response is never stored below one millisecond.
    LastTime = float(std::max<long long>(1, std::llround(elapsedMs))) / s_.TimeScale;

    const int set = s_.CurrentSet;
    const int run = s_.CurrentRun;
    s_.Simple.Times[set][run] = LastTime;
    d_.lblTimeNumber = QLatin1Char(' ') + formatSeconds(LastTime);
    if (run == 1) {
        d_.lblPreviousTimeNumber = kZeroReadout;
        d_.lblDifferenceNumber = QStringLiteral("  ") + formatSeconds(LastTime);
    } else {
        const float previous = s_.Simple.Times[set][run - 1];
        d_.lblPreviousTimeNumber = QStringLiteral("  ") + formatSeconds(previous);
        d_.lblDifferenceNumber = QStringLiteral("  ") + formatSeconds(std::fabs(previous - LastTime));
    }

    float sum = 0;
    for (int r = 1; r <= run; ++r)
        sum += s_.Simple.Times[set][r];
    LastTime = sum;
    RunAverage = sum / float(run);
    s_.Simple.SetAverage[set] = RunAverage;
    d_.lblAverageTimeNumber = QStringLiteral("   ") + formatSeconds(RunAverage);

    --RunsLeft;
    d_.lblRunCountNumber = QStringLiteral("   ") + formatCount(RunsLeft);

    if (EndAfterResponse) {
        endSeries();
        return;
    }
    view_.render();
    armInterval(stampNs);
    StimulusArmed = false;
}

void SimpleEngine::endSeries()
{
    const int set = s_.CurrentSet;
    s_.Simple.SetComment[set - 1] = d_.txtSetComment;
    d_.panelColor = kWhite;
    d_.lblRunCountNumber = QStringLiteral("   0");
    tmrIntervalTime->setEnabled(false);
    s_.Simple.SetAverage[set] = RunAverage;
    d_.lblAverageTimeNumber = QStringLiteral("   ") + formatSeconds(RunAverage);
    view_.render();
    // The series goes to recover.dat before the message waits for the student: a crash while it
    // is open must not take the series with it.
    if (writeRecoveryFile_)
        writeRecoveryFile_();

    p_.beeper.beep();
    p_.prompt.ask({QStringLiteral("Your run has ended"), QStringLiteral("END RUN")});
    setCommandsEnabled(true);
    view_.render();
    StimulusArmed = false;
}

void SimpleEngine::stop()
{
    s_.Simple.SetComment[s_.CurrentSet - 1] = d_.txtSetComment;
    EndAfterResponse = true;
    tmrIntervalTime->setEnabled(false);
    LastTime = 0;
    setCommandsEnabled(true);
    d_.panelColor = kWhite;
    view_.render();
    p_.beeper.beep();
}

void SimpleEngine::resetReadouts()
{
    d_.txtSetIndicator = formatCount(s_.CurrentSet);
    d_.lblAverageTimeNumber = QStringLiteral("  ") + formatSeconds(s_.Simple.SetAverage[s_.CurrentSet]);
    d_.lblDifferenceNumber = d_.lblPreviousTimeNumber = kZeroReadout;
    d_.lblRunCountNumber = QStringLiteral("   ") + formatCount(RunsLeft);
    d_.lblTimeNumber = QStringLiteral(" 0.000");
}

void SimpleEngine::nextSet()
{
    storeComment();
    if (s_.CurrentSet >= s_.SetCount) {
        d_.cmdNextSet = false;
    } else {
        ++s_.CurrentSet;
        d_.txtSetComment = s_.Simple.SetComment[s_.CurrentSet - 1];
        if (!d_.cmdPreviousSet && s_.CurrentSet >= 2)
            d_.cmdPreviousSet = true;
        resetReadouts();
    }
    view_.render();
}

void SimpleEngine::previousSet()
{
    storeComment();
    if (s_.CurrentSet - 1 < 1) {
        d_.cmdPreviousSet = false;
    } else {
        --s_.CurrentSet;
        d_.txtSetComment = s_.Simple.SetComment[s_.CurrentSet - 1];
        if (!d_.cmdNextSet && s_.CurrentSet < s_.SetCount)
            d_.cmdNextSet = true;
    }
    resetReadouts();
    view_.render();
}

void SimpleEngine::clearSet()
{
    clearStoredSet(QStringLiteral(" "));
    d_.txtSetComment = QStringLiteral(" ");
    d_.lblAverageTimeNumber = d_.lblDifferenceNumber = d_.lblPreviousTimeNumber = kZeroReadout;
    d_.lblRunCountNumber = QStringLiteral("   ") + formatCount(RunsLeft);
    d_.lblTimeNumber = QStringLiteral(" 0.000");
    view_.render();
}

void SimpleEngine::commentEdited(const QString& text)
{
    d_.txtSetComment = text;
    s_.Simple.SetComment[s_.CurrentSet - 1] = text;
}

void SimpleEngine::storeComment()
{
    s_.Simple.SetComment[s_.CurrentSet - 1] = d_.txtSetComment;
}

void SimpleEngine::resultsClosed()
{
    d_.txtSetComment = s_.Simple.SetComment[s_.CurrentSet - 1];
    view_.render();
}

void SimpleEngine::optionsClosed()
{
    readRunsPerSet();
    readTriggerKind();
    view_.render();
}

} // namespace reflex
