// timing_bench: how far the reaction time a program stores is from the true time between the
// stimulus reaching the screen and the press.
//
// A software photodiode reads the stimulus area of the screen of a private X server (Xvfb)
// through MIT-SHM every few hundred microseconds and stamps the moment the colour changes; a
// robot finger sends a real XTest button press a known, random time after that moment. After
// every series the stored times (recover.dat) and, where the program writes it, the trace of
// its unrounded stamps are paired with the true delays.

#include "Processes.h"
#include "Stats.h"
#include "XSession.h"

#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <cerrno>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace timing;
using std::chrono::milliseconds;

namespace {

// ---------------------------------------------------------------------------------------------
// Options

struct Options {
    std::string program;
    std::string title = "Simple Choice Stimulus Module";
    Rect watch{199, 198, 306, 115};      // client-relative: the stimulus panel
    Point press{96, 260};                // client-relative: centre of the left circle
    std::string menuTitle = "Simple vs Complex Stimulus Reaction Timing";
    Point menuClick{180, 144};           // client-relative: the menu's "Simple" button
    Point startClick{56, 543};           // client-relative: the test window's "Start" button
    std::string startQuestion = "Start Reflex Data Collection";
    std::string startKey = "y";
    std::string endTitle = "END RUN";
    std::string endKey = "Return";
    std::string recoverFile = "recover.dat";
    std::string traceEnv = "REFLEX_TIMING_TRACE";
    int runs = 10;
    int series = 12;
    int intervalMs = 1000;
    double delayMinMs = 150;
    double delayMaxMs = 450;
    int pollUs = 200;
    int releaseAfterMs = 40;
    int rtPriority = 50;
    std::vector<std::string> conditions{"idle", "busy"};
    double quietBelow = 0.1;
    int retries = 6;
    std::string results;
    std::string raw;
    std::optional<std::uint64_t> seed;
    bool keepTemp = false;
};

const char* kUsage = R"(usage: timing_bench --program PATH [options]

Starts Xvfb and the program, drives it with real X input and measures the error of the
reaction times it stores against the true delay between stimulus onset and press.

  --program PATH          the program to measure (Release build)               required
  --title TEXT            test window title          [Simple Choice Stimulus Module]
  --watch X,Y,W,H         client-relative area that changes colour   [199,198,306,115]
  --press X,Y             client-relative point to press                      [96,260]
  --menu-title TEXT       window to open the test from ('' = none)
                                            [Simple vs Complex Stimulus Reaction Timing]
  --menu-click X,Y        client-relative point clicked in it                [180,144]
  --start-click X,Y       client-relative Start button in the test window     [56,543]
  --start-question TEXT   title of the question Start asks [Start Reflex Data Collection]
  --start-key KEYSYM      key that answers it                                      [y]
  --end-title TEXT        title of the end-of-series message                 [END RUN]
  --end-key KEYSYM        key that closes it                                  [Return]
  --recover-file NAME     file with the stored times (lines 1..10)       [recover.dat]
  --trace-env NAME        variable naming the stamp trace file   [REFLEX_TIMING_TRACE]
  --runs N                runs per series (1..20; the first 10 are stored)        [10]
  --series N              series per condition                                   [12]
  --interval MS           fixed waiting interval written to Reflex.cfg          [1000]
  --delay MIN,MAX         true press delay after onset, uniform, ms          [150,450]
  --poll-us N             photodiode period, microseconds                        [200]
  --rt-priority N         SCHED_FIFO priority of the benchmark (0 = none)         [50]
  --conditions LIST       comma-separated idle|busy, in order              [idle,busy]
  --quiet-below C         a series during which processes the benchmark did not start
                          used more than C cores is measured again               [0.1]
  --retries N             how many series per condition may be measured again      [6]
  --results FILE          write the figures as Markdown to FILE
  --raw FILE              write every stimulus as tab-separated values to FILE
  --seed N                seed of the delay draw (default: random)
  --keep-temp             keep the temporary directory (logs, trace, recover.dat)
)";

[[noreturn]] void usageError(const std::string& message)
{
    std::cerr << "timing_bench: " << message << "\n\n" << kUsage;
    std::exit(2);
}

std::vector<std::string> split(const std::string& s, char sep)
{
    std::vector<std::string> out;
    std::string cur;
    std::istringstream in(s);
    while (std::getline(in, cur, sep))
        out.push_back(cur);
    return out;
}

std::vector<int> parseInts(const std::string& option, const std::string& value, std::size_t count)
{
    const auto parts = split(value, ',');
    std::vector<int> out;
    for (const auto& p : parts) {
        char* end = nullptr;
        const long v = std::strtol(p.c_str(), &end, 10);
        if (p.empty() || *end)
            usageError(option + ": '" + value + "' is not a list of " + std::to_string(count) + " integers");
        out.push_back(int(v));
    }
    if (out.size() != count)
        usageError(option + ": '" + value + "' needs " + std::to_string(count) + " numbers");
    return out;
}

