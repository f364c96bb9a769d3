#include "timing_check/MachineCheck.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <map>

namespace brevane {

namespace {

constexpr std::int64_t kMs = 1'000'000;
constexpr double kFraction = 0.2;
constexpr double kToneRampMs = 4.0; // makeTone's soft start
constexpr double kMeasuredShare = 0.7;
constexpr int kFewestMeasured = 5;

// What to do about a part that failed so, in the user's words.
QString refusal(CheckPart part, OnsetVerdict verdict, int failed, int trials)
{
    const QString count = QCoreApplication::translate("MachineCheck", "%1 of %2 trials").arg(failed).arg(trials);
    switch (verdict) {
    case OnsetVerdict::Weak:
        return part == CheckPart::Screen
                   ? QCoreApplication::translate("MachineCheck",
                                                 "the signal is too weak (%1): turn the input volume up, or the "
                                                 "screen's brightness, and hold the diode flat on the patch")
                         .arg(count)
               : part == CheckPart::Sound
                   ? QCoreApplication::translate("MachineCheck",
                                                 "the signal is too weak (%1): turn the output and the input "
                                                 "volume up")
                         .arg(count)
                   : QCoreApplication::translate("MachineCheck",
                                                 "the clicks are too faint (%1): put the microphone closer to the "
                                                 "mouse and turn the input volume up")
                         .arg(count);
    case OnsetVerdict::Noisy:
        return QCoreApplication::translate(
                   "MachineCheck",
                   "the signal is too noisy (%1): keep the room quiet, the cable short and away from the mains, "
                   "and turn the input volume down if it hums")
            .arg(count);
    case OnsetVerdict::Gap:
        return QCoreApplication::translate(
                   "MachineCheck",
                   "the recording broke off (%1): close other programs that use the sound card and try again")
            .arg(count);
    case OnsetVerdict::Found:
    case OnsetVerdict::Missed:
        break;
    }
    return part == CheckPart::Screen
               ? QCoreApplication::translate("MachineCheck",
                                             "no flash was seen in %1: is the diode on the patch and plugged into "
                                             "the input that records?")
                     .arg(count)
           : part == CheckPart::Sound
               ? QCoreApplication::translate("MachineCheck",
                                             "no tone came back in %1: is the output looped to the input that "
                                             "records?")
                     .arg(count)
               : QCoreApplication::translate("MachineCheck",
                                             "no click was heard in %1: is the microphone next to the mouse?")
                     .arg(count);
}

} // namespace

const char* checkPartName(CheckPart part)
{
    switch (part) {
    case CheckPart::Sound:
        return "sound";
    case CheckPart::Mouse:
        return "mouse";
    case CheckPart::Screen:
        break;
    }
    return "screen";
}

int partTrials(CheckPart part)
{
    return part == CheckPart::Sound ? 10 : 20;
}

std::int64_t partPeriodNs(CheckPart part)
{
    return part == CheckPart::Screen ? 1000 * kMs : part == CheckPart::Sound ? 1000 * kMs : 0;
}

OnsetSearch partSearch(CheckPart part, std::int64_t stampNs)
{
    OnsetSearch s;
    s.fraction = kFraction;
    switch (part) {
    case CheckPart::Screen:
        // The light comes after the stamp, by the monitor's lag (some panels over 100 ms); the
        // patch turned dark half a second before. The backlight may flicker: a 6 ms hold.
        s.restFromNs = stampNs - 120 * kMs, s.restToNs = stampNs - 5 * kMs;
        s.fromNs = stampNs - 5 * kMs, s.toNs = stampNs + 300 * kMs;
        s.smoothFrames = 6, s.holdFrames = 288;
        break;
    case CheckPart::Sound:
        // The tone after its stamp by the output's own delay; an 880 Hz swing is 1.1 ms.
        s.restFromNs = stampNs - 80 * kMs, s.restToNs = stampNs - 5 * kMs;
        s.fromNs = stampNs - 5 * kMs, s.toNs = stampNs + 200 * kMs;
        s.holdFrames = 72;
        break;
    case CheckPart::Mouse:
        // The click before its press stamp, by the mouse's polling and debounce and the input path.
        s.restFromNs = stampNs - 200 * kMs, s.restToNs = stampNs - 80 * kMs;
        s.fromNs = stampNs - 80 * kMs, s.toNs = stampNs + 5 * kMs;
        s.holdFrames = 48;
        break;
    }
    return s;
}

double partLagMs(CheckPart part, std::int64_t stampNs, std::int64_t onsetNs)
{
    const double ms = double(onsetNs - stampNs) / 1e6;
    switch (part) {
    case CheckPart::Sound:
        return ms - kFraction * kToneRampMs;
    case CheckPart::Mouse:
        return -ms;
    case CheckPart::Screen:
        break;
    }
    return ms;
}

MachineLag summariseTrials(CheckPart part, const QString& device, const std::vector<Trial>& trials)
{
    MachineLag lag;
    lag.part = QLatin1String(checkPartName(part));
    lag.device = device;
    lag.trials = int(trials.size());
    std::vector<double> ms;
    std::map<OnsetVerdict, int> failed;
    for (const Trial& t : trials) {
        if (t.verdict == OnsetVerdict::Found)
            ms.push_back(t.lagMs);
        else
            ++failed[t.verdict];
    }
    lag.measured = int(ms.size());
    if (lag.measured < std::max(kFewestMeasured, int(std::ceil(kMeasuredShare * double(lag.trials))))) {
        const auto worst = std::max_element(failed.begin(), failed.end(),
                                            [](const auto& a, const auto& b) { return a.second < b.second; });
        lag.refused = worst == failed.end()
                          ? QCoreApplication::translate("MachineCheck", "too few trials (%1)").arg(lag.trials)
                          : refusal(part, worst->first, worst->second, lag.trials);
        return lag;
    }
    double sum = 0;
    for (double v : ms)
        sum += v;
    lag.meanMs = sum / double(ms.size());
    double squares = 0;
    for (double v : ms)
        squares += (v - lag.meanMs) * (v - lag.meanMs);
    lag.sdMs = std::sqrt(squares / double(ms.size() - 1));
    lag.worstMs =
        *std::max_element(ms.begin(), ms.end(), [](double a, double b) { return std::fabs(a) < std::fabs(b); });
    return lag;
}

void MachineCheck::begin(CheckPart part)
{
    part_ = part;
    stamps_.clear();
}

void MachineCheck::stamped(std::int64_t ns, const QString& device)
{
    stamps_.push_back({ns, device});
}

bool MachineCheck::recorded() const
{
    return stamps_.empty() || recording_.latestNs() >= partSearch(part_, stamps_.back().ns).toNs;
}

Trial MachineCheck::measure(const Stamp& stamp) const
{
    const OnsetSearch s = partSearch(part_, stamp.ns);
    const std::optional<SignalWindow> w =
        recording_.window(std::min(s.restFromNs, s.fromNs), std::max(s.restToNs, s.toNs), stamp.ns);
    if (!w)
        return {OnsetVerdict::Gap};
    const Onset o = findOnset(*w, s);
    return {o.verdict, o.verdict == OnsetVerdict::Found ? partLagMs(part_, stamp.ns, o.ns) : 0.0, o.clipped};
}

QList<MachineLag> MachineCheck::finish() const
{
    std::map<QString, std::vector<Trial>> byDevice;
    QStringList order;
    for (const Stamp& stamp : stamps_) {
        const QString device = part_ == CheckPart::Mouse ? stamp.device : QString();
        if (!byDevice.count(device))
            order << device;
        byDevice[device].push_back(measure(stamp));
    }
    QList<MachineLag> lags;
    for (const QString& device : order)
        lags << summariseTrials(part_, device, byDevice[device]);
    if (lags.isEmpty())
        lags << summariseTrials(part_, {}, {});
    return lags;
}

} // namespace brevane
