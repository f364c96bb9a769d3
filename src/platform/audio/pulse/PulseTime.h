#pragma once
// PulseAudio's timing of the stream the tone is spliced into, and when a byte of it is heard.

#include <cstdint>
#include <span>

namespace brevane {

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

// The recording's side: when a captured block's frames were captured.
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