Options parseOptions(int argc, char** argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            std::cout << kUsage;
            std::exit(0);
        }
        if (arg == "--keep-temp") {
            o.keepTemp = true;
            continue;
        }
        if (i + 1 >= argc)
            usageError(arg + " needs a value");
        const std::string v = argv[++i];
        auto integer = [&](int lo, int hi) {
            const auto n = parseInts(arg, v, 1).front();
            if (n < lo || n > hi)
                usageError(arg + " must lie in " + std::to_string(lo) + ".." + std::to_string(hi));
            return n;
        };
        if (arg == "--program") o.program = v;
        else if (arg == "--title") o.title = v;
        else if (arg == "--watch") {
            const auto r = parseInts(arg, v, 4);
            o.watch = {r[0], r[1], r[2], r[3]};
        } else if (arg == "--press") {
            const auto p = parseInts(arg, v, 2);
            o.press = {p[0], p[1]};
        } else if (arg == "--menu-title") o.menuTitle = v;
        else if (arg == "--menu-click") {
            const auto p = parseInts(arg, v, 2);
            o.menuClick = {p[0], p[1]};
        } else if (arg == "--start-click") {
            const auto p = parseInts(arg, v, 2);
            o.startClick = {p[0], p[1]};
        } else if (arg == "--start-question") o.startQuestion = v;
        else if (arg == "--start-key") o.startKey = v;
        else if (arg == "--end-title") o.endTitle = v;
        else if (arg == "--end-key") o.endKey = v;
        else if (arg == "--recover-file") o.recoverFile = v;
        else if (arg == "--trace-env") o.traceEnv = v;
        else if (arg == "--runs") o.runs = integer(1, 20);
        else if (arg == "--series") o.series = integer(1, 1000);
        else if (arg == "--interval") o.intervalMs = integer(500, 30000);
        else if (arg == "--delay") {
            const auto d = parseInts(arg, v, 2);
            if (d[0] < 50 || d[1] < d[0])
                usageError("--delay: need 50 <= MIN <= MAX");
            o.delayMinMs = d[0];
            o.delayMaxMs = d[1];
        } else if (arg == "--poll-us") o.pollUs = integer(20, 5000);
        else if (arg == "--rt-priority") o.rtPriority = integer(0, 99);
        else if (arg == "--conditions") {
            o.conditions = split(v, ',');
            for (const auto& c : o.conditions)
                if (c != "idle" && c != "busy")
                    usageError("--conditions: unknown condition '" + c + "' (idle, busy)");
            if (o.conditions.empty())
                usageError("--conditions: empty");
        } else if (arg == "--quiet-below") {
            char* end = nullptr;
            o.quietBelow = std::strtod(v.c_str(), &end);
            if (v.empty() || *end)
                usageError("--quiet-below: '" + v + "' is not a number");
        } else if (arg == "--retries") o.retries = integer(0, 1000); else if (arg == "--results") o.results = v;

        else if (arg == "--raw") o.raw = v;
        else if (arg == "--seed") o.seed = std::stoull(v);
        else usageError("unknown option " + arg);
    }
    if (o.program.empty())
        usageError("--program is required");
    if (access(o.program.c_str(), X_OK) != 0)
        usageError("--program: " + o.program + " is not an executable file");
    o.program = fs::absolute(o.program).string();
    return o;
}

// ---------------------------------------------------------------------------------------------
// Machine and CPU accounting

std::string readFirstLine(const std::string& path)
{
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

std::string cpuModel()
{
    std::ifstream in("/proc/cpuinfo");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("model name", 0) == 0) {
            const auto colon = line.find(':');
            return colon == std::string::npos ? line : line.substr(colon + 2);
        }
    return "unknown CPU";
}

struct CpuTicks {
    unsigned long long total = 0;
    unsigned long long busy = 0;
    unsigned long long steal = 0; // time the host gave the virtual CPUs to someone else
};

CpuTicks machineTicks()
{
    std::istringstream in(readFirstLine("/proc/stat"));
    std::string cpu;
    in >> cpu;
    CpuTicks t;
    unsigned long long v = 0;
    int i = 0;
    while (in >> v) {
        t.total += v;
        if (i != 3 && i != 4 && i != 7) // idle, iowait, steal
            t.busy += v;
        if (i == 7)
            t.steal += v;
        ++i;
    }
    return t;
}

unsigned long long processTicks(pid_t pid)
{
    const std::string stat = readFirstLine("/proc/" + std::to_string(pid) + "/stat");
    const auto close = stat.rfind(')');
    if (close == std::string::npos)
        return 0;
    std::istringstream in(stat.substr(close + 2));
    std::string field;
    unsigned long long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && in >> field; ++i) {
        if (i == 14) utime = std::stoull(field);
        if (i == 15) stime = std::stoull(field);
    }
    return utime + stime;
}

// ---------------------------------------------------------------------------------------------
// Measurement records

struct Stimulus {
    int series = 0;
    int run = 0;
    std::int64_t onsetNs = 0;        // the photodiode's estimate of when the colour changed
    std::int64_t bracketNs = 0;      // half the span within which it surely changed
    std::int64_t sentNs = 0;         // press written to the X server
    double trueMs = 0;               // sentNs - onsetNs
    std::optional<double> storedMs;  // from the recovery file
    std::optional<std::int64_t> progStimulusNs, progPressNs; // from the trace
    std::optional<double> intervalMs; // previous press sent .. this onset
    std::optional<double> programIntervalMs; // the program's previous press stamp .. this stimulus stamp
};

struct Condition {
    std::string kind; // idle or busy
    std::vector<Stimulus> stimuli;
    int series = 0;              // kept
    double otherCores = 0;       // CPU used by processes the benchmark did not start, in cores
    double otherMax = 0;         // the most in one kept series
    double stealCores = 0;
    double ownCores = 0;
    std::vector<double> discardedOther; // series measured again, and what others used meanwhile
    int disturbedKept = 0;       // disturbed, but no budget left to measure them again
    std::string loadBefore, loadAfter;
    double seconds = 0;
    double pollGapMeanUs = 0, pollGapMaxUs = 0;
    double grabMeanUs = 0, grabMaxUs = 0;  // one reading, request to reply
    double flushMaxUs = 0;       // longest time to hand a press to the server
    std::vector<std::string> warnings;
};

struct Figures {
    Summary stored, trace, rounding, stimulusSide, pressSide, interval, programInterval, bracket;
};

