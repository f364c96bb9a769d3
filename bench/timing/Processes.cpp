#include "Processes.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <thread>

namespace timing {

namespace {

// What the signal handler may touch: plain ids, no allocation.
constexpr int kMaxChildren = 16;
volatile sig_atomic_t g_childCount = 0;
std::array<volatile pid_t, kMaxChildren> g_children{};

void registerChild(pid_t pid)
{
    for (int i = 0; i < kMaxChildren; ++i) {
        if (g_children[i] == 0) {
            g_children[i] = pid;
            if (i + 1 > g_childCount)
                g_childCount = i + 1;
            return;
        }
    }
}

void forgetChild(pid_t pid)
{
    for (int i = 0; i < kMaxChildren; ++i)
        if (g_children[i] == pid)
            g_children[i] = 0;
}

void onInterrupt(int sig)
{
    for (int i = 0; i < g_childCount; ++i) {
        const pid_t pid = g_children[i];
        if (pid > 0)
            kill(-pid, SIGKILL); // each child leads its own process group
    }
    const char msg[] = "\ntiming_bench: interrupted; the processes it started were killed\n";
    [[maybe_unused]] ssize_t n = write(STDERR_FILENO, msg, sizeof msg - 1);
    _exit(128 + sig);
}

cpu_set_t captureAffinity()
{
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) != 0)
        for (int i = 0; i < CPU_SETSIZE; ++i)
            CPU_SET(i, &set);
    return set;
}

const cpu_set_t g_originalAffinity = captureAffinity();

// Runs in the forked child before exec: only async-signal-safe calls from here on where it
// matters; the benchmark is single-threaded, so the rest is safe as well.
[[noreturn]] void childFail(const char* what)
{
    const int e = errno;
    dprintf(STDERR_FILENO, "timing_bench child: %s: %s\n", what, strerror(e));
    _exit(127);
}

void becomeChild(pid_t parent)
{
    // If the benchmark dies without cleaning up, its children die with it.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent)
        _exit(0);
    setpgid(0, 0);
    signal(SIGINT, SIG_DFL);
    signal(SIGTERM, SIG_DFL);
    signal(SIGHUP, SIG_DFL);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
}

} // namespace

const cpu_set_t& Processes::originalAffinity()
{
    return g_originalAffinity;
}

Processes::Processes() = default;

Processes::~Processes()
{
    stopAll();
}

pid_t Processes::spawn(const std::string& name, const std::vector<std::string>& argv,
                       const SpawnOptions& options)
{
    if (argv.empty())
        throw std::runtime_error("spawn " + name + ": no command");
    std::vector<char*> args;
    for (const auto& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);

    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("fork for " + name + ": " + strerror(errno));
    if (pid == 0) {
        becomeChild(parent);
        const cpu_set_t affinity = options.affinity.value_or(g_originalAffinity);
        sched_setaffinity(0, sizeof affinity, &affinity);
        if (!options.workDir.empty() && chdir(options.workDir.c_str()) != 0)
            childFail(("chdir " + options.workDir).c_str());
        for (const auto& key : options.unsetEnv)
            unsetenv(key.c_str());
        for (const auto& [key, value] : options.setEnv)
            setenv(key.c_str(), value.c_str(), 1);
        const int in = open("/dev/null", O_RDONLY);
        const int out = options.logFile.empty()
            ? open("/dev/null", O_WRONLY)
            : open(options.logFile.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (in < 0 || out < 0)
            childFail(("open " + options.logFile).c_str());
        dup2(in, STDIN_FILENO);
        dup2(out, STDOUT_FILENO);
        dup2(out, STDERR_FILENO);
        if (in > STDERR_FILENO)
            close(in);
        if (out > STDERR_FILENO)
            close(out);
        int keep = -1;
        if (options.passFd) {
            const auto [from, to] = *options.passFd;
            if (from == to)
                fcntl(to, F_SETFD, 0);
            else if (dup2(from, to) < 0)
                childFail("dup2");
            keep = to;
        }
        // Everything else the benchmark holds (its X connection, pipes) stays behind.
        for (int fd = 3; fd < 1024; ++fd)
            if (fd != keep)
                close(fd);
        execvp(args[0], args.data());
        childFail(("exec " + argv[0]).c_str());
    }
    setpgid(pid, pid); // also from this side, so a kill of the group right away cannot miss
    children_.emplace_back(pid, name);
    registerChild(pid);
    return pid;
}

pid_t Processes::spawnBusyLoop(int cpu)
{
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error(std::string("fork for the CPU load: ") + strerror(errno));
    if (pid == 0) {
        becomeChild(parent);
        cpu_set_t set;
        CPU_ZERO(&set);
        CPU_SET(cpu, &set);
        sched_setaffinity(0, sizeof set, &set);
        for (int fd = 3; fd < 1024; ++fd)
            close(fd);
        volatile std::uint64_t n = 0;
        for (;;)
            n = n + 1;
    }
    setpgid(pid, pid);
    children_.emplace_back(pid, "CPU load");
    registerChild(pid);
    return pid;
}

bool Processes::owns(pid_t pid) const
{
    return std::any_of(children_.begin(), children_.end(), [pid](const auto& c) { return c.first == pid; });
}

void Processes::forget(pid_t pid)
{
    std::erase_if(children_, [pid](const auto& c) { return c.first == pid; });
    forgetChild(pid);
}

bool Processes::exited(pid_t pid, int* status)
{
    if (!owns(pid))
        return true;
    int st = 0;
    const pid_t r = waitpid(pid, &st, WNOHANG);
    if (r == pid || (r < 0 && errno == ECHILD)) {
        if (status)
            *status = st;
        forget(pid);
        return true;
    }
    return false;
}

void Processes::stop(pid_t pid, std::chrono::milliseconds grace)
{
    if (!owns(pid))
        return;
    if (exited(pid))
        return;
    kill(-pid, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + grace;
    while (std::chrono::steady_clock::now() < deadline) {
        if (exited(pid)) {
            kill(-pid, SIGKILL); // anything it left in its group
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(-pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    forget(pid);
}

void Processes::stopAll()
{
    // Newest first: the program before the X server it draws on.
    while (!children_.empty())
        stop(children_.back().first);
}

std::string Processes::nameOf(pid_t pid) const
{
    for (const auto& [p, name] : children_)
        if (p == pid)
            return name;
    return "?";
}

std::vector<pid_t> Processes::running() const
{
    std::vector<pid_t> out;
    for (const auto& [pid, name] : children_)
        out.push_back(pid);
    return out;
}

void installInterruptHandlers()
{
    struct sigaction sa {};
    sa.sa_handler = onInterrupt;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGHUP, &sa, nullptr);
}

std::string describeStatus(int status)
{
    if (WIFEXITED(status))
        return "exited with code " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status))
        return std::string("killed by signal ") + strsignal(WTERMSIG(status));
    return "ended";
}

} // namespace timing
