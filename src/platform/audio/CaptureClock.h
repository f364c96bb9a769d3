#pragma once
// When the frames of a capture block were captured, by the route the recording takes; the
// counterpart of the tone's stamp arithmetic (ToneStamp.h), needing no device, so tests give it
// the values. Each backend fills one of these from its answers right after a block arrived.

#include "platform/audio/ToneStamp.h"

#include <cstdint>
#include <span>

namespace brevane {

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

// PipeWire: the stream's time (pw_stream_get_time_n) in the cycle a buffer was taken. For a
// capture stream the delay (graph clock units, rateNum/rateDenom seconds) is how long ago the
// buffer's first frame left the device, and `buffered` the frames the resampler still holds (older
// yet). On a sink's monitor the delay is the sink's, negative or 0: its frames are played from the
// cycle's time on.
struct GraphCaptureTime {
    std::int64_t nowNs = 0; // the cycle's time on CLOCK_MONOTONIC
    std::uint32_t rateNum = 0, rateDenom = 0;
    std::int64_t delay = 0;
    std::uint64_t buffered = 0;
    unsigned streamRate = 0;
};
// The first frame of the newest buffer taken in the cycle; a buffer waiting before it began that
// many frames earlier. 0 where the graph has no clock yet.
std::int64_t graphCaptureFirstFrameNs(const GraphCaptureTime& t);
// Where buffers left waiting by a late wake-up begin: `waitingFrames` before the newest one's first
// frame (`newestNs`), unless that leaves a gap after the last block taken (ending at `lastEndNs`;
// 0: none yet). A stream whose reader stalled keeps its oldest buffers and loses the newest frames,
// so waiting buffers that do not reach back to the last block follow it, and the loss lies after
// them.
std::int64_t graphCaptureRunStartNs(std::int64_t newestNs, std::int64_t waitingFrames, std::int64_t lastEndNs,
                                    unsigned rate);

// PulseAudio: one answer of the server's timing of a record stream (pa_timing_info): when it was
// current (`timestampNs`, brought to the program's clock) the server had written `writeIndex` bytes
// into the stream, and the source held `sourceUsec` more on their way in; on a sink's monitor the
// sink plays `sinkUsec` behind what it rendered.
struct PulseCaptureTime {
    std::int64_t timestampNs = 0;
    std::int64_t writeIndex = 0; // bytes
    std::int64_t sourceUsec = 0, sinkUsec = 0;
    unsigned bytesPerSecond = 0;
};
// When the stream's byte 0 was captured (on a monitor: played) by one answer; 0 where it cannot tell.
std::int64_t pulseCaptureOriginNs(const PulseCaptureTime& t);
// The same by the earliest of several answers: one the server was held up in giving dates the
// stream late, never early. 0 with none.
std::int64_t pulseCaptureOriginNs(std::span<const PulseCaptureTime> answers);

} // namespace brevane
