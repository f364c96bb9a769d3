#include "timing_check/CaptureRecording.h"

#include <algorithm>
#include <cmath>

namespace brevane {

namespace {
constexpr std::int64_t kJoinNs = 500'000; // how far a block may start from where the last ended
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
    const auto endOf = [&](const CaptureBlock& b) { return b.firstNs + frameNs(std::int64_t(b.frames.size())); };
    std::size_t first = 0;
    while (first < blocks_.size() && endOf(blocks_[first]) <= fromNs)
        ++first;
    if (first == blocks_.size() || blocks_[first].firstNs > fromNs)
        return std::nullopt;
    // The unbroken run of blocks to toNs, and the last of them that starts by the anchor.
    std::size_t last = first, anchor = first;
    std::int64_t beforeAnchor = 0, counted = 0;
    for (;; ++last) {
        const CaptureBlock& b = blocks_[last];
        if (b.firstNs <= anchorNs)
            anchor = last, beforeAnchor = counted;
        counted += std::int64_t(b.frames.size());
        if (endOf(b) >= toNs)
            break;
        if (last + 1 == blocks_.size() || std::llabs(blocks_[last + 1].firstNs - endOf(b)) > kJoinNs)
            return std::nullopt;
    }
    const std::int64_t runStartNs = blocks_[anchor].firstNs - frameNs(beforeAnchor);
    const std::int64_t skip = std::max<std::int64_t>(0, (fromNs - runStartNs) * rate_ / 1'000'000'000);
    SignalWindow w;
    w.rate = rate_;
    w.startNs = runStartNs + frameNs(skip);
    const std::int64_t wanted = std::min(counted - skip, (toNs - w.startNs) * rate_ / 1'000'000'000 + 1);
    w.frames.reserve(std::size_t(std::max<std::int64_t>(0, wanted)));
    std::int64_t at = 0;
    for (std::size_t i = first; i <= last; ++i)
        for (float f : blocks_[i].frames)
            if (at++ >= skip && std::int64_t(w.frames.size()) < wanted)
                w.frames.push_back(f);
    return w;
}

} // namespace brevane
