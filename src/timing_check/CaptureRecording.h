#pragma once
#include "platform/audio/SoundCapture.h"
#include "timing_check/Onsets.h"

#include <deque>
#include <mutex>
#include <optional>

namespace brevane {

// What the sound card's input recorded, kept for the last `keepNs`: blocks come in from the
// capture's thread (add), windows are cut on the GUI thread (window). A window is timed from the
// block that holds `anchorNs` (the stamp it is cut around), so the blocks' own small jitter
// does not shift it; it must be one unbroken run of blocks, each where the one before ended.
class CaptureRecording {
public:
    explicit CaptureRecording(unsigned rate, std::int64_t keepNs = 40'000'000'000);
    void add(const CaptureBlock& block); // any thread
    void clear();
    // [fromNs, toNs), timed by the block holding anchorNs; nothing where the recording does not
    // cover it or breaks within it.
    std::optional<SignalWindow> window(std::int64_t fromNs, std::int64_t toNs, std::int64_t anchorNs) const;
    std::int64_t latestNs() const; // the end of the last block; 0: none yet
    unsigned rate() const { return rate_; }

private:
    const unsigned rate_;
    const std::int64_t keepNs_;
    mutable std::mutex mutex_;
    std::deque<CaptureBlock> blocks_;
};

} // namespace brevane
