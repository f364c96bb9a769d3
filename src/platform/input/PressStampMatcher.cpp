#include "platform/input/PressStampMatcher.h"

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

unsigned xButtonOfKernelCode(unsigned code)
{
    constexpr unsigned kLeft = 0x110, kMiddle = 0x112, kRight = 0x111, kSide = 0x113, kTask = 0x117;
    switch (code) {
    case kLeft:
        return 1;
    case kMiddle:
        return 2;
    case kRight:
        return 3;
    default:
        return code >= kSide && code <= kTask ? 8 + (code - kSide) : 0;
    }
}

PressStampMatcher::PressStampMatcher(std::int64_t serverSlackNs)
    : slackNs_(serverSlackNs)
{
}

bool PressStampMatcher::attach(RawPressSource& source)
{
    attached_ = source.start([this](const RawPress& press) { rawPress(press); }, why_);
    if (attached_)
        why_.clear();
    if (const std::optional<bool> same = source.serverClockOnProgramClock(); attached_ && same)
        serverClock_.probed(*same);
    return attached_;
}

bool PressStampMatcher::attach(KernelPressSource& source, std::string& why)
{
    return source.start([this](const KernelPress& press) { kernelPress(press); }, why);
}

void PressStampMatcher::rawPress(const RawPress& press)
{
    serverClock_.sawPress(press.serverMs, press.arrivedNs);
    const std::lock_guard lock(mutex_);
    raw_[next_++ % raw_.size()] = press;
}

void PressStampMatcher::kernelPress(const KernelPress& press)
{
    const std::lock_guard lock(mutex_);
    kernel_[nextKernel_++ % kernel_.size()] = press;
}

// The earliest raw press of the server time and button that arrived before the handler ran,
// and not so long before that the server's 32-bit time could have wrapped onto it.
const RawPress* PressStampMatcher::rawPressOf(std::int64_t fallbackNs, std::uint32_t serverMs, unsigned button) const
{
    const RawPress* found = nullptr;
    for (const RawPress& r : raw_)
        if (r.arrivedNs != 0 && r.serverMs == serverMs && r.arrivedNs <= fallbackNs &&
            fallbackNs - r.arrivedNs < 1'000'000'000 &&
            (button == 0 || r.mappedButton == 0 || r.mappedButton == button) &&
            (!found || r.arrivedNs < found->arrivedNs))
            found = &r;
    return found;
}

PressStamp PressStampMatcher::stamp(std::int64_t fallbackNs, std::uint32_t serverMs, unsigned button) const
{
    PressStamp best{fallbackNs, PressSource::Handler};
    std::int64_t serverEndNs = 0;
    const bool sameClock = serverClock_.bounds() && serverMillisecondEnd(fallbackNs, serverMs, serverEndNs);
    serverEndNs += slackNs_;
    {
        const std::lock_guard lock(mutex_);
        const RawPress* raw = rawPressOf(fallbackNs, serverMs, button);
        if (raw && raw->arrivedNs < best.ns)
            best = {raw->arrivedNs, PressSource::Raw};
        // The server stamped the press when it read it, after the kernel did: the kernel's
        // press is the latest one of that device and button up to the end of the server's
        // millisecond.
        std::int64_t kernelNs = 0;
        if (sameClock && raw && !raw->node.empty())
            for (const KernelPress& k : kernel_)
                if (k.ns != 0 && k.node == raw->node && k.button == raw->button && k.ns <= serverEndNs &&
                    k.ns > serverEndNs - slackNs_ - kMs - kKernelLeadNs)
                    kernelNs = std::max(kernelNs, k.ns);
        if (kernelNs != 0 && kernelNs < best.ns)
            best = {kernelNs, PressSource::Kernel};
    }
    // Held up past the server's millisecond on its way here: the server's time says when it was.
    if (const std::optional<std::int64_t> bound = serverBoundPressNs(best.ns, serverMs, slackNs_);
        bound && serverClock_.bounds())
        return {*bound, PressSource::Server};
    return best;
}

} // namespace brevane
