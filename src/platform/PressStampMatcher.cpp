#include "platform/PressStampMatcher.h"

#include <algorithm>

namespace brevane {

namespace {
constexpr std::int64_t kMs = 1'000'000;

// The end of the server's millisecond `serverMs` on the program's clock, placed by a stamp
// taken after it; nothing when the two are more than a second apart (another clock).
bool serverMillisecondEnd(std::int64_t stampNs, std::uint32_t serverMs, std::int64_t& endNs)
{
    const std::int64_t stampMs = stampNs / kMs;
    const std::uint32_t behind = static_cast<std::uint32_t>(stampMs) - serverMs;
    if (behind > 1000)
        return false;
    endNs = (stampMs - behind + 1) * kMs;
    return true;
}
} // namespace

std::int64_t refinePressStamp(std::int64_t stampNs, std::uint32_t serverMs, std::int64_t slackNs)
{
    std::int64_t endNs = 0;
    return serverMillisecondEnd(stampNs, serverMs, endNs) ? std::min(stampNs, endNs + slackNs) : stampNs;
}

const char* pressSourceName(PressSource source)
{
    switch (source) {
    case PressSource::Kernel:
        return "kernel";
    case PressSource::Raw:
        return "raw";
    case PressSource::Server:
        return "server";
    case PressSource::Handler:
        break;
    }
    return "handler";
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

bool PressStampMatcher::attach(KernelPressSource& source, std::string& why)
{
    return source.start([this](std::int64_t ns) { kernelPress(ns); }, why);
}

void PressStampMatcher::rawPress(std::uint32_t serverMs, std::int64_t arrivedNs)
{
    const std::lock_guard lock(mutex_);
    raw_[next_++ % raw_.size()] = {serverMs, arrivedNs};
}

void PressStampMatcher::kernelPress(std::int64_t kernelNs)
{
    const std::lock_guard lock(mutex_);
    kernel_[nextKernel_++ % kernel_.size()] = kernelNs;
}

PressStamp PressStampMatcher::stamp(std::int64_t fallbackNs, std::uint32_t serverMs) const
{
    PressStamp best{fallbackNs, PressSource::Handler};
    std::int64_t serverEndNs = 0;
    const bool sameClock = serverMillisecondEnd(fallbackNs, serverMs, serverEndNs);
    serverEndNs += slackNs_;
    {
        const std::lock_guard lock(mutex_);
        // A raw press of the same server time that arrived before the handler ran, and not
        // so long before that the server's 32-bit time could have wrapped onto it.
        for (const Raw& r : raw_)
            if (r.arrivedNs != 0 && r.serverMs == serverMs && r.arrivedNs <= fallbackNs &&
                fallbackNs - r.arrivedNs < 1'000'000'000 && r.arrivedNs < best.ns)
                best = {r.arrivedNs, PressSource::Raw};
        // The server stamped the press when it read it, after the kernel did: the kernel's
        // press is the latest one up to the end of the server's millisecond.
        std::int64_t kernelNs = 0;
        if (sameClock)
            for (const std::int64_t k : kernel_)
                if (k != 0 && k <= serverEndNs && k > serverEndNs - slackNs_ - kMs - kKernelLeadNs)
                    kernelNs = std::max(kernelNs, k);
        if (kernelNs != 0 && kernelNs < best.ns)
            best = {kernelNs, PressSource::Kernel};
    }
    const std::int64_t refined = refinePressStamp(best.ns, serverMs, slackNs_);
    return refined < best.ns ? PressStamp{refined, PressSource::Server} : best;
}

} // namespace brevane
