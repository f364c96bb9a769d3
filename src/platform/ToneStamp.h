#pragma once
// When the tone's first sample is heard, from what the sound device said right after the tone
// was written to it. AlsaBeeper fills a PcmReport from snd_pcm_status and snd_pcm_delay; the
// arithmetic here needs no device, so tests give it the values.

#include <cstdint>

namespace brevane {

// What a tone stamp was taken from (the trace records it), the best first:
//  Audio    the audio timestamp: the stream's own clock says how much had been played at the
//           status's system time, so the first sample left then less that much;
//  Trigger  the system time the stream was started (by the write, the first sample first);
//  Delay    the time of the status (or the write's return) plus the reported delay, less the
//           tone itself: what the device holds ahead of the tone;
//  Write    the write's return, where the device reports no delay (today's stamp);
//  None     no tone (no device: the bell rang).
// The first three add the device's own latency past its buffer (the delay less what the buffer
// holds): its FIFO, the codec, a sound server.
enum class ToneSource { None, Write, Delay, Trigger, Audio };
const char* toneSourceName(ToneSource source);

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
};

// The first sample's stamp by the best route the report allows. A route whose answer falls
// before the write began, or more than a second after it ended, is on another clock or wrong,
// and the next one is taken.
ToneStamp toneStamp(const PcmReport& r);

} // namespace brevane
