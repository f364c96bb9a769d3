#include "platform/PressStampMatcher.h"

#include <algorithm>

namespace reflex {

std::int64_t refinePressStamp(std::int64_t stampNs, std::uint32_t serverMs, std::int64_t slackNs)
{
    constexpr std::int64_t kMs = 1'000'000;
    const std::int64_t stampMs = stampNs / kMs;
    const std::uint32_t behind = static_cast<std::uint32_t>(stampMs) - serverMs;
    if (behind > 1000)
        return stampNs;
    const std::int64_t serverEndNs = (stampMs - behind + 1) * kMs + slackNs;
    return std::min(stampNs, serverEndNs);
}

PressStampMatcher::PressStampMatcher(std::int64_t serverSlackNs)
    : slackNs_(serverSlackNs)
{
}

bool PressStampMatcher::attach(RawPressSource& source)
{
    attached_ = source.start([this](std::uint32_t ms, std::int64_t ns) { rawPress(ms, ns); }, why_);
    if (attached_)
        why_.clear();
    return attached_;
}

void PressStampMatcher::rawPress(std::uint32_t serverMs, std::int64_t arrivedNs)
{
    const std::lock_guard lock(mutex_);
    raw_[next_++ % raw_.size()] = {serverMs, arrivedNs};
}

std::int64_t PressStampMatcher::stamp(std::int64_t fallbackNs, std::uint32_t serverMs) const
{
    std::int64_t best = fallbackNs;
    {
        const std::lock_guard lock(mutex_);
        // A raw press of the same server time that arrived before the handler ran, and not
        // so long before that the server's 32-bit time could have wrapped onto it.
        for (const Raw& r : raw_)
            if (r.arrivedNs != 0 && r.serverMs == serverMs && r.arrivedNs <= fallbackNs &&
                fallbackNs - r.arrivedNs < 1'000'000'000)
                best = std::min(best, r.arrivedNs);
    }
    return refinePressStamp(best, serverMs, slackNs_);
}

} // namespace reflex
