#include "complex_test/ChoiceEngine.h"
#include "shared/Formats.h"

#include <algorithm>
#include <cmath>

namespace brevane {

namespace {

constexpr int kForcedTriggerAfter = 7; // the seventh non-trigger in a row becomes the trigger

} // namespace

ChoiceEngine::ChoiceEngine(ChoiceStyle style, const TestDescriptor& test, AppState& state, const Platform& platform,
                           RandomSource& random, ChoiceTestView& view, std::function<void()> writeRecoveryFile)
    : style_(style)
    , test_(test)
    , s_(state)
    , p_(platform)
    , random_(random)
    , view_(view)
    , core_(state, platform, test.half(state), state.*test.runsPerSet, d_, view, std::move(writeRecoveryFile), true)
    , tmrDisplayTime_(platform.timers.createTimer())
{
    core_.intervalTimer().onTimer = [this] { elementDue(); };
    tmrDisplayTime_->onTimer = [this] { displayTimeOver(); };
}

const ChoiceConfigBlock& ChoiceEngine::configBlock() const
{
    return s_.Config.*test_.choiceBlock;
}

ChoiceConfigBlock ChoiceEngine::usableSettings() const
{
    return usable(configBlock(), s_.MaxRandomInterval);
}

void ChoiceEngine::initialise()
{
    d_.lblVersion = p_.version.compact();
    p_.pointer.setBusy(false);
    readTrigger();
    s_.NormalTriggerColor = qRgb(192, 0, 0);
    d_.element.reset();
    s_.CurrentSet = 1;
    s_.NonTriggerCount = 0;
    d_.txtSetIndicator = formatCount(s_.CurrentSet);
    // The box shows the comment of the set it now stands on, so that the next Start does not
    // file another set's comment under set 1.
    d_.txtSetComment = sets().SetComment[s_.CurrentSet - 1];
    d_.cmdDisplay = d_.cmdStart = d_.cmdNextSet = d_.cmdConfigure = d_.cmdExit = true;
    d_.CmdClearSet = d_.cmdStop = d_.cmdPreviousSet = false;
    view_.render();
}

void ChoiceEngine::readTrigger()
{
    const ChoiceConfigBlock b = usableSettings();
    core_.setRunsPerSet(b.RunCount);
    d_.triggerElement = b.Element[b.TriggerElement];
    d_.triggerWithSound = b.TriggerOn == 0;
}

void ChoiceEngine::showCounts()
{
    const OutcomeCounts& st = counts();
    const int set = s_.CurrentSet;
    d_.lblCorrectHits = formatCount(st.CorrectHits[set]);
    d_.lblInCorrectHits = formatCount(st.InCorrectHits[set]);
    d_.lblCorrectMisses = formatCount(st.CorrectMisses[set]);
    d_.lblMissedHits = formatCount(st.MissedHits[set]);
}

void ChoiceEngine::start()
{
    if (!core_.beginSeries())
        return;
    cfg_ = usableSettings();
    core_.setToneWithPicture(cfg_.MakeSound == 0);
    ElementShown_ = false;
    showCounts();
    tmrDisplayTime_->setInterval(cfg_.DisplayTime);
    // The first interval comes from the generator as it stands; element draws reseed it.
    core_.setInterval(nextInterval(false));
    d_.txtSetCommentEnabled = false;
    view_.render();
    core_.armInterval(p_.clock.nowNs());
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
        NextInterval_ = int(std::nearbyint(x));
    } while ((compareUnrounded ? x : double(NextInterval_)) < cfg_.MinimumTimeInterval);
    return NextInterval_;
}

void ChoiceEngine::drawElement()
{
    TriggerShown_ = false;
    random_.reseedFromTimeOfDay();
    // Rounded half to even, so the end indices come up half as often as the others.
    ElementIndex_ = int(std::nearbyint(random_.next() * cfg_.LastElement));
    ElementSound_ = cfg_.MakeSound == 0 && std::nearbyint(random_.next()) != 0;

    const bool withoutSound = cfg_.TriggerOn != 0;
    if (ElementIndex_ == cfg_.TriggerElement && ElementSound_ != withoutSound) {
        TriggerShown_ = true;
        s_.NonTriggerCount = 0;
    } else if (++s_.NonTriggerCount >= kForcedTriggerAfter) {
        TriggerShown_ = true;
        ElementIndex_ = cfg_.TriggerElement;
        ElementSound_ = !withoutSound;
        s_.NonTriggerCount = 0;
    }
    if (TriggerShown_)
        core_.countRun();
}

