#include "timing_check/CaptureRecording.h"

#include <algorithm>
#include <cmath>

namespace brevane {

namespace {
constexpr std::size_t kMostMissing = 20; // a twentieth of a window may be lost between blocks
}

CaptureRecording::CaptureRecording(unsigned rate, std::int64_t keepNs)
    : rate_(rate)
    , keepNs_(keepNs)
{
}

void CaptureRecording::add(const CaptureBlock& block)
{
    if (block.frames.empty() || block.firstNs == 0)
        return;
    const std::lock_guard lock(mutex_);
    blocks_.push_back(block);
    while (!blocks_.empty() && block.firstNs - blocks_.front().firstNs > keepNs_)
        blocks_.pop_front();
}

void CaptureRecording::clear()
{
    const std::lock_guard lock(mutex_);
    blocks_.clear();
}

std::int64_t CaptureRecording::latestNs() const
{
    const std::lock_guard lock(mutex_);
    if (blocks_.empty())
        return 0;
    return blocks_.back().firstNs + std::int64_t(blocks_.back().frames.size()) * 1'000'000'000 / rate_;
}

std::optional<SignalWindow> CaptureRecording::window(std::int64_t fromNs, std::int64_t toNs,
                                                     std::int64_t anchorNs) const
{
    const std::lock_guard lock(mutex_);
    const auto frameNs = [this](std::int64_t frames) { return frames * 1'000'000'000 / std::int64_t(rate_); };
    // On the grid of the block that holds the anchor, so that its frames fall on whole places.
    const CaptureBlock* anchor = nullptr;
    for (const CaptureBlock& b : blocks_)
        if (b.firstNs <= anchorNs || !anchor)
            anchor = &b;
    if (!anchor || toNs <= fromNs)
        return std::nullopt;
    SignalWindow w;
    w.rate = rate_;
    const std::int64_t back = (anchor->firstNs - fromNs) * rate_ / 1'000'000'000 + 1;
    w.startNs = anchor->firstNs - frameNs(back);
    const auto frames = std::size_t((toNs - w.startNs) * rate_ / 1'000'000'000 + 1);
    // Each block's frames where its own time puts them: a block late or early by the capture's
    // jitter shifts nothing else, and frames lost between blocks are a gap, not a shift.
    std::vector<bool> filled(frames, false);
    w.frames.assign(frames, 0.0f);
    for (const CaptureBlock& b : blocks_) {
        const std::int64_t first = std::llround(double(b.firstNs - w.startNs) * rate_ / 1e9);
        if (first >= std::int64_t(frames) || first + std::int64_t(b.frames.size()) <= 0)
            continue;
        for (std::size_t k = 0; k < b.frames.size(); ++k)
            if (const std::int64_t at = first + std::int64_t(k); at >= 0 && at < std::int64_t(frames)) {
                w.frames[std::size_t(at)] = b.frames[k];
                filled[std::size_t(at)] = true;
            }
    }
    std::size_t missing = 0;
    for (std::size_t i = 0; i < frames; ++i)
        if (!filled[i]) {
            ++missing;
            w.frames[i] = i > 0 ? w.frames[i - 1] : 0.0f; // held: a gap reads as no change
        }
    if (!filled.front() || !filled.back() || missing > frames / kMostMissing)
        return std::nullopt;
    return w;
}

} // namespace brevane
