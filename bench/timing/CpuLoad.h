#pragma once
// The busy condition's load: a forked child that only burns CPU, pinned to one core. It is the
// one process the benchmark starts itself; it dies with the benchmark (PR_SET_PDEATHSIG), and
// the harness that started the benchmark ends whatever is left (tests/e2e/brevane_e2e/processes.py).

#include <sys/types.h>

namespace timing {

class CpuLoad {
public:
    explicit CpuLoad(int cpu);
    ~CpuLoad(); // SIGKILL and collect
    CpuLoad(const CpuLoad&) = delete;
    CpuLoad& operator=(const CpuLoad&) = delete;

private:
    pid_t pid_ = -1;
};

} // namespace timing
