#pragma once
// A compositing window manager's report of a frame (the extended frame-synchronisation protocol
// of the X window managers): the window marks the start and end of a frame on a counter of its
// own, the compositor answers the end with _NET_WM_FRAME_DRAWN, carrying the time it drew the
// frame, then with _NET_WM_FRAME_TIMINGS, carrying how long after that the frame reached the
// glass and the monitor's refresh interval. XFrameSync (X side) collects the 32-bit words of the
// two messages; frameTimingsTime turns them into the frame's time.

#include <cstdint>

namespace brevane {

// The words as the messages carry them: the drawn time in microseconds (CLOCK_MONOTONIC on the
// local server) split into low and high halves; the presentation offset in microseconds, signed;
// the refresh interval in microseconds.
struct FrameTimingsWords {
    std::uint32_t drawnLow = 0, drawnHigh = 0;
    std::uint32_t presentationOffset = 0;
    std::uint32_t refreshInterval = 0;
};

struct FrameTime {
    std::int64_t drawnNs = 0;
    std::int64_t presentedNs = 0; // 0: the compositor did not know when the frame was shown
    std::int64_t refreshNs = 0;   // 0: not known
};

// An offset of 0 (or the most negative one) means the compositor had no presentation time for
// the frame; a compositor drawing in software, as on a virtual screen, never has one.
FrameTime frameTimingsTime(const FrameTimingsWords& words);

} // namespace brevane
