#pragma once
// What the CPUs did meanwhile. The machine is shared: the benchmark tells its own processes
// (itself, the harness that started it, and everything that harness started: the X server,
// the program, the CPU load) from everyone else's, and reports the host's steal time.

#include <string>

namespace timing {

struct CpuMeter {
    unsigned long long total = 0, busy = 0, steal = 0; // all CPUs, from /proc/stat
    unsigned long long own = 0;                        // the benchmark's processes
};

struct CpuUse {
    double own = 0, other = 0, steal = 0; // in cores
};

// A reading now; `family` is the process whose descendants count as the benchmark's own.
CpuMeter readCpuMeter(int family);
CpuUse cpuUseBetween(const CpuMeter& before, const CpuMeter& after);

std::string readFirstLine(const std::string& path);
std::string cpuModel();

} // namespace timing
