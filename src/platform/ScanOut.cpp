#include "platform/ScanOut.h"

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

} // namespace brevane
