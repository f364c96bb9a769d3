#include "complex_test/ChoiceEngine.h"

#include <algorithm>
#include <cmath>

namespace reflex {

namespace {

const QString kZeroReadout = QStringLiteral("  0.000");
const QString kZeroTime = QStringLiteral(" 0.000");
constexpr int kMaxElementIndex = 9;       // elements 0..9 are configured and stored
constexpr int kForcedTriggerAfter = 7;    // the seventh non-trigger in a row becomes the trigger
constexpr std::int64_t kEarlyWakeNs = 2'000'000;

// The window timer wakes a little before `dueNs` less the time presenting takes; the handler
// waits out the rest on the clock, so neither the timer's millisecond grain nor its wake-up
// shows in the interval or the display time.
void armUntil(Timer& timer, const Clock& clock, std::int64_t dueNs, std::int64_t leadNs)
{
    const std::int64_t wakeInNs = dueNs - leadNs - kEarlyWakeNs - clock.nowNs();
    timer.setInterval(int(std::max<std::int64_t>(1, wakeInNs / 1'000'000)));
    timer.setEnabled(true);
}

} // namespace

ChoiceEngine::ChoiceEngine(ChoiceTest test, AppState& state, const Platform& platform,
                           RandomSource& random, ChoiceTestView& view,
                           std::function<void()> writeRecoveryFile)
    : test_(test)
    , s_(state)
    , p_(platform)
    , random_(random)
    , view_(view)
    , writeRecoveryFile_(std::move(writeRecoveryFile))
    , tmrIntervalTime(platform.timers.createTimer())
    , tmrDisplayTime(platform.timers.createTimer())
{
    tmrIntervalTime->onTimer = [this] { elementDue(); };
    tmrDisplayTime->onTimer = [this] { displayTimeOver(); };
}

ChoiceEngine::~ChoiceEngine() = default;

QString ChoiceEngine::formatSeconds(float seconds)
{
    return QString::number(double(seconds), 'f', 3);
}

QString ChoiceEngine::formatCount(int n)
{
    return n < 0 ? QStringLiteral("-%1").arg(-n, 2, 10, QLatin1Char('0'))
                 : QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QString ChoiceEngine::withSignPosition(int n)
{
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

const ChoiceConfigBlock& ChoiceEngine::configBlock() const
{
    return test_ == ChoiceTest::Color ? s_.Config.Color : s_.Config.Number;
}

ChoiceStore& ChoiceEngine::store() const
{
    return test_ == ChoiceTest::Color ? s_.Color : s_.Number;
}

qint16& ChoiceEngine::runsPerSet() const
{
    return test_ == ChoiceTest::Color ? s_.ColorRunsPerSet : s_.NumberRunsPerSet;
}

// A hand-edited configuration may hold anything. Element indices beyond the configured
// elements would read past them and a minimum above the longest random interval is never met:
// both are brought into range here. (Timers are always armed for at least 1 ms, so a display
// time or fixed interval of 0 still fires.)
ChoiceConfigBlock ChoiceEngine::usableSettings() const
{
    ChoiceConfigBlock b = configBlock();
    b.LastElement = std::clamp<qint16>(b.LastElement, 0, kMaxElementIndex);
    b.TriggerElement = std::clamp<qint16>(b.TriggerElement, 0, kMaxElementIndex);
    // A draw after a timeout compares the unrounded value, which stays below the maximum.
    b.MinimumTimeInterval = std::clamp<qint16>(b.MinimumTimeInterval, 1, s_.MaxRandomInterval - 1);
    return b;
}

void ChoiceEngine::initialise()
{
    d_.lblVersion = p_.version.compact();
    p_.pointer.setBusy(false);
    readTrigger();
    readRunsPerSet();
    s_.NormalTriggerColor = qRgb(192, 0, 0);
    d_.element.reset();
    s_.CurrentSet = 1;
    s_.NonTriggerCount = 0;
    d_.txtSetIndicator = formatCount(s_.CurrentSet);
    // The box shows the comment of the set it now stands on, so that the next Start does not
    // file another set's comment under set 1.
    d_.txtSetComment = store().SetComment[s_.CurrentSet - 1];
    d_.cmdDisplay = d_.cmdStart = d_.cmdNextSet = d_.cmdConfigure = d_.cmdExit = true;
    d_.CmdClearSet = d_.cmdStop = d_.cmdPreviousSet = false;
    view_.render();
}

// A series ends only when the trigger count reaches the series length, and a time row holds
// 20 triggers, so a length from a hand-edited file is brought into 1..20.
void ChoiceEngine::readRunsPerSet()
{
    runsPerSet() = std::clamp<qint16>(configBlock().RunCount, 1, kMaxRuns);
    d_.lblRunCountNumber = QStringLiteral("   ") + formatCount(runsPerSet());
}

void ChoiceEngine::readTrigger()
{
    const ChoiceConfigBlock b = usableSettings();
    d_.triggerElement = b.Element[b.TriggerElement];
    d_.triggerWithSound = b.TriggerOn == 0;
}

void ChoiceEngine::setIdleLayout(bool idle)
{
    d_.cmdStart = d_.cmdDisplay = d_.cmdPreviousSet = d_.cmdNextSet = idle;
    d_.CmdClearSet = d_.cmdConfigure = d_.cmdExit = idle;
    d_.cmdStop = !idle;
}

void ChoiceEngine::showCounts()
{
    const ChoiceStore& st = store();
    const int set = s_.CurrentSet;
    d_.lblCorrectHits = formatCount(st.CorrectHits[set]);
    d_.lblInCorrectHits = formatCount(st.InCorrectHits[set]);
    d_.lblCorrectMisses = formatCount(st.CorrectMisses[set]);
    d_.lblMissedHits = formatCount(st.MissedHits[set]);
}

// Entries 1..10 with the counts and statistics; entries 11..20 stay until overwritten.
void ChoiceEngine::clearCurrentSet(const QString& comment)
{
    clearSetRuns(store(), s_.CurrentSet);
    clearSetCounts(store(), s_.CurrentSet);
    store().SetComment[s_.CurrentSet - 1] = comment;
}

void ChoiceEngine::start()
{
    const Message question{
        QStringLiteral("Over write Data in Set ") + withSignPosition(s_.CurrentSet) + QStringLiteral(" ?"),
        QStringLiteral("Start Reflex Data Collection"), MsgButtons::YesNo, MsgIcon::Critical, true};
    if (p_.prompt.ask(question) != MsgAnswer::Yes)
        return;

    cfg_ = usableSettings();
    ElementShown = false;
    p_.pointer.moveTo(view_.leftTargetCentre());
    s_.dataNotSaved(store()) = true;
    EndAfterResponse = false;
    LastTime = 0;
    RunsLeft = runsPerSet();

    d_.lblAverageTimeNumber = d_.lblDifferenceNumber = d_.lblPreviousTimeNumber = kZeroReadout;
    d_.lblRunCountNumber = QStringLiteral("   ") + formatCount(RunsLeft);
    d_.lblTimeNumber = kZeroTime;
    clearCurrentSet(d_.txtSetComment);
    showCounts();
    s_.CurrentRun = 0;

    tmrDisplayTime->setInterval(cfg_.DisplayTime);
    // The first interval comes from the generator as it stands; element draws reseed it.
    intervalMs_ = nextInterval(false);
    setIdleLayout(false);
    d_.txtSetIndicatorEnabled = false;
    d_.txtSetCommentEnabled = false;
    view_.render();
    armInterval(p_.clock.nowNs());
}

int ChoiceEngine::nextInterval(bool compareUnrounded)
{
    return cfg_.IntervalTiming != 0 ? cfg_.FixedTimeInterval : drawInterval(compareUnrounded);
}

// Uniform between the minimum and MaxRandomInterval ms. The draw made with an element compares
// the rounded value with the minimum, the one made after a timeout the unrounded value.
int ChoiceEngine::drawInterval(bool compareUnrounded)
{
    const int upper = s_.MaxRandomInterval;
    double x = 0;
    do {
        x = random_.next() * upper;
        NextInterval = int(std::nearbyint(x));
    } while ((compareUnrounded ? x : double(NextInterval)) < cfg_.MinimumTimeInterval);
    return NextInterval;
}

// The interval counts from `fromNs` (Start, the press, or the blank after a timeout) to the
// next element being on the screen.
void ChoiceEngine::armInterval(std::int64_t fromNs)
{
    elementDueNs_ = fromNs + std::int64_t(intervalMs_) * 1'000'000;
    armUntil(*tmrIntervalTime, p_.clock, elementDueNs_, showLead_.ns);
}

void ChoiceEngine::PresentLead::note(std::int64_t took)
{
    recent[count++ % recent.size()] = took;
    const std::size_t n = std::min<std::size_t>(count, recent.size());
    auto sorted = recent;
    std::nth_element(sorted.begin(), sorted.begin() + n / 2, sorted.begin() + n);
    ns = std::clamp<std::int64_t>(sorted[n / 2], 0, 5'000'000);
}

void ChoiceEngine::drawElement()
{
    TriggerShown = false;
    random_.reseedFromTimeOfDay();
    // Rounded half to even, so the end indices come up half as often as the others.
    ElementIndex = int(std::nearbyint(random_.next() * cfg_.LastElement));
    ElementSound = cfg_.MakeSound == 0 && std::nearbyint(random_.next()) != 0;

    const bool withoutSound = cfg_.TriggerOn != 0;
    if (ElementIndex == cfg_.TriggerElement && ElementSound != withoutSound) {
        TriggerShown = true;
        s_.NonTriggerCount = 0;
    } else if (++s_.NonTriggerCount >= kForcedTriggerAfter) {
        TriggerShown = true;
        ElementIndex = cfg_.TriggerElement;
        ElementSound = !withoutSound;
        s_.NonTriggerCount = 0;
    }
    if (TriggerShown) {
        ++s_.CurrentRun;
        if (s_.CurrentRun >= runsPerSet())
            EndAfterResponse = true;
    }
}

// Present first, stamp after: an element is stamped when its pixels reached the screen, or,
// with a tone, once the tone has been handed to the sound device as well.
void ChoiceEngine::showElement()
{
    const std::int64_t presenting = p_.clock.nowNs();
    d_.element = cfg_.Element[ElementIndex];
    const Presentation shown = view_.presentElement();
    const bool withTone = cfg_.MakeSound == 0 && ElementSound;
    if (withTone)
        p_.beeper.beep();
    // The colour test prepares the next interval after showing, the number test before.
    if (test_ == ChoiceTest::Color)
        intervalMs_ = nextInterval(false);
    const bool seen = shown.known() && !withTone;
    StimulusTime = seen ? shown.stampNs() : p_.clock.nowNs();
    stimulusUncertaintyNs_ = seen ? shown.uncertaintyNs() : -1;
    showLead_.note(StimulusTime - presenting);
    ElementShown = true;
    blankDueNs_ = StimulusTime + std::int64_t(cfg_.DisplayTime) * 1'000'000;
    armUntil(*tmrDisplayTime, p_.clock, blankDueNs_, blankLead_.ns);
}

void ChoiceEngine::elementDue()
{
    tmrIntervalTime->setEnabled(false);
    drawElement();
    if (test_ == ChoiceTest::Number)
        intervalMs_ = nextInterval(false);
    p_.clock.waitUntil(elementDueNs_ - showLead_.ns);
    showElement();
}

std::int64_t ChoiceEngine::blankDisplay()
{
    const std::int64_t presenting = p_.clock.nowNs();
    d_.element.reset();
    const Presentation shown = view_.presentElement();
    const std::int64_t blanked = shown.known() ? shown.stampNs() : p_.clock.nowNs();
    blankLead_.note(blanked - presenting);
    return blanked;
}

void ChoiceEngine::press(std::int64_t stampNs)
{
    // A press made before the element appeared may reach us after it did: its stamp tells.
    if (!ElementShown || stampNs <= StimulusTime)
        return;
    ResponseTime = stampNs;
    tmrDisplayTime->setEnabled(false);
    ElementShown = false;
    blankDisplay();
    ChoiceStore& st = store();
    const int set = s_.CurrentSet;

    if (!TriggerShown) {
        ++st.InCorrectHits[set];
        d_.lblInCorrectHits = formatCount(st.InCorrectHits[set]);
        view_.render();
        armInterval(ResponseTime); // the interval drawn when the element appeared
        return;
    }

    // Milliseconds are rounded only here, where the time is stored; a stored 0 is an empty
    // entry, so a hit is never stored below one millisecond.
    const double elapsedMs = double(ResponseTime - StimulusTime) / 1e6;
    if (onResponseMeasured)
        onResponseMeasured(StimulusTime, ResponseTime);
    ++st.CorrectHits[set];
    d_.lblCorrectHits = formatCount(st.CorrectHits[set]);
    storeTime(float(std::max<long long>(1, std::llround(elapsedMs))) / s_.TimeScale);

    if (EndAfterResponse) {
        endSeriesAfterHit();
        return;
    }
    view_.render();
    armInterval(ResponseTime);
}

void ChoiceEngine::displayTimeOver()
{
    tmrDisplayTime->setEnabled(false);
    p_.clock.waitUntil(blankDueNs_ - blankLead_.ns);
    ElementShown = false;
    const std::int64_t blanked = blankDisplay();
    ChoiceStore& st = store();
    const int set = s_.CurrentSet;

    if (!TriggerShown) {
        ++st.CorrectMisses[set];
        d_.lblCorrectMisses = formatCount(st.CorrectMisses[set]);
    } else {
        ++st.MissedHits[set];
        d_.lblMissedHits = formatCount(st.MissedHits[set]);
        storeTime(1000.0f / s_.TimeScale);
        if (EndAfterResponse) {
            // The series ends quietly: no message, and recover.dat is not written.
            d_.lblRunCountNumber = QStringLiteral("   0");
            tmrIntervalTime->setEnabled(false);
            setIdleLayout(true);
            view_.render();
            p_.beeper.beep();
            return;
        }
    }
    view_.render();
    intervalMs_ = nextInterval(true);
    armInterval(blanked);
}

void ChoiceEngine::storeTime(float seconds)
{
    ChoiceStore& st = store();
    const int set = s_.CurrentSet;
    const int run = s_.CurrentRun;
    LastTime = seconds;
    st.Times[set][run] = LastTime;
    d_.lblTimeNumber = QLatin1Char(' ') + formatSeconds(LastTime);
    if (run == 1) {
        d_.lblPreviousTimeNumber = kZeroReadout;
        d_.lblDifferenceNumber = QStringLiteral("  ") + formatSeconds(LastTime);
    } else {
        const float previous = st.Times[set][run - 1];
        d_.lblPreviousTimeNumber = QStringLiteral("  ") + formatSeconds(previous);
        d_.lblDifferenceNumber = QStringLiteral("  ") + formatSeconds(std::fabs(LastTime - previous));
    }
    float sum = 0;
    for (int r = 1; r <= run; ++r)
        sum += st.Times[set][r];
    LastTime = sum;
    RunAverage = sum / float(run);
    d_.lblAverageTimeNumber = QStringLiteral("   ") + formatSeconds(RunAverage);
    st.SetAverage[set] = RunAverage;
    --RunsLeft;
    d_.lblRunCountNumber = QStringLiteral("   ") + formatCount(RunsLeft);
}

void ChoiceEngine::endSeriesAfterHit()
{
    storeComment();
    d_.lblRunCountNumber = QStringLiteral("   0");
    tmrIntervalTime->setEnabled(false);
    view_.render();
    if (writeRecoveryFile_) // before the message waits for the student, as in the simple test
        writeRecoveryFile_();
    p_.beeper.beep();
    p_.prompt.ask({QStringLiteral("Your run has ended"), QStringLiteral("END RUN")});
    setIdleLayout(true);
    view_.render();
}

void ChoiceEngine::stop()
{
    storeComment();
    EndAfterResponse = true;
    tmrIntervalTime->setEnabled(false);
    tmrDisplayTime->setEnabled(false);
    // The element on display is not scored, so no later press may be scored against it.
    ElementShown = false;
    LastTime = 0;
    setIdleLayout(true);
    d_.element.reset();
    view_.render();
    p_.beeper.beep();
}

void ChoiceEngine::resetReadouts()
{
    d_.txtSetIndicator = formatCount(s_.CurrentSet);
    d_.lblAverageTimeNumber = QStringLiteral("  ") + formatSeconds(store().SetAverage[s_.CurrentSet]);
    d_.lblDifferenceNumber = d_.lblPreviousTimeNumber = kZeroReadout;
    d_.lblTimeNumber = kZeroTime;
    d_.lblRunCountNumber = QStringLiteral("   ") + formatCount(RunsLeft);
    showCounts();
}

void ChoiceEngine::nextSet()
{
    storeComment();
    if (s_.CurrentSet < s_.SetCount) {
        ++s_.CurrentSet;
        d_.txtSetComment = store().SetComment[s_.CurrentSet - 1];
    } else {
        d_.cmdNextSet = false;
    }
    if (s_.CurrentSet > 1)
        d_.cmdPreviousSet = true;
    resetReadouts();
    view_.render();
}

void ChoiceEngine::previousSet()
{
    storeComment();
    if (s_.CurrentSet > 1) {
        --s_.CurrentSet;
        d_.txtSetComment = store().SetComment[s_.CurrentSet - 1];
    } else {
        d_.cmdPreviousSet = false;
    }
    d_.cmdNextSet = true;
    resetReadouts();
    view_.render();
}

void ChoiceEngine::clearSet()
{
    clearCurrentSet(QStringLiteral(" "));
    d_.txtSetComment = QStringLiteral(" ");
    d_.lblAverageTimeNumber = d_.lblDifferenceNumber = d_.lblPreviousTimeNumber = kZeroReadout;
    d_.lblRunCountNumber = QStringLiteral("   ") + formatCount(RunsLeft);
    d_.lblTimeNumber = kZeroTime;
    showCounts();
    view_.render();
}

void ChoiceEngine::commentEdited(const QString& text)
{
    d_.txtSetComment = text;
}

void ChoiceEngine::storeComment()
{
    store().SetComment[s_.CurrentSet - 1] = d_.txtSetComment;
}

void ChoiceEngine::optionsClosed()
{
    readRunsPerSet();
    readTrigger();
    TriggerShown = false;
    view_.render();
}

void ChoiceEngine::resultsClosed()
{
    d_.txtSetComment = store().SetComment[s_.CurrentSet - 1];
    view_.render();
}

} // namespace reflex
