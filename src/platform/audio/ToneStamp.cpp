#include "platform/audio/ToneStamp.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace brevane {

namespace {

// What each source is called: its word in the trace, and the route the timing check names. A new
// source is a value of ToneSource and a row here.
struct ToneSourceWords {
    ToneSource source;
    const char* trace;
    const char* route;
};
constexpr ToneSourceWords kToneSources[] = {
    {ToneSource::None, "none", "none"},
    {ToneSource::Write, "write", "estimate"},
    {ToneSource::Delay, "delay", "estimate"},
    {ToneSource::Trigger, "trigger", "hardware timestamps"},
    {ToneSource::Audio, "audio", "hardware timestamps"},
    {ToneSource::Graph, "pipewire", "PipeWire graph"},
    {ToneSource::Pulse, "pulse", "PulseAudio timing"},
};

const ToneSourceWords& wordsOf(ToneSource source)
{
    for (const ToneSourceWords& words : kToneSources)
        if (words.source == source)
            return words;
    return kToneSources[0];
}

} // namespace

const char* toneSourceName(ToneSource source)
{
    return wordsOf(source).trace;
}

const char* toneRouteName(ToneSource source)
{
    return wordsOf(source).route;
}

std::vector<std::int16_t> makeTone(unsigned rate)
{
    constexpr double kToneHz = 880.0, kToneSeconds = 0.15, kRampSeconds = 0.004, kAmplitude = 0.45;
    const auto frames = std::size_t(kToneSeconds * rate);
    const auto ramp = std::size_t(kRampSeconds * rate);
    std::vector<std::int16_t> samples(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        double gain = kAmplitude;
        if (i < ramp)
            gain *= double(i) / double(ramp);
        else if (frames - i < ramp)
            gain *= double(frames - i) / double(ramp);
        samples[i] =
            std::int16_t(std::lround(32767.0 * gain * std::sin(2.0 * std::numbers::pi * kToneHz * double(i) / rate)));
    }
    return samples;
}

} // namespace brevane
