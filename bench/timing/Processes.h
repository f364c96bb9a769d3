#pragma once
// Child processes of the benchmark: the X server, the program under test and the CPU load.
// Every process started here is ended here, by its id, also when the benchmark is interrupted.

#include <sched.h>
#include <sys/types.h>

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace timing {

struct SpawnOptions {
    std::string workDir;                        // empty: the benchmark's own
    std::map<std::string, std::string> setEnv;  // added or replaced
    std::vector<std::string> unsetEnv;
    std::string logFile;                        // stdout and stderr go here; empty: /dev/null
    std::optional<std::pair<int, int>> passFd;  // this descriptor, open in the child under that number
    std::optional<cpu_set_t> affinity;          // else the affinity the benchmark started with
};

class Processes {
public:
    Processes();
    ~Processes(); // ends whatever is still running
    Processes(const Processes&) = delete;
    Processes& operator=(const Processes&) = delete;

    pid_t spawn(const std::string& name, const std::vector<std::string>& argv, const SpawnOptions& options);
    // A child that only burns CPU, pinned to `cpu`.
    pid_t spawnBusyLoop(int cpu);

    // Has the child ended? Collects it if so.
    bool exited(pid_t pid, int* status = nullptr);
    // SIGTERM, then SIGKILL after `grace`; always collects the child.
    void stop(pid_t pid, std::chrono::milliseconds grace = std::chrono::milliseconds(2000));
    void stopAll();

    std::string nameOf(pid_t pid) const;
    std::vector<pid_t> running() const;

    // The affinity mask the benchmark had before it pinned itself; children get it back.
    static const cpu_set_t& originalAffinity();

private:
    bool owns(pid_t pid) const;
    void forget(pid_t pid);

    std::vector<std::pair<pid_t, std::string>> children_; // in the order they were started
};

// Installs SIGINT/SIGTERM/SIGHUP handlers that kill every registered child and exit.
void installInterruptHandlers();

std::string describeStatus(int status);

} // namespace timing
