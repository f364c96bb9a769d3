#include "Lock.h"

#include "XSession.h"

#include <fcntl.h>
#include <sys/file.h>

#include <iostream>
#include <stdexcept>

namespace timing {

void waitForOtherBenchmarks()
{
    const int fd = open("/tmp/timing_bench.lock", O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return; // no lock to be had: measure anyway
    if (flock(fd, LOCK_EX | LOCK_NB) == 0)
        return;
    std::cout << "timing_bench: another timing_bench is running on this machine; waiting for it to finish\n"
              << std::flush;
    const auto deadline = nowNs() + std::int64_t(20) * 60 * 1000000000;
    while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (nowNs() > deadline)
            throw std::runtime_error("another timing_bench kept running for 20 minutes; try again later");
        sleepForMs(500);
    }
}

} // namespace timing