Figures figuresOf(const Condition& c, int intervalMs)
{
    std::vector<double> stored, trace, rounding, stim, press, interval, programInterval, bracket;
    for (const auto& s : c.stimuli) {
        if (s.storedMs)
            stored.push_back(*s.storedMs - s.trueMs);
        if (s.progStimulusNs && s.progPressNs) {
            const double traceMs = double(*s.progPressNs - *s.progStimulusNs) / 1e6;
            trace.push_back(traceMs - s.trueMs);
            stim.push_back(double(*s.progStimulusNs - s.onsetNs) / 1e6);
            press.push_back(double(*s.progPressNs - s.sentNs) / 1e6);
            if (s.storedMs)
                rounding.push_back(*s.storedMs - traceMs);
        }
        if (s.intervalMs)
            interval.push_back(*s.intervalMs - intervalMs);
        if (s.programIntervalMs)
            programInterval.push_back(*s.programIntervalMs - intervalMs);
        bracket.push_back(double(s.bracketNs) / 1e6);
    }
    return {summarise(stored), summarise(trace), summarise(rounding), summarise(stim),
            summarise(press), summarise(interval), summarise(programInterval), summarise(bracket)};
}

// ---------------------------------------------------------------------------------------------
// The benchmark

class Bench {
public:
    explicit Bench(Options o)
        : o_(std::move(o))
    {
        std::random_device rd;
        seed_ = o_.seed.value_or((std::uint64_t(rd()) << 32) ^ rd());
        rng_.seed(seed_);
    }
    ~Bench()
    {
        photodiode_.reset();
        x_.reset();
        procs_.stopAll();
        if (!tmp_.empty()) {
            if (o_.keepTemp) {
                std::cerr << "timing_bench: kept " << tmp_ << "\n";
            } else {
                std::error_code ec;
                fs::remove_all(tmp_, ec);
            }
        }
    }

    int run();
    void keepTempForInspection() { o_.keepTemp = true; }

private:
    void prepareDirectory();
    void startServer();
    void startProgram();
    void openTest();
    void goRealtime();
    void checkProgramAlive(const std::string& during);
    std::string programLogTail();

    void runCondition(Condition& c);
    void runSeries(std::vector<Stimulus>& out, std::vector<std::string>& warnings, int series);
    struct CpuMeter {
        CpuTicks machine;
        unsigned long long own = 0;
    };
    struct CpuUse {
        double own = 0, other = 0, steal = 0; // cores
    };
    CpuMeter meter();
    static CpuUse between(const CpuMeter& a, const CpuMeter& b);
    void takeReference();
    // Polls every `periodUs` until the watched area is (changed == wanted). Returns the reading
    // before the change and the first one after it.
    std::pair<Grab, Grab> waitForState(bool wanted, int periodUs, std::int64_t timeoutNs, const char* what);
    void readStoredTimes(std::vector<Stimulus>& series);
    void readTrace(std::vector<Stimulus>& series, std::vector<std::string>& warnings);

    Point toScreen(Point client) const { return {origin_.x + client.x, origin_.y + client.y}; }

    void report(const std::vector<Condition>& conditions);

    Options o_;
    std::uint64_t seed_ = 0;
    std::mt19937_64 rng_;
    Processes procs_;
    fs::path tmp_;
    fs::path trace_;
    std::string display_;
    pid_t server_ = -1, program_ = -1;
    std::unique_ptr<XSession> x_;
    std::unique_ptr<Photodiode> photodiode_;
    Window testWindow_ = 0;
    Point origin_;
    int harnessCpu_ = -1, loadCpu_ = -1;
    std::string realtimeNote_;
    std::size_t traceLinesSeen_ = 0;
    std::uint32_t restColour_ = 0, stimulusColour_ = 0;
    // poll statistics of the condition running
    double gapSumUs_ = 0, gapMaxUs_ = 0, grabSumUs_ = 0, grabMaxUs_ = 0;
    std::size_t gapCount_ = 0;
    double flushMaxUs_ = 0;
};

void Bench::prepareDirectory()
{
    char pattern[] = "/tmp/timing_bench.XXXXXX";
    if (!mkdtemp(pattern))
        throw std::runtime_error(std::string("mkdtemp: ") + strerror(errno));
    tmp_ = pattern;
    for (const char* d : {"config", "cache", "data", "runtime"})
        fs::create_directories(tmp_ / d);
    fs::permissions(tmp_ / "runtime", fs::perms::owner_all, fs::perm_options::replace);

    // The program's configuration: fixed interval, visual stimulus, the runs of one series.
    std::ofstream cfg(tmp_ / "Reflex.cfg", std::ios::binary);
    const int head[] = {1, o_.intervalMs, 1, 1, 1000, o_.runs};
    const int rest[] = {0, 2000, 1000, 1000, 0, 1, 2, 3, 10, 0, 1, 2, 3, 4, 5, 6, 15, 8, 9, 0, 10,
                        0, 2000, 1000, 1000, 0, 1, 2, 3, 10, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 10};
    cfg << "\"TOVANEL V1.00 Configuration file\"\r\n";
    for (int v : head)
        cfg << v << "\r\n";
    for (int v : rest)
        cfg << v << "\r\n";
    if (!cfg)
        throw std::runtime_error("cannot write " + (tmp_ / "Reflex.cfg").string());
    trace_ = tmp_ / "trace.txt";
}