// Present first, stamp after: an element is stamped when its pixels reached the screen, or,
// with a tone (started first, aimed at the element's frame), at the earlier of that and the
// tone's first sample (stampStimulus).
void ChoiceEngine::showElement()
{
    const bool withTone = cfg_.MakeSound == 0 && ElementSound_;
    stimulus_ = core_.showStimulus(withTone, [this] {
        d_.element = cfg_.Element[ElementIndex_];
        return view_.presentElement();
    });
    StimulusTime_ = stimulus_.ns;
    // The colour test prepares the next interval after showing, the number test before.
    if (style_ == ChoiceStyle::Color)
        core_.setInterval(nextInterval(false));
    ElementShown_ = true;
    blankDueNs_ = stimulus_.pictureNs + std::int64_t(cfg_.DisplayTime) * 1'000'000;
    armUntil(*tmrDisplayTime_, p_.clock, blankDueNs_, blankLead_.ns);
}

void ChoiceEngine::elementDue()
{
    core_.intervalTimer().setEnabled(false);
    drawElement();
    if (style_ == ChoiceStyle::Number)
        core_.setInterval(nextInterval(false));
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

void ChoiceEngine::press(const PressStamp& press)
{
    // A press made before the element appeared may reach us after it did: its stamp tells.
    if (!ElementShown_ || press.ns <= StimulusTime_)
        return;
    ResponseTime_ = press.ns;
    tmrDisplayTime_->setEnabled(false);
    ElementShown_ = false;
    blankDisplay();
    OutcomeCounts& st = counts();
    const int set = s_.CurrentSet;

    if (!TriggerShown_) {
        ++st.InCorrectHits[set];
        d_.lblInCorrectHits = formatCount(st.InCorrectHits[set]);
        view_.render();
        core_.armInterval(ResponseTime_); // the interval drawn when the element appeared
        return;
    }

    // Milliseconds are rounded only here, where the time is stored; a stored 0 is an empty
    // entry, so a hit is never stored below one millisecond.
    const double elapsedMs = double(ResponseTime_ - StimulusTime_) / 1e6;
    if (onResponseMeasured)
        onResponseMeasured(StimulusTime_, press);
    ++st.CorrectHits[set];
    d_.lblCorrectHits = formatCount(st.CorrectHits[set]);
    core_.storeTime(float(std::max<long long>(1, std::llround(elapsedMs))) / s_.TimeScale);

    if (core_.endsAfterResponse()) {
        core_.finishSeries();
        return;
    }
    view_.render();
    core_.armInterval(ResponseTime_);
}

void ChoiceEngine::displayTimeOver()
{
    tmrDisplayTime_->setEnabled(false);
    p_.clock.waitUntil(blankDueNs_ - blankLead_.ns);
    ElementShown_ = false;
    const std::int64_t blanked = blankDisplay();
    OutcomeCounts& st = counts();
    const int set = s_.CurrentSet;

    if (!TriggerShown_) {
        ++st.CorrectMisses[set];
        d_.lblCorrectMisses = formatCount(st.CorrectMisses[set]);
    } else {
        ++st.MissedHits[set];
        d_.lblMissedHits = formatCount(st.MissedHits[set]);
        core_.storeTime(1000.0f / s_.TimeScale);
        if (core_.endsAfterResponse()) {
            core_.finishSeriesQuietly();
            return;
        }
    }
    view_.render();
    core_.setInterval(nextInterval(true));
    core_.armInterval(blanked);
}

void ChoiceEngine::stop()
{
    core_.stopSeries();
    tmrDisplayTime_->setEnabled(false);
    // The element on display is not scored, so no later press may be scored against it.
    ElementShown_ = false;
    d_.element.reset();
    view_.render();
    p_.beeper.beep();
}

void ChoiceEngine::nextSet()
{
    core_.nextSet();
    showCounts();
    view_.render();
}

void ChoiceEngine::previousSet()
{
    core_.previousSet();
    showCounts();
    view_.render();
}

void ChoiceEngine::clearSet()
{
    core_.clearSet();
    showCounts();
    view_.render();
}

void ChoiceEngine::commentEdited(const QString& text)
{
    d_.txtSetComment = text;
}

void ChoiceEngine::storeComment()
{
    core_.storeComment();
}

void ChoiceEngine::optionsClosed()
{
    readTrigger();
    TriggerShown_ = false;
    view_.render();
}

void ChoiceEngine::resultsClosed()
{
    d_.txtSetComment = sets().SetComment[s_.CurrentSet - 1];
    view_.render();
}

} // namespace brevane
