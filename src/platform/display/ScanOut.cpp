#include "platform/display/ScanOut.h"

#include <cmath>

namespace brevane {

double linePeriodNs(std::uint32_t htotal, std::uint64_t dotClockHz)
{
    return htotal == 0 || dotClockHz == 0 ? 0.0 : double(htotal) * 1e9 / double(dotClockHz);
}

std::int64_t scanOutDelayNs(const std::vector<ScanOutMonitor>& monitors, int screenX, int screenY)
{
    for (const ScanOutMonitor& m : monitors)
        if (screenX >= m.x && screenX < m.x + m.width && screenY >= m.y && screenY < m.y + m.height)
            return std::llround(double(screenY - m.y) * m.linePeriodNs);
    return 0;
}

std::int64_t nextRefreshNs(std::int64_t ns, std::int64_t refreshNs, std::int64_t periodNs)
{
    if (periodNs <= 0)
        return ns;
    const std::int64_t since = ns - refreshNs;
    const std::int64_t frames = since >= 0 ? (since + periodNs - 1) / periodNs : -(-since / periodNs);
    return refreshNs + frames * periodNs;
}

} // namespace brevane
