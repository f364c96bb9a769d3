#include "platform/audio/ToneSplicer.h"

#include <algorithm>
#include <cstring>

namespace brevane {

ToneSplicer::ToneSplicer(unsigned rate, const Clock& clock)
    : rate_(rate)
    , clock_(clock)
    , tone_(makeTone(rate))
    , position_(tone_.size())
{
}

void ToneSplicer::request(std::int64_t atNs)
{
    const std::lock_guard lock(mutex_);
    ++requested_;
    atNs_ = atNs;
    position_ = tone_.size(); // cut off: placed afresh by the next fill
}

std::ptrdiff_t ToneSplicer::fill(std::int16_t* out, std::size_t frames, std::int64_t firstNs)
{
    std::memset(out, 0, frames * sizeof *out);
    const std::lock_guard lock(mutex_);
    if (firstNs != 0) {
        const std::int64_t nowNs = clock_.nowNs();
        // A longer gap is a stream started afresh, not a fill's wait.
        if (lastFillNs_ != 0 && nowNs - lastFillNs_ < 250'000'000)
            leads_[leadCount_++ % leads_.size()] = firstNs - lastFillNs_;
        lastFillNs_ = nowNs;
    }
    std::size_t at = 0;
    std::ptrdiff_t placedAt = -1;
    if (placedSerial_ != requested_) {
        // The frame nearest the time asked for, rounded up: the tone never starts early.
        std::int64_t offset = 0;
        if (atNs_ != 0 && firstNs != 0 && atNs_ > firstNs)
            offset = ((atNs_ - firstNs) * std::int64_t(rate_) + 999'999'999) / 1'000'000'000;
        if (offset >= std::int64_t(frames))
            return -1; // later than this buffer
        at = std::size_t(offset);
        placedAt = std::ptrdiff_t(at);
        position_ = 0;
        placedSerial_ = requested_;
        placedNs_ = firstNs == 0 ? 0 : firstNs + offset * 1'000'000'000 / std::int64_t(rate_);
        placedChanged_.notify_all();
    }
    const std::size_t n = std::min(frames - at, tone_.size() - position_);
    std::memcpy(out + at, tone_.data() + position_, n * sizeof *out);
    position_ += n;
    return placedAt;
}

ToneStamp ToneSplicer::placed(ToneSource source, std::chrono::milliseconds timeout)
{
    std::unique_lock lock(mutex_);
    if (!placedChanged_.wait_for(lock, timeout, [this] { return placedSerial_ == requested_; }) || placedNs_ == 0)
        return {};
    return {placedNs_, source};
}

std::int64_t ToneSplicer::leadNs() const
{
    const std::lock_guard lock(mutex_);
    const auto end = leads_.begin() + std::ptrdiff_t(std::min(leadCount_, leads_.size()));
    return leadCount_ == 0 ? 0 : std::max<std::int64_t>(0, *std::max_element(leads_.begin(), end));
}

bool ToneSplicer::busy() const
{
    const std::lock_guard lock(mutex_);
    return placedSerial_ != requested_ || position_ < tone_.size();
}

} // namespace brevane
