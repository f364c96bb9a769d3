#pragma once
#include "platform/audio/SoundCapture.h"
#include "timing_check/Onsets.h"

#include <deque>
#include <mutex>
#include <optional>

namespace brevane {

// What the sound card's input recorded, kept for the last `keepNs`: blocks come in from the
// capture's thread (add), windows are cut on the GUI thread (window). A window lies on the frame
// grid of the block that holds `anchorNs` (the stamp it is cut around), and every block's frames
// go where that block's own time puts them: a block dated a little late or early shifts no other,
// and frames lost between blocks are held over (no change), up to a twentieth of the window.
class CaptureRecording {
public:
    explicit CaptureRecording(unsigned rate, std::int64_t keepNs = 40'000'000'000);
    void add(const CaptureBlock& block); // any thread
    void clear();
    // [fromNs, toNs]; nothing where the recording does not reach both ends or lost more of it.
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