void Bench::startServer()
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        throw std::runtime_error(std::string("pipe: ") + strerror(errno));
    // The server tells its display number on this descriptor once it accepts connections.
    constexpr int kDisplayFd = 3;
    SpawnOptions so;
    so.logFile = (tmp_ / "xvfb.log").string();
    so.passFd = std::pair{fds[1], kDisplayFd};
    try {
        server_ = procs_.spawn("Xvfb",
                               {"Xvfb", "-displayfd", std::to_string(kDisplayFd), "-screen", "0",
                                "1024x768x24", "-nolisten", "tcp", "-noreset"},
                               so);
    } catch (...) {
        close(fds[0]);
        close(fds[1]);
        throw;
    }
    close(fds[1]);

    std::string number;
    const auto deadline = nowNs() + std::int64_t(15e9);
    while (number.empty() || number.back() != '\n') {
        pollfd p{fds[0], POLLIN, 0};
        const int left = int((deadline - nowNs()) / 1000000);
        if (left <= 0 || poll(&p, 1, left) <= 0)
            break;
        char buf[32];
        const ssize_t n = read(fds[0], buf, sizeof buf);
        if (n <= 0)
            break;
        number.append(buf, std::size_t(n));
    }
    close(fds[0]);
    while (!number.empty() && (number.back() == '\n' || number.back() == '\r'))
        number.pop_back();
    if (number.empty()) {
        int status = 0;
        const std::string how = procs_.exited(server_, &status) ? describeStatus(status) : "still starting";
        throw std::runtime_error("Xvfb gave no display number within 15 s (" + how + "); see " +
                                 (tmp_ / "xvfb.log").string());
    }
    display_ = ":" + number;
    x_ = std::make_unique<XSession>(display_, milliseconds(10000));
    if (x_->screenWidth() != 1024 || x_->screenHeight() != 768)
        throw std::runtime_error("Xvfb screen is not 1024x768");
}

void Bench::startProgram()
{
    SpawnOptions so;
    so.workDir = tmp_.string();
    so.logFile = (tmp_ / "program.log").string();
    so.setEnv = {{"DISPLAY", display_},
                 {"QT_QPA_PLATFORM", "xcb"},
                 {"XDG_CONFIG_HOME", (tmp_ / "config").string()},
                 {"XDG_CACHE_HOME", (tmp_ / "cache").string()},
                 {"XDG_DATA_HOME", (tmp_ / "data").string()},
                 {"XDG_RUNTIME_DIR", (tmp_ / "runtime").string()},
                 {"NO_AT_BRIDGE", "1"},
                 {o_.traceEnv, trace_.string()}};
    so.unsetEnv = {"WAYLAND_DISPLAY", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "DBUS_SESSION_BUS_ADDRESS",
                   "XAUTHORITY", "SESSION_MANAGER"};
    program_ = procs_.spawn("program", {o_.program}, so);
}

std::string Bench::programLogTail()
{
    std::ifstream in(tmp_ / "program.log");
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    std::string out;
    for (std::size_t i = lines.size() > 15 ? lines.size() - 15 : 0; i < lines.size(); ++i)
        out += "    " + lines[i] + "\n";
    return out.empty() ? "    (no output)\n" : out;
}

void Bench::checkProgramAlive(const std::string& during)
{
    int status = 0;
    if (procs_.exited(program_, &status))
        throw std::runtime_error("the program " + describeStatus(status) + " during " + during +
                                 "; its last output:\n" + programLogTail());
    if (procs_.exited(server_, &status))
        throw std::runtime_error("Xvfb " + describeStatus(status) + " during " + during);
}

void Bench::openTest()
{
    const auto step = [this](const std::string& what, auto&& f) {
        try {
            f();
        } catch (const std::exception& e) {
            checkProgramAlive(what);
            throw std::runtime_error(what + ": " + e.what());
        }
    };
    if (!o_.menuTitle.empty()) {
        step("waiting for the menu", [&] {
            const Window menu = x_->waitForWindow(o_.menuTitle, milliseconds(30000));
            sleepForMs(300); // first paint and the toolkit's own start-up
            const Point p = x_->clientOrigin(menu);
            x_->click({p.x + o_.menuClick.x, p.y + o_.menuClick.y});
        });
    }
    step("opening the test window", [&] { testWindow_ = x_->waitForWindow(o_.title, milliseconds(15000)); });
    sleepForMs(300);
    origin_ = x_->clientOrigin(testWindow_);
    photodiode_ = std::make_unique<Photodiode>(
        *x_, Rect{origin_.x + o_.watch.x, origin_.y + o_.watch.y, o_.watch.w, o_.watch.h});
    photodiode_->grab();
    restColour_ = photodiode_->centrePixel();
}

void Bench::goRealtime()
{
    // The benchmark keeps one core; the CPU load of the busy condition gets another.
    const cpu_set_t& all = Processes::originalAffinity();
    std::vector<int> cpus;
    for (int i = 0; i < CPU_SETSIZE; ++i)
        if (CPU_ISSET(i, &all))
            cpus.push_back(i);
    harnessCpu_ = cpus.front();
    loadCpu_ = cpus.back();
    cpu_set_t mine;
    CPU_ZERO(&mine);
    CPU_SET(harnessCpu_, &mine);
    std::string note;
    if (cpus.size() > 1 && sched_setaffinity(0, sizeof mine, &mine) != 0)
        note += std::string("pinning refused (") + strerror(errno) + "); ";
    if (o_.rtPriority > 0) {
        sched_param sp{};
        sp.sched_priority = o_.rtPriority;
        // Children forked later (the CPU load) must not inherit the real-time class.
        if (sched_setscheduler(0, SCHED_FIFO | SCHED_RESET_ON_FORK, &sp) == 0)
            note += "SCHED_FIFO " + std::to_string(o_.rtPriority);
        else
            note += std::string("SCHED_FIFO refused (") + strerror(errno) + "), normal priority";
    } else {
        note += "normal priority";
    }
    if (mlockall(MCL_CURRENT | MCL_FUTURE) == 0)
        note += ", memory locked";
    else
        note += std::string(", mlockall refused (") + strerror(errno) + ")";
    if (cpus.size() > 1)
        note += ", on CPU " + std::to_string(harnessCpu_);
    realtimeNote_ = note;
}

