#pragma once
// The sound card's input as a clock shared with the program's stamps: a recording of the default
// input (line-in or microphone) whose every block carries the time of its first frame on the
// program's clock, taken the way the tone's first sample is (ToneStamp.h): ALSA's status and
// timestamps, PipeWire's graph time, PulseAudio's timing of the stream; the arithmetic is beside
// the tone's in each backend (alsa/AlsaStamp.h, pipewire/GraphTime.h, pulse/PulseTime.h). The route is chosen once
// (makeSoundCapture, CaptureRoute.h), as the tone's is.

#include "platform/audio/ToneStamp.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

namespace brevane {

// A capture block's time comes from the same kinds of answer as a tone's stamp: Audio and Trigger
// (ALSA's timestamps), Delay (its status time and delay), Graph, Pulse, or Write (the read's
// return, an estimate).
using CaptureSource = ToneSource;

// A run of mono frames, -1..1, the first captured at `firstNs`, the rest 1/rate apart.
struct CaptureBlock {
    std::int64_t firstNs = 0;
    CaptureSource source = CaptureSource::None;
    std::vector<float> frames;
};

class SoundCapture {
public:
    using Sink = std::function<void(const CaptureBlock& block)>;
    virtual ~SoundCapture() = default;
    // Starts recording; blocks come to `sink` in order, from the capture's own thread. False, with
    // the reason in words, where there is no input to record.
    virtual bool start(Sink sink, QString& why) = 0;
    // No block comes once it returns.
    virtual void stop() = 0;
    virtual unsigned rate() const = 0;
    virtual QString deviceName() const = 0;
    // What the blocks' times come from.
    virtual CaptureSource route() const = 0;
};

} // namespace brevane
