#include "Run.h"

#include "CpuLoad.h"
#include "CpuUse.h"

#include <sched.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>

namespace fs = std::filesystem;
using std::chrono::milliseconds;

namespace timing {

namespace {

// A process not the benchmark's child: ended once it is gone or a zombie its parent has not
// collected yet.
bool processAlive(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat;
    std::getline(in, stat);
    const auto close = stat.rfind(')');
    return close != std::string::npos && close + 2 < stat.size() && stat[close + 2] != 'Z';
}

// In a nested compositor: the program's start-up, and a window's opening or closing.
constexpr int kNestedStartMs = 6000;
constexpr int kNestedAnswerMs = 1200;
constexpr int kNestedClosedMs = 100;

} // namespace

Run::Run(const Options& o)
    : o_(o)
{
    std::random_device rd;
    seed_ = o_.seed.value_or((std::uint64_t(rd()) << 32) ^ rd());
    rng_.seed(seed_);
    delay_ = std::uniform_real_distribution<double>(o_.delayMinMs, o_.delayMaxMs);
    x_ = std::make_unique<XSession>(o_.display, milliseconds(10000));
}

Run::~Run() = default;

void Run::checkProgramAlive(const std::string& during) const
{
    if (!processAlive(o_.programPid))
        throw std::runtime_error("the program ended during " + during);
    if (o_.serverPid > 0 && !processAlive(o_.serverPid))
        throw std::runtime_error("the X server ended during " + during);
}

void Run::openTest()
{
    const auto step = [this](const std::string& what, auto&& f) {
        try {
            f();
        } catch (const std::exception& e) {
            checkProgramAlive(what);
            throw std::runtime_error(what + ": " + e.what());
        }
    };
    if (o_.nestedOrigin) {
        sleepForMs(kNestedStartMs); // no window to wait for: the program's start-up
        if (o_.nestedMenuOrigin)
            x_->click({o_.nestedMenuOrigin->x + o_.menuClick.x, o_.nestedMenuOrigin->y + o_.menuClick.y});
        sleepForMs(kNestedAnswerMs);
    } else if (!o_.menuTitle.empty()) {
        step("waiting for the menu", [&] {
            const Window menu = x_->waitForWindow(o_.menuTitle, milliseconds(30000));
            sleepForMs(300); // first paint and the toolkit's own start-up
            const Point p = x_->clientOrigin(menu);
            x_->click({p.x + o_.menuClick.x, p.y + o_.menuClick.y});
        });
    }
    if (!o_.nestedOrigin)
        step("opening the test window", [&] { testWindow_ = x_->waitForWindow(o_.title, milliseconds(15000)); });
    sleepForMs(300);
    origin_ = o_.nestedOrigin ? *o_.nestedOrigin : x_->clientOrigin(testWindow_);
    photodiode_ = std::make_unique<Photodiode>(
        x_->display(), Rect{origin_.x + o_.watch.x, origin_.y + o_.watch.y, o_.watch.w, o_.watch.h});
    photodiode_->grab();
    restColour_ = photodiode_->centrePixel();
    if (const auto& box = o_.triggerBox) {
        Photodiode trigger(x_->display(), Rect{origin_.x + box->x, origin_.y + box->y, box->w, box->h});
        trigger.grab();
        stimulusColour_ = trigger.centrePixel();
        if (isTrigger(restColour_))
            throw std::runtime_error("the trigger box shows the resting display's colour");
    }
}

void Run::goRealtime()
{
    // The benchmark keeps one core; the CPU load of the busy condition gets another.
    cpu_set_t all;
    CPU_ZERO(&all);
    sched_getaffinity(0, sizeof all, &all);
    std::vector<int> cpus;
    for (int i = 0; i < CPU_SETSIZE; ++i)
        if (CPU_ISSET(i, &all))
            cpus.push_back(i);
    if (cpus.empty())
        cpus.push_back(0);
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

std::pair<Grab, Grab> Run::waitForState(bool wanted, int periodUs, std::int64_t timeoutNs, const char* what)
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

void Run::takeReference()
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

void Run::answer(const std::string& title, const std::string& key, const std::string& what)
{
    if (o_.nestedOrigin) { // the compositor gives a new window the keyboard
        sleepForMs(kNestedAnswerMs);
        x_->key(key);
        // The series starts as the question goes (the reference must be at rest); after the end of a
        // series the test window must be back before its Start is clicked.
        sleepForMs(title == o_.startQuestion ? kNestedClosedMs : kNestedAnswerMs);
        return;
    }
    try {
        const Window w = x_->waitForWindow(title, milliseconds(5000));
        x_->focus(w);
        sleepForMs(30);
        x_->key(key);
        x_->waitForWindowGone(title, milliseconds(5000));
    } catch (const std::exception& e) {
        checkProgramAlive(what);
        throw std::runtime_error(what + ": " + e.what());
    }
}

Run::Series Run::runSeries(int series)
{
    Series out;
    if (choiceTest(o_))
        choiceSeries(out, series);
    else
        simpleSeries(out, series);
    return out;
}

Condition Run::measure(const std::string& kind)
{
    Condition c;
    c.kind = kind;
    std::unique_ptr<CpuLoad> load;
    if (kind == "busy") {
        load = std::make_unique<CpuLoad>(loadCpu_);
        sleepForMs(300); // let the scheduler settle with the load in place
    }
    gapSumUs_ = gapMaxUs_ = grabSumUs_ = grabMaxUs_ = 0;
    gapCount_ = 0;
    flushMaxUs_ = 0;
    c.loadBefore = readFirstLine("/proc/loadavg");
    const std::int64_t t0 = nowNs();

    // Other people build and test on the same cores. A series during which they used the CPU
    // is measured again, within a budget, so the figures describe the stated condition. The
    // benchmark's own processes are those of the harness that started it.
    const int family = int(getppid());
    const int maxAttempts = o_.series + o_.retries;
    int kept = 0;
    double ownSum = 0, stealSum = 0, otherSum = 0;
    for (int attempt = 1; kept < o_.series && attempt <= maxAttempts; ++attempt) {
        const CpuMeter before = readCpuMeter(family);
        Series series = runSeries(attempt);
        const CpuUse use = cpuUseBetween(before, readCpuMeter(family));
        const bool disturbed = use.other > o_.quietBelow;
        const bool canRepeat = maxAttempts - attempt >= o_.series - kept;
        char line[160];
        if (disturbed && canRepeat) {
            c.discardedOther.push_back(use.other);
            std::snprintf(line, sizeof line, "  %s: series %d measured again: other processes used %.2f cores",
                          kind.c_str(), attempt, use.other);
            std::cout << line << "\n" << std::flush;
            continue;
        }
        ++kept;
        if (disturbed)
            ++c.disturbedKept;
        c.stimuli.insert(c.stimuli.end(), series.stimuli.begin(), series.stimuli.end());
        c.warnings.insert(c.warnings.end(), series.warnings.begin(), series.warnings.end());
        c.tally.add(series.tally);
        c.otherMax = std::max(c.otherMax, use.other);
        otherSum += use.other;
        ownSum += use.own;
        stealSum += use.steal;
        std::snprintf(line, sizeof line, "  %s: series %d/%d done (other processes %.2f cores, steal %.2f)",
                      kind.c_str(), kept, o_.series, use.other, use.steal);
        std::cout << line << "\n" << std::flush;
    }
    c.seconds = double(nowNs() - t0) / 1e9;
    c.loadAfter = readFirstLine("/proc/loadavg");
    load.reset();
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
    return c;
}

} // namespace timing