std::pair<Grab, Grab> Bench::waitForState(bool wanted, int periodUs, std::int64_t timeoutNs, const char* what)
{
    const std::int64_t period = std::int64_t(periodUs) * 1000;
    const std::int64_t deadline = nowNs() + timeoutNs;
    Grab before = photodiode_->grab();
    if (photodiode_->mostlyChanged() == wanted)
        return {before, before};
    std::int64_t next = before.sentNs + period;
    for (;;) {
        sleepUntilNs(next);
        const Grab g = photodiode_->grab();
        if (periodUs == o_.pollUs) {
            const double gapUs = double(g.sentNs - before.sentNs) / 1e3;
            gapSumUs_ += gapUs;
            gapMaxUs_ = std::max(gapMaxUs_, gapUs);
            const double grabUs = double(g.backNs - g.sentNs) / 1e3;
            grabSumUs_ += grabUs;
            grabMaxUs_ = std::max(grabMaxUs_, grabUs);
            ++gapCount_;
        }
        if (photodiode_->mostlyChanged() == wanted)
            return {before, g};
        before = g;
        if (g.backNs > deadline) {
            checkProgramAlive(what);
            throw std::runtime_error(std::string("timed out ") + what);
        }
        // A late reading is not made up for: the next one follows a full period later.
        next = std::max(next + period, g.backNs);
    }
}

void Bench::takeReference()
{
    // The question box has just closed over the area; wait for the window to repaint it, and
    // keep a picture only once two readings agree.
    for (int attempt = 0; attempt < 20; ++attempt) {
        sleepForMs(attempt == 0 ? 120 : 30);
        photodiode_->grab();
        photodiode_->keepAsReference();
        sleepForMs(20);
        photodiode_->grab();
        if (!photodiode_->mostlyChanged()) {
            restColour_ = photodiode_->centrePixel();
            return;
        }
    }
    throw std::runtime_error("the watched area does not settle after Start");
}

void Bench::runSeries(std::vector<Stimulus>& out, std::vector<std::string>& warnings, int series)
{
    std::error_code ec;
    fs::remove(tmp_ / o_.recoverFile, ec);
    checkProgramAlive("series start");

    testWindow_ = x_->waitForWindow(o_.title, milliseconds(5000));
    origin_ = x_->clientOrigin(testWindow_);
    x_->click(toScreen(o_.startClick));
    try {
        const Window q = x_->waitForWindow(o_.startQuestion, milliseconds(5000));
        x_->focus(q);
        sleepForMs(30);
        x_->key(o_.startKey);
        x_->waitForWindowGone(o_.startQuestion, milliseconds(5000));
    } catch (const std::exception& e) {
        checkProgramAlive("Start");
        throw std::runtime_error(std::string("starting series: ") + e.what());
    }
    x_->movepointer(toScreen(o_.press));
    takeReference();

    std::uniform_real_distribution<double> delay(o_.delayMinMs, o_.delayMaxMs);
    std::vector<Stimulus> runs;
    const std::int64_t onsetTimeout = std::int64_t(o_.intervalMs + 3000) * 1000000;
    for (int run = 1; run <= o_.runs; ++run) {
        const std::string what = "waiting for stimulus " + std::to_string(run) + " of series " + std::to_string(series);
        const auto [before, after] = waitForState(true, o_.pollUs, onsetTimeout, what.c_str());
        if (before.sentNs == after.sentNs)
            throw std::runtime_error("the stimulus was already out when the photodiode started to look (" + what + ")");
        Stimulus s;
        s.series = series;
        s.run = run;
        s.onsetNs = before.midNs() + (after.midNs() - before.midNs()) / 2;
        s.bracketNs = (after.backNs - before.sentNs) / 2;
        if (run == 1 && series == 1)
            stimulusColour_ = photodiode_->centrePixel();
        if (!runs.empty())
            s.intervalMs = double(s.onsetNs - runs.back().sentNs) / 1e6;

        const std::int64_t target = s.onsetNs + std::int64_t(delay(rng_) * 1e6);
        sleepUntilNs(target);
        const std::int64_t t0 = nowNs();
        x_->button(true);
        s.sentNs = nowNs();
        flushMaxUs_ = std::max(flushMaxUs_, double(s.sentNs - t0) / 1e3);
        x_->sync();
        s.trueMs = double(s.sentNs - s.onsetNs) / 1e6;
        runs.push_back(s);

        // Nothing of the benchmark runs while the program handles the press: the finger lets
        // go later, and only then does the photodiode check, coarsely, that the press was taken.
        sleepUntilNs(s.sentNs + std::int64_t(o_.releaseAfterMs) * 1000000);
        x_->button(false);
        x_->sync();
        if (run < o_.runs) {
            const std::string back = "for the area to return to rest after press " + std::to_string(run) +
                                     " of series " + std::to_string(series) +
                                     " (was the press at the press point taken as a response?)";
            waitForState(false, 1000, std::int64_t(2000) * 1000000, back.c_str());
        }
    }

    try {
        const Window end = x_->waitForWindow(o_.endTitle, milliseconds(5000));
        x_->focus(end);
        sleepForMs(30);
        x_->key(o_.endKey);
        x_->waitForWindowGone(o_.endTitle, milliseconds(5000));
    } catch (const std::exception& e) {
        checkProgramAlive("the end of a series");
        throw std::runtime_error(std::string("ending series: ") + e.what());
    }
    readStoredTimes(runs);
    readTrace(runs, warnings);
    for (auto& s : runs) {
        const double err = s.storedMs ? *s.storedMs - s.trueMs : 0;
        if (std::fabs(err) > 20)
            warnings.push_back("series " + std::to_string(series) + " run " + std::to_string(s.run) +
                                 ": stored time is " + std::to_string(err) + " ms off the true delay");
        out.push_back(s);
    }
}

