#pragma once
// An ALSA device's answers right after the tone was written to it (AlsaBeeper fills a PcmReport
// from snd_pcm_status and snd_pcm_delay), and the first sample's stamp they give.
#include "platform/audio/ToneStamp.h"

#include <cstdint>

namespace brevane {

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

// The recording's side: when a captured block's frames were captured.
// ALSA: the status read right after a block was read. `delayFrames` are the frames captured but
// not yet read at the status's time (after the block); `audioNs` the stream time captured by then
// (the link's position where the driver has one); system times are the program's clock only when
// `monotonic`.
struct AlsaCaptureReport {
    std::int64_t readStartNs = 0, readEndNs = 0; // the program's clock around the read
    unsigned rate = 0;
    long frames = 0;               // in the block
    std::int64_t framesBefore = 0; // read since the stream started, before the block
    bool status = false, monotonic = false;
    std::int64_t statusNs = 0, triggerNs = 0, audioNs = 0;
    bool audioValid = false;
    long delayFrames = 0;
};
// The block's first frame by the best route the report allows (Audio, Delay, Trigger, else Write:
// the read's return less the block). A route that puts the frame after the read returned, or more
// than two seconds before it began, is on another clock or wrong, and the next one is taken.
ToneStamp alsaCaptureFirstFrame(const AlsaCaptureReport& r);

} // namespace brevane
