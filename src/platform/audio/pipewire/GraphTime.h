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

} // namespace brevane
