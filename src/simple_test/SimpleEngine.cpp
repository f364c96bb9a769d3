#include "simple_test/SimpleEngine.h"
#include "shared/Palette.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace brevane {

namespace {
const QRgb kWhite = kSimplePanelAtRest;
} // namespace

SimpleEngine::SimpleEngine(AppState& state, const Platform& platform, SimpleTestView& view,
                           std::function<void()> writeRecoveryFile)
    : s_(state)
    , p_(platform)
    , view_(view)
    , core_(state, platform, StoreHalf{state.Simple}, state.SimpleRunsPerSet, d_, view, std::move(writeRecoveryFile),
            false)
{
    core_.intervalTimer().onTimer = [this] { stimulus(); };
}

void SimpleEngine::initialise()
{
    d_.lblVersion = p_.version.compact();
    p_.pointer.setBusy(false);
    d_.speakerVisible = s_.ShowSpeaker;
    readSettings();
    StimulusArmed_ = false;
    d_.panelColor = kWhite;
    s_.CurrentSet = 1;
    d_.cmdDisplay = true;
    d_.cmdStop = false;
    d_.txtSetIndicator = QString::number(s_.CurrentSet);
    d_.txtSetComment = s_.Simple.SetComment[s_.CurrentSet - 1];
    view_.render();
}

void SimpleEngine::readSettings()
{
    cfg_ = usable(s_.Config.Normal, s_.MaxRandomInterval);
    core_.setRunsPerSet(cfg_.RunCount);
    readTriggerKind();
}

void SimpleEngine::readTriggerKind()
{
    switch (cfg_.TriggerOn) {
    case AudioTrigger:
        TriggerType_ = AudioTrigger;
        d_.lblTriggerLable = QCoreApplication::translate("SimpleEngine", "            Audio Trigger");
        s_.ShowSpeaker = true;
        d_.speakerVisible = true;
        break;
    case VisualTrigger:
        TriggerType_ = VisualTrigger;
        d_.lblTriggerLable = QCoreApplication::translate("SimpleEngine", "           Visual Trigger");
        s_.ShowSpeaker = false;
        d_.speakerVisible = false;
        break;
    case AudioVisualTrigger:
        TriggerType_ = AudioVisualTrigger;
        d_.lblTriggerLable = QCoreApplication::translate("SimpleEngine", "     Audio/Visual Trigger");
        break;
    default:
        break;
    }
    core_.setToneWithPicture(TriggerType_ == AudioVisualTrigger);
}

// Without a sound device a tone is only the display's bell, if that: an audio series would time
// a press nobody was prompted for, so it does not start; a series with the colour as well goes
// on after saying, once, that the tone is missing.
bool SimpleEngine::toneCanSound()
{
    if (TriggerType_ == VisualTrigger || p_.beeper.hasDevice())
        return true;
    const QString missing = QCoreApplication::translate("SimpleEngine", "The sound device \"%1\" could not be opened.")
                                .arg(p_.beeper.deviceName());
    if (TriggerType_ == AudioTrigger) {
        p_.prompt.ask(
            {missing + QCoreApplication::translate("SimpleEngine",
                                                   "\rAn audio trigger needs it: choose a visual trigger in Options."),
             QCoreApplication::translate("SimpleEngine", "No Sound Device"), MsgButtons::Ok, MsgIcon::Exclamation});
        return false;
    }
    if (!missingToneTold_)
        p_.prompt.ask(
            {missing + QCoreApplication::translate("SimpleEngine", "\rThe series runs with the colour alone."),
             QCoreApplication::translate("SimpleEngine", "No Sound Device"), MsgButtons::Ok, MsgIcon::Exclamation});
    missingToneTold_ = true;
    return true;
}

void SimpleEngine::start()
{
    if (!toneCanSound() || !core_.beginSeries())
        return;
    // A stimulus left out by Stop must not take the first press of the new series.
    StimulusArmed_ = false;
    // The first interval comes from the generator as it stands; later ones reseed it.
    prepareInterval(false);
    view_.render();
    core_.armInterval(p_.clock.nowNs());
}

