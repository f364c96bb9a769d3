#include "Options.h"

#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <sstream>

namespace timing {

namespace {

const char* kUsage = R"(usage: timing_bench --display D --program-pid PID --work-dir DIR --title TEXT
                    --watch X,Y,W,H --press X,Y --start-click X,Y [options]

Drives a program already running on display D with real X input and measures the error of the
reaction times it stores against the true delay between stimulus onset and press. Normally
started by bench/timing.py, which starts Xvfb and the program, passes the positions from the
program's window forms, and ends everything afterwards.

  --display D             the X display the program runs on                    required
  --program-pid PID       the program's process (checked to be alive)          required
  --server-pid PID        the X server's process
  --program PATH          the program's name in the report
  --work-dir DIR          the program's folder, holding the recovery file       required
  --trace FILE            the program's trace of unrounded stamps
  --title TEXT            test window title                                     required
  --watch X,Y,W,H         client-relative area that changes colour              required
  --press X,Y             client-relative point to press                        required
  --menu-title TEXT       window to open the test from ('' = none)
  --menu-click X,Y        client-relative point clicked in it
  --start-click X,Y       client-relative Start button in the test window       required
  --start-question TEXT   title of the question Start asks [Start Reflex Data Collection]
  --start-key KEYSYM      key that answers it                                      [y]
  --end-title TEXT        title of the end-of-series message                 [END RUN]
  --end-key KEYSYM        key that closes it                                  [Return]
  --nested-origin X,Y     the program runs in a nested compositor: the test window's
                          client area is at this screen point; questions are answered
                          by their key after a pause, no window is looked up
  --nested-menu X,Y       with --nested-origin: the menu's client area on the screen
  --recover-file NAME     file with the stored times                     [recover.dat]
  --stored-line N         line of the first stored time of set 1 in it             [1]
  --trigger-box X,Y,W,H   a choice test: client-relative area showing the trigger
                          colour; the finger presses only on elements of that colour
                          and a series ends after --runs presses
  --counts-line N         with --trigger-box: set 1's correct hits, correct misses,
                          incorrect hits and missed hits from line N of the recovery
                          file, checked against the elements seen (0 = not checked) [0]
  --runs N                runs (a choice test: triggers) per series (1..20; the
                          first 10 are stored)                                    [10]
  --series N              series per condition                                   [12]
  --interval MS           the program's fixed waiting interval                  [1000]
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
    std::vector<int> out;
    for (const auto& p : split(value, ',')) {
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

} // namespace

Options parseOptions(int argc, char** argv)
{
    Options o;
    bool watchGiven = false, pressGiven = false, startGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            std::cout << kUsage;
            std::exit(0);
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
        auto point = [&] {
            const auto p = parseInts(arg, v, 2);
            return Point{p[0], p[1]};
        };
        if (arg == "--display")
            o.display = v;
        else if (arg == "--program-pid")
            o.programPid = integer(1, 1 << 30);
        else if (arg == "--server-pid")
            o.serverPid = integer(1, 1 << 30);
        else if (arg == "--program")
            o.program = v;
        else if (arg == "--work-dir")
            o.workDir = v;
        else if (arg == "--trace")
            o.trace = v;
        else if (arg == "--title")
            o.title = v;
        else if (arg == "--watch") {
            const auto r = parseInts(arg, v, 4);
            o.watch = {r[0], r[1], r[2], r[3]};
            watchGiven = true;
        } else if (arg == "--press") {
            o.press = point();
            pressGiven = true;
        } else if (arg == "--menu-title")
            o.menuTitle = v;
        else if (arg == "--menu-click")
            o.menuClick = point();
        else if (arg == "--start-click") {
            o.startClick = point();
            startGiven = true;
        } else if (arg == "--start-question")
            o.startQuestion = v;
        else if (arg == "--start-key")
            o.startKey = v;
        else if (arg == "--end-title")
            o.endTitle = v;
        else if (arg == "--end-key")
            o.endKey = v;
        else if (arg == "--nested-origin")
            o.nestedOrigin = point();
        else if (arg == "--nested-menu")
            o.nestedMenuOrigin = point();
        else if (arg == "--recover-file")
            o.recoverFile = v;
        else if (arg == "--stored-line")
            o.storedLine = integer(1, 100000);
        else if (arg == "--counts-line")
            o.countsLine = integer(0, 100000);
        else if (arg == "--trigger-box") {
            const auto r = parseInts(arg, v, 4);
            o.triggerBox = Rect{r[0], r[1], r[2], r[3]};
        } else if (arg == "--runs")
            o.runs = integer(1, 20);
        else if (arg == "--series")
            o.series = integer(1, 1000);
        else if (arg == "--interval")
            o.intervalMs = integer(500, 30000);
        else if (arg == "--delay") {
            const auto d = parseInts(arg, v, 2);
            if (d[0] < 50 || d[1] < d[0])
                usageError("--delay: need 50 <= MIN <= MAX");
            o.delayMinMs = d[0];
            o.delayMaxMs = d[1];
        } else if (arg == "--poll-us")
            o.pollUs = integer(20, 5000);
        else if (arg == "--rt-priority")
            o.rtPriority = integer(0, 99);
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
        } else if (arg == "--retries")
            o.retries = integer(0, 1000);
        else if (arg == "--results")
            o.results = v;
        else if (arg == "--raw")
            o.raw = v;
        else if (arg == "--seed")
            o.seed = std::stoull(v);
        else
            usageError("unknown option " + arg);
    }
    if (o.display.empty() || o.programPid < 0 || o.workDir.empty() || o.title.empty())
        usageError("--display, --program-pid, --work-dir and --title are required");
    if (!watchGiven || !pressGiven || !startGiven)
        usageError("--watch, --press and --start-click are required");
    if (o.program.empty())
        o.program = "pid " + std::to_string(o.programPid);
    return o;
}

} // namespace timing