void Bench::readStoredTimes(std::vector<Stimulus>& runs)
{
    const fs::path file = tmp_ / o_.recoverFile;
    const std::size_t wanted = std::min<std::size_t>(runs.size(), 10);
    // Written right after the message closes; read it once its size holds still.
    std::vector<std::string> lines;
    const auto deadline = nowNs() + std::int64_t(5e9);
    std::uintmax_t lastSize = 0;
    for (;;) {
        std::error_code ec;
        const auto size = fs::file_size(file, ec);
        if (!ec && size > 0 && size == lastSize) {
            std::ifstream in(file, std::ios::binary);
            lines.clear();
            std::string line;
            while (std::getline(in, line)) {
                if (!line.empty() && line.back() == '\r')
                    line.pop_back();
                lines.push_back(line);
            }
            if (lines.size() >= wanted)
                break;
        }
        if (!ec)
            lastSize = size;
        if (nowNs() > deadline)
            throw std::runtime_error("no complete " + o_.recoverFile + " within 5 s after the end of a series");
        sleepForMs(30);
    }
    for (std::size_t i = 0; i < wanted; ++i) {
        char* end = nullptr;
        const double seconds = std::strtod(lines[i].c_str(), &end);
        if (lines[i].empty() || *end)
            throw std::runtime_error(o_.recoverFile + " line " + std::to_string(i + 1) + " is not a number: '" + lines[i] + "'");
        runs[i].storedMs = seconds * 1000.0;
    }
}

void Bench::readTrace(std::vector<Stimulus>& runs, std::vector<std::string>& warnings)
{
    std::ifstream in(trace_);
    if (!in)
        return; // a program without the trace: stored times only
    std::vector<std::pair<std::int64_t, std::int64_t>> lines;
    std::string line;
    while (std::getline(in, line)) {
        long long a = 0, b = 0;
        if (std::sscanf(line.c_str(), "%lld %lld", &a, &b) == 2)
            lines.emplace_back(a, b);
    }
    if (lines.size() < traceLinesSeen_ + runs.size()) {
        warnings.push_back("the trace holds " + std::to_string(lines.size() - traceLinesSeen_) +
                             " new lines for " + std::to_string(runs.size()) + " presses; trace not paired");
        traceLinesSeen_ = lines.size();
        return;
    }
    for (std::size_t i = 0; i < runs.size(); ++i) {
        runs[i].progStimulusNs = lines[traceLinesSeen_ + i].first;
        runs[i].progPressNs = lines[traceLinesSeen_ + i].second;
        if (i > 0)
            runs[i].programIntervalMs = double(*runs[i].progStimulusNs - *runs[i - 1].progPressNs) / 1e6;
    }
    traceLinesSeen_ += runs.size();
}

Bench::CpuMeter Bench::meter()
{
    CpuMeter r;
    r.machine = machineTicks();
    r.own = processTicks(getpid());
    for (pid_t p : procs_.running())
        r.own += processTicks(p);
    return r;
}

Bench::CpuUse Bench::between(const CpuMeter& a, const CpuMeter& b)
{
    CpuUse u;
    const double total = double(b.machine.total - a.machine.total);
    if (total <= 0)
        return u;
    const double cpus = double(sysconf(_SC_NPROCESSORS_ONLN));
    const double busy = double(b.machine.busy - a.machine.busy);
    const double own = double(b.own - a.own);
    u.own = own / total * cpus;
    u.other = std::max(0.0, (busy - own) / total * cpus);
    u.steal = double(b.machine.steal - a.machine.steal) / total * cpus;
    return u;
}

void Bench::runCondition(Condition& c)
{
    pid_t load = -1;
    if (c.kind == "busy") {
        load = procs_.spawnBusyLoop(loadCpu_);
        sleepForMs(300); // let the scheduler settle with the load in place
    }
    gapSumUs_ = gapMaxUs_ = grabSumUs_ = grabMaxUs_ = 0;
    gapCount_ = 0;
    flushMaxUs_ = 0;
    c.loadBefore = readFirstLine("/proc/loadavg");
    const std::int64_t t0 = nowNs();

    // Other people build and test on the same cores. A series during which they used the CPU
    // is measured again, within a budget, so the figures describe the stated condition.
    const int maxAttempts = o_.series + o_.retries;
    int kept = 0;
    double ownSum = 0, stealSum = 0, otherSum = 0;
    try {
        for (int attempt = 1; kept < o_.series && attempt <= maxAttempts; ++attempt) {
            const CpuMeter before = meter();
            std::vector<Stimulus> runs;
            std::vector<std::string> warnings;
            runSeries(runs, warnings, attempt);
            const CpuUse use = between(before, meter());
            const bool disturbed = use.other > o_.quietBelow;
            const bool canRepeat = maxAttempts - attempt >= o_.series - kept;
            char line[160];
            if (disturbed && canRepeat) {
                c.discardedOther.push_back(use.other);
                std::snprintf(line, sizeof line, "  %s: series %d measured again: other processes used %.2f cores",
                              c.kind.c_str(), attempt, use.other);
                std::cout << line << "\n" << std::flush;
                continue;
            }
            ++kept;
            if (disturbed)
                ++c.disturbedKept;
            c.stimuli.insert(c.stimuli.end(), runs.begin(), runs.end());
            c.warnings.insert(c.warnings.end(), warnings.begin(), warnings.end());
            c.otherMax = std::max(c.otherMax, use.other);
            otherSum += use.other;
            ownSum += use.own;
            stealSum += use.steal;
            std::snprintf(line, sizeof line, "  %s: series %d/%d done (other processes %.2f cores)",
                          c.kind.c_str(), kept, o_.series, use.other);
            std::cout << line << "\n" << std::flush;
        }
    } catch (...) {
        if (load > 0)
            procs_.stop(load);
        throw;
    }
    c.seconds = double(nowNs() - t0) / 1e9;
    c.loadAfter = readFirstLine("/proc/loadavg");
    if (load > 0)
        procs_.stop(load);
    c.series = kept;
    if (kept > 0) {
        c.otherCores = otherSum / kept;
        c.ownCores = ownSum / kept;
        c.stealCores = stealSum / kept;
    }
    c.pollGapMeanUs = gapCount_ ? gapSumUs_ / double(gapCount_) : 0;
    c.pollGapMaxUs = gapMaxUs_;
    c.grabMeanUs = gapCount_ ? grabSumUs_ / double(gapCount_) : 0;
    c.grabMaxUs = grabMaxUs_;
    c.flushMaxUs = flushMaxUs_;
}

