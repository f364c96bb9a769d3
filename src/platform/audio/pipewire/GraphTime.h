#pragma once
// PipeWire's timing of the stream the tone is spliced into, and when a buffer being filled is heard.

#include <cstdint>

namespace brevane {

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

// The recording's side: when a captured block's frames were captured.
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

} // namespace brevane
