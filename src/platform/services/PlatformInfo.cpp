#include "BuildInfo.h"
#include "platform/services/Clock.h"
#include "platform/services/ProgramInfo.h"
#include "platform/services/Screen.h"

#include <QCoreApplication>
#include <cerrno>
#include <cmath>
#include <ctime>

// The platform facts that need no window system: the monotonic clock, twips, the version.

namespace brevane {

std::int64_t MonotonicClock::nowNs() const
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// Sleeps rather than spins: the X server needs the processor right then to draw the stimulus.
void MonotonicClock::waitUntil(std::int64_t deadlineNs)
{
    const timespec until{time_t(deadlineNs / 1000000000), long(deadlineNs % 1000000000)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) { }
}

long ScreenMetrics::widthTwips() const
{
    return std::lround(widthPx * twipsPerPixelX);
}

long ScreenMetrics::heightTwips() const
{
    return std::lround(heightPx * twipsPerPixelY);
}

ProgramVersion ProgramVersion::current()
{
    return {BREVANE_VERSION_MAJOR, BREVANE_VERSION_MINOR, BREVANE_VERSION_PATCH};
}

QString ProgramVersion::compact() const
{
    return QCoreApplication::translate("ProgramVersion", "Version %1.%2%3").arg(major).arg(minor).arg(revision);
}

QString ProgramVersion::dotted() const
{
    return QStringLiteral("%1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString commandLineString(const QStringList& arguments)
{
    return arguments.mid(1).join(QLatin1Char(' '));
}

} // namespace brevane
