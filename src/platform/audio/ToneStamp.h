#pragma once
// The tone and its stamp, as every sound route gives them: the one tone's samples, where its
// first sample is heard, and what that stamp was taken from. Each route works out the stamp from
// its own device's or server's answers, with arithmetic beside it that needs no device, so tests
// give it the values: alsa/AlsaStamp.h (an ALSA device's status right after the write),
// pipewire/GraphTime.h and pulse/PulseTime.h (a sound server's timing of a stream kept running on
// silence, into which the tone is spliced).

#include <cstdint>
#include <vector>

namespace brevane {

constexpr std::int64_t kSecondNs = 1'000'000'000;

// How long `frames` last at `rate` frames a second, in nanoseconds (negative frames: that much earlier).
constexpr std::int64_t framesNs(std::int64_t frames, unsigned rate)
{
    return frames * kSecondNs / std::int64_t(rate);
}

// What a tone stamp was taken from (the trace records it), the best first:
//  Audio    the audio timestamp: the stream's own clock says how much had been played at the
//           status's system time, so the first sample left then less that much;
//  Trigger  the system time the stream was started (by the write, the first sample first);
//  Delay    the time of the status (or the write's return) plus the reported delay, less the
//           tone itself: what the device holds ahead of the tone;
//  Write    the write's return, where the device reports no delay (today's stamp);
//  Graph    PipeWire's time of the stream: the graph's clock, the delay to the device and what
//           the stream has queued ahead of the tone;
//  Pulse    PulseAudio's timing of the stream: its read position, the sink's latency;
//  None     no tone (no device: the bell rang).
// Audio, Trigger and Delay add the device's own latency past its buffer (the delay less what the
// buffer holds): its FIFO, the codec, a sound server.
enum class ToneSource { None, Write, Delay, Trigger, Audio, Graph, Pulse };
const char* toneSourceName(ToneSource source);
// The route a source belongs to, as the timing check names it: "hardware timestamps" (Audio,
// Trigger), "PipeWire graph", "PulseAudio timing", "estimate" (Delay, Write) or "none".
const char* toneRouteName(ToneSource source);

// The one tone: 150 ms at 880 Hz with soft 4 ms edges (no click), signed 16-bit mono.
std::vector<std::int16_t> makeTone(unsigned rate);

struct ToneStamp {
    std::int64_t ns = 0; // the first sample, on the program's clock
    ToneSource source = ToneSource::None;
    bool known() const { return source != ToneSource::None; }
};

} // namespace brevane
