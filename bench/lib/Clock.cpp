#include "lib/Clock.h"

#include <cerrno>
#include <ctime>

namespace timing {

std::int64_t nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

void sleepUntilNs(std::int64_t deadline)
{
    timespec ts{};
    ts.tv_sec = deadline / 1000000000;
    ts.tv_nsec = deadline % 1000000000;
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR) { }
}

void sleepForMs(double ms)
{
    sleepUntilNs(nowNs() + std::int64_t(ms * 1e6));
}

} // namespace timing
