#include "platform/input/ServerClock.h"

namespace brevane {

namespace {
constexpr std::int64_t kMs = 1'000'000;

// The start of the server's millisecond `serverMs` on the program's clock, placed by a reading
// `ns` of that clock taken up to a second after it; nothing otherwise.
std::optional<std::int64_t> serverMillisecondStart(std::int64_t ns, std::uint32_t serverMs)
{
    const std::int64_t ms = ns / kMs;
    const std::uint32_t behind = static_cast<std::uint32_t>(ms) - serverMs;
    if (behind > 1000)
        return std::nullopt;
    return (ms - behind) * kMs;
}
} // namespace

bool serverTimesOnProgramClock(std::span<const ServerTimeProbe> probes, std::int64_t slackNs)
{
    for (const ServerTimeProbe& p : probes) {
        // The server read its clock between the two readings: its millisecond began no later than
        // the answer came, and ended (plus the coarse clock's lag) no earlier than the request left.
        const std::optional<std::int64_t> start = serverMillisecondStart(p.afterNs, p.serverMs);
        if (!start || *start > p.afterNs || *start + kMs + slackNs < p.beforeNs)
            return false;
    }
    return !probes.empty();
}

std::optional<std::int64_t> serverBoundPressNs(std::int64_t stampNs, std::uint32_t serverMs, std::int64_t slackNs)
{
    const std::optional<std::int64_t> start = serverMillisecondStart(stampNs, serverMs);
    const std::int64_t span = kMs + slackNs;
    if (!start || stampNs <= *start + span)
        return std::nullopt;
    return *start + span / 2;
}

void ServerClockCheck::sawPress(std::uint32_t serverMs, std::int64_t arrivedNs)
{
    // Arrived before the server's millisecond began: the server counts ahead of the program's
    // clock. (One that arrived long after may have been held up; it is not bounded, see above.)
    const auto ahead = static_cast<std::int32_t>(serverMs - static_cast<std::uint32_t>(arrivedNs / kMs));
    if (ahead > 0)
        state_ = kOther;
}

} // namespace brevane
