#pragma once
// When the tone's first sample is heard, by the route the sound goes: from what an ALSA device
// said right after the tone was written to it (AlsaBeeper fills a PcmReport from snd_pcm_status
// and snd_pcm_delay), or from the sound server's timing of a stream kept running on silence into
// which the tone is spliced (GraphTime under PipeWire, PulseTime under PulseAudio). The
// arithmetic here needs no device, so tests give it the values.

#include <cstdint>
#include <vector>

namespace brevane {

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

// The device's answers just after the tone was written, as plain values. The tone was written to
// a stopped stream, so its first frame is the first the stream plays. System times are on the
// program's clock only when `monotonic` (the device was set to stamp on CLOCK_MONOTONIC); a
// stamp of 0 is one the device did not give.
struct PcmReport {
    std::int64_t writeStartNs = 0, writeEndNs = 0; // the program's clock around the write
    unsigned rate = 0;
    long toneFrames = 0;
    bool status = false; // snd_pcm_status answered
    bool monotonic = false;
    std::int64_t statusNs = 0, triggerNs = 0, audioNs = 0; // audioNs: stream time played
    bool audioValid = false;
    long delayFrames = 0, availFrames = 0, bufferFrames = 0; // from the status
    bool delayKnown = false; // snd_pcm_delay at the write's return, where there is no status
    long writeDelayFrames = 0;
    long leadFrames = 0; // silence written ahead of the tone, to start it at a given time
};

// The first sample's stamp by the best route the report allows. A route whose answer falls
// before the write began, or more than a second after it ended, is on another clock or wrong,
// and the next one is taken.
ToneStamp toneStamp(const PcmReport& r);

// PipeWire's time of a playback stream (pw_stream_get_time_n), read as a buffer is filled in the
// graph's cycle: `delay` is in the graph's clock units (rateNum/rateDenom seconds), `queued` (the
// frames in the buffers queued ahead) and `buffered` (the resampler's) in the stream's frames.
// The stream hands the graph the buffer filled in the cycle before and asks for the next one, so
// the buffer being filled plays after this cycle's (`cycleFrames`, the quantum asked for).
struct GraphTime {
    std::int64_t nowNs = 0; // the graph cycle's time, on CLOCK_MONOTONIC
    std::uint32_t rateNum = 0, rateDenom = 0;
    std::int64_t delay = 0;
    std::uint64_t queued = 0, buffered = 0;
    unsigned streamRate = 0;
    std::uint64_t cycleFrames = 0;
};
// When the first frame of the buffer being filled is played; 0 when the time is not known yet
// (no graph clock).
std::int64_t graphFirstFrameNs(const GraphTime& t);

// PulseAudio's timing of a playback stream (pa_timing_info) and one byte of the stream. When the
// server answered (`timestampNs`: the answer's time is the server's own, when the figures were
// current, brought to the program's clock) it had read the stream up to `readIndex` and the sink
// held `sinkUsec` ahead of its output: the byte at `byteIndex` is heard that much later, plus the
// bytes between the two (less, for a byte already read). Not known while the stream was not
// playing (run dry, or not started), nor for a byte read before an underrun that the answer
// cannot see past: the bytes since it (`sinceUnderrun`) were not all handed to the sink.
struct PulseTime {
    std::int64_t timestampNs = 0;
    std::int64_t readIndex = 0, byteIndex = 0; // bytes
    std::int64_t sinkUsec = 0;
    bool playing = false;
    std::int64_t sinceUnderrun = 0; // bytes
    unsigned bytesPerSecond = 0;
};
std::int64_t pulseFirstFrameNs(const PulseTime& t);
// A byte heard, as a fresh answer dates it, or as the older answer it was placed by dates it where
// the fresh one shows that the stream has played without a gap since the older one's read
// position: the earlier of the two, for an answer the server was held up in giving dates the byte
// late, never early. 0 where the fresh answer cannot tell.
std::int64_t pulseHeardNs(const PulseTime& fresh, const PulseTime& placedBy);

} // namespace brevane