void SimpleEngine::prepareInterval(bool reseed)
{
    if (cfg_.IntervalTiming == 1) {
        core_.setInterval(cfg_.FixedTimeInterval);
        return;
    }
    if (reseed)
        p_.random.reseedFromTimeOfDay();
    core_.setInterval(drawInterval());
}

// Uniform in [minimum, MaxRandomInterval] ms.
int SimpleEngine::drawInterval()
{
    const int upper = s_.MaxRandomInterval;
    do {
        NextInterval_ = int(std::nearbyint(p_.random.next() * upper));
    } while (NextInterval_ < cfg_.MinimumTimeInterval);
    return NextInterval_;
}

void SimpleEngine::stimulus()
{
    core_.intervalTimer().setEnabled(false);
    // Present first, stamp after: the stamp is taken once the colour is on the screen and
    // the tone has been handed to the sound device, so the stored time is the student's. The
    // tone is started first, aimed at the frame the colour is expected on.
    const bool picture = TriggerType_ == VisualTrigger || TriggerType_ == AudioVisualTrigger;
    const bool withTone = TriggerType_ == AudioTrigger || TriggerType_ == AudioVisualTrigger;
    std::function<Presentation()> showPanel;
    if (picture)
        showPanel = [this] {
            d_.panelColor = s_.NormalTriggerColor;
            view_.presentStimulus();
            return view_.presentation();
        };
    stimulus_ = core_.showStimulus(withTone, showPanel);
    StimulusTime_ = stimulus_.ns;
    StimulusArmed_ = true;
    core_.countRun();
    prepareInterval(true);
}

void SimpleEngine::press(const PressStamp& press)
{
    // A press made while the stimulus was being presented reaches us after the window was
    // armed, but its stamp is earlier than the stimulus stamp: it came before the stimulus,
    // so the run goes on waiting for a real response.
    if (StimulusArmed_ && press.ns > StimulusTime_)
        recordResponse(press);
}

void SimpleEngine::recordResponse(const PressStamp& press)
{
    // Milliseconds are rounded only here, where the time is stored.
    const double elapsedMs = double(press.ns - StimulusTime_) / 1e6;
    if (onResponseMeasured)
        onResponseMeasured(StimulusTime_, press);
    d_.panelColor = kWhite;
    // A stored 0 is an empty run, so a response is never stored below one millisecond.
    core_.storeTime(float(std::max<long long>(1, std::llround(elapsedMs))) / s_.TimeScale);
    if (core_.endsAfterResponse()) {
        core_.finishSeries();
        StimulusArmed_ = false;
        return;
    }
    view_.render();
    core_.armInterval(press.ns);
    StimulusArmed_ = false;
}

void SimpleEngine::stop()
{
    core_.stopSeries();
    d_.panelColor = kWhite;
    view_.render();
    p_.beeper.beep();
}

// A set command ends the armed state: a press after Stop belongs to the set that was shown, and
// must not land in the set shown now.
void SimpleEngine::nextSet()
{
    StimulusArmed_ = false;
    core_.nextSet();
    view_.render();
}

void SimpleEngine::previousSet()
{
    StimulusArmed_ = false;
    core_.previousSet();
    view_.render();
}

void SimpleEngine::clearSet()
{
    StimulusArmed_ = false;
    core_.clearSet();
    view_.render();
}

// Every edit is kept at once: the comment is the set's as the student types it.
void SimpleEngine::commentEdited(const QString& text)
{
    d_.txtSetComment = text;
    core_.storeComment();
}

void SimpleEngine::storeComment()
{
    core_.storeComment();
}

void SimpleEngine::resultsClosed()
{
    d_.txtSetComment = s_.Simple.SetComment[s_.CurrentSet - 1];
    view_.render();
}

void SimpleEngine::optionsClosed()
{
    readSettings();
    view_.render();
}

} // namespace brevane