// ---------------------------------------------------------------------------------------------
// Report

std::string fmt(double v, bool sign = true)
{
    if (std::isnan(v))
        return "-";
    char buf[32];
    std::snprintf(buf, sizeof buf, sign ? "%+.3f" : "%.3f", v);
    return buf;
}

std::string hex(std::uint32_t rgb)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "#%06X", rgb & 0xFFFFFFu);
    return buf;
}

struct Row {
    const char* label;
    const Summary* s;
};

std::vector<Row> rowsOf(const Figures& f)
{
    return {{"stored time - true delay", &f.stored},
            {"trace time - true delay", &f.trace},
            {"  stimulus side: stamp - onset", &f.stimulusSide},
            {"  press side: stamp - press sent", &f.pressSide},
            {"  rounding: stored - trace time", &f.rounding},
            {"interval - configured", &f.interval},
            {"  program: press stamp to stimulus stamp", &f.programInterval},
            {"photodiode bracket (half-width)", &f.bracket}};
}

std::string goalsText(const std::string& kind, const Figures& f)
{
    auto mark = [](bool ok) { return ok ? "met" : "MISSED"; };
    char buf[320];
    if (kind == "idle") {
        std::snprintf(buf, sizeof buf,
                      "stored mean %+.3f (goal within +-0.3): %s; sd %.3f (<= 0.4): %s; "
                      "largest |error| %.3f (<= 1): %s; interval sd %.3f (<= 0.5): %s",
                      f.stored.mean, mark(std::fabs(f.stored.mean) <= 0.3), f.stored.sd,
                      mark(f.stored.sd <= 0.4), f.stored.maxAbs(), mark(f.stored.maxAbs() <= 1.0),
                      f.interval.sd, mark(f.interval.sd <= 0.5));
    } else {
        std::snprintf(buf, sizeof buf, "stored sd %.3f (goal <= 0.6): %s; largest |error| %.3f (<= 2): %s",
                      f.stored.sd, mark(f.stored.sd <= 0.6), f.stored.maxAbs(), mark(f.stored.maxAbs() <= 2.0));
    }
    return buf;
}

std::string conditionTitle(const Condition& c)
{
    return c.kind == "idle" ? "Idle machine" : "Other core busy (a forked busy loop)";
}

std::string conditionLine(const Condition& c, double quietBelow)
{
    char buf[768];
    std::snprintf(buf, sizeof buf,
                  "%zu stimuli in %d series, %.0f s. CPU used by processes the benchmark did not start, during "
                  "the series kept: %.2f cores on average, %.2f at most in one series (the benchmark's own "
                  "processes: %.2f; host steal %.2f); load average %s before, %s after.",
                  c.stimuli.size(), c.series, c.seconds, c.otherCores, c.otherMax, c.ownCores, c.stealCores,
                  c.loadBefore.substr(0, 14).c_str(), c.loadAfter.substr(0, 14).c_str());
    std::string s = buf;
    if (!c.discardedOther.empty()) {
        std::snprintf(buf, sizeof buf, " %zu series measured again because other processes used more than "
                      "%.2f cores during them (", c.discardedOther.size(), quietBelow);
        s += buf;
        for (std::size_t i = 0; i < c.discardedOther.size(); ++i) {
            std::snprintf(buf, sizeof buf, "%s%.2f", i ? ", " : "", c.discardedOther[i]);
            s += buf;
        }
        s += ").";
    }
    if (c.disturbedKept > 0) {
        std::snprintf(buf, sizeof buf, " %d kept series were disturbed all the same (no repeats left).",
                      c.disturbedKept);
        s += buf;
    }
    return s;
}

std::string photodiodeLine(const Condition& c)
{
    std::size_t wide = 0;
    for (const auto& s : c.stimuli)
        if (s.bracketNs > 1000000)
            ++wide;
    char buf[640];
    std::snprintf(buf, sizeof buf,
                  "Photodiode: period mean %.0f us, longest %.0f us; one reading (request to reply) mean %.0f us, "
                  "longest %.0f us; %zu onsets bracketed wider than +-1 ms. Longest press hand-over to the "
                  "server: %.0f us.",
                  c.pollGapMeanUs, c.pollGapMaxUs, c.grabMeanUs, c.grabMaxUs, wide, c.flushMaxUs);
    return buf;
}

std::string optional(const std::optional<double>& v)
{
    return v ? std::to_string(*v) : std::string();
}

std::string optional(const std::optional<std::int64_t>& v)
{
    return v ? std::to_string(*v) : std::string();
}

void Bench::report(const std::vector<Condition>& conditions)
{
    const std::time_t now = std::time(nullptr);
    char date[64];
    std::strftime(date, sizeof date, "%Y-%m-%d %H:%M:%S %Z", std::localtime(&now));
    utsname u{};
    uname(&u);
    const long cpus = sysconf(_SC_NPROCESSORS_ONLN);
    std::ostringstream machine;
    machine << cpuModel() << ", " << cpus << " cores, Linux " << u.release;
    std::ostringstream setup;
    setup << o_.series << " series x " << o_.runs << " runs per condition (a series during which other "
          << "processes used more than " << o_.quietBelow << " cores is measured again, up to " << o_.retries
          << " times), fixed interval " << o_.intervalMs
          << " ms, true delay uniform " << o_.delayMinMs << ".." << o_.delayMaxMs << " ms, photodiode period "
          << o_.pollUs << " us over " << o_.watch.w << "x" << o_.watch.h << " px, Xvfb 1024x768x24 without a window "
          << "manager; benchmark: " << realtimeNote_ << "; seed " << seed_;

    std::cout << "\nTiming accuracy of " << o_.program << "\n" << date << "; " << machine.str() << "\n"
              << setup.str() << "\n"
              << "colours seen: rest " << hex(restColour_) << ", stimulus " << hex(stimulusColour_) << "\n";
    for (const auto& c : conditions) {
        const Figures f = figuresOf(c, o_.intervalMs);
        std::cout << "\n[" << conditionTitle(c) << "] " << conditionLine(c, o_.quietBelow) << "\n";
        std::printf("%-40s %5s %8s %7s %8s %8s %8s %8s\n", "error (ms)", "n", "mean", "sd", "min", "max", "p1", "p99");
        for (const auto& r : rowsOf(f))
            std::printf("%-40s %5zu %8s %7s %8s %8s %8s %8s\n", r.label, r.s->n, fmt(r.s->mean).c_str(),
                        fmt(r.s->sd, false).c_str(), fmt(r.s->min).c_str(), fmt(r.s->max).c_str(),
                        fmt(r.s->p1).c_str(), fmt(r.s->p99).c_str());
        std::fflush(stdout);
        std::cout << photodiodeLine(c) << "\ngoals: " << goalsText(c.kind, f) << "\n";
        for (const auto& w : c.warnings)
            std::cout << "warning: " << w << "\n";
    }
    std::cout << std::flush;

    if (!o_.raw.empty()) {
        std::ofstream raw(o_.raw);
        raw << "condition\tseries\trun\tonset_ns\tbracket_ns\tsent_ns\ttrue_ms\tstored_ms\tprog_stimulus_ns"
               "\tprog_press_ns\tinterval_ms\tprogram_interval_ms\n";
        for (const auto& c : conditions)
            for (const auto& s : c.stimuli)
                raw << c.kind << '\t' << s.series << '\t' << s.run << '\t'
                    << s.onsetNs << '\t' << s.bracketNs << '\t' << s.sentNs << '\t' << s.trueMs << '\t'
                    << optional(s.storedMs) << '\t' << optional(s.progStimulusNs) << '\t'
                    << optional(s.progPressNs) << '\t' << optional(s.intervalMs) << '\t'
                    << optional(s.programIntervalMs) << '\n';
    }

    if (o_.results.empty())
        return;
    std::ofstream md(o_.results);
    md << "# Timing accuracy\n\n"
       << "Written by `scripts/bench.sh` (bench/timing); what the figures mean: bench/README.md.\n\n"
       << "- Date: " << date << "\n"
       << "- Machine: " << machine.str() << "\n"
       << "- Setup: " << setup.str() << "\n"
       << "- Colours seen by the photodiode: rest " << hex(restColour_) << ", stimulus " << hex(stimulusColour_) << "\n";
    for (const auto& c : conditions) {
        const Figures f = figuresOf(c, o_.intervalMs);
        md << "\n## " << conditionTitle(c) << "\n\n" << conditionLine(c, o_.quietBelow) << "\n\n"
           << "| error (ms) | n | mean | sd | min | max | p1 | p99 |\n|---|---:|---:|---:|---:|---:|---:|---:|\n";
        for (const auto& r : rowsOf(f)) {
            std::string label = r.label;
            if (label.rfind("  ", 0) == 0)
                label = "&nbsp;&nbsp;" + label.substr(2);
            md << "| " << label << " | " << r.s->n << " | " << fmt(r.s->mean) << " | " << fmt(r.s->sd, false) << " | "
               << fmt(r.s->min) << " | " << fmt(r.s->max) << " | " << fmt(r.s->p1) << " | " << fmt(r.s->p99) << " |\n";
        }
        md << "\n" << photodiodeLine(c) << "\n\nGoals: " << goalsText(c.kind, f) << ".\n";
        for (const auto& w : c.warnings)
            md << "\nWarning: " << w << "\n";
    }
}

// Two benchmarks at once would each measure the other: the second waits for the first.
void waitForOtherBenchmarks()
{
    const int fd = open("/tmp/timing_bench.lock", O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return; // no lock to be had: measure anyway
    if (flock(fd, LOCK_EX | LOCK_NB) == 0)
        return; // held until this process ends
    std::cout << "timing_bench: another timing_bench is running on this machine; waiting for it to finish\n"
              << std::flush;
    const auto deadline = nowNs() + std::int64_t(20) * 60 * 1000000000;
    while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (nowNs() > deadline)
            throw std::runtime_error("another timing_bench kept running for 20 minutes; try again later");
        sleepForMs(500);
    }
}

int Bench::run()
{
    waitForOtherBenchmarks();
    prepareDirectory();
    std::cout << "timing_bench: starting Xvfb and " << o_.program << "\n" << std::flush;
    startServer();
    startProgram();
    openTest();
    goRealtime();
    std::cout << "timing_bench: display " << display_ << ", test window at " << origin_.x << "," << origin_.y
              << "; " << realtimeNote_ << "\n" << std::flush;

    std::vector<Condition> conditions;
    for (const auto& kind : o_.conditions) {
        Condition c;
        c.kind = kind;
        std::cout << "timing_bench: " << conditionTitle(c) << "\n" << std::flush;
        runCondition(c);
        conditions.push_back(std::move(c));
    }
    report(conditions);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    Options options = parseOptions(argc, argv);
    installInterruptHandlers();
    auto bench = std::make_unique<Bench>(std::move(options));
    try {
        return bench->run();
    } catch (const std::exception& e) {
        std::cerr << "timing_bench: " << e.what() << "\n";
        bench->keepTempForInspection();
        return 1;
    }
}
