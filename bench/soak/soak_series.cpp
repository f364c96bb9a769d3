// The logic half of the soak: 1,000 simple and 1,000 choice series on the fake clock, each
// ended by a real recover.dat written to a temporary folder, with the resident memory of this
// process sampled every 100 series. Prints one line a sample; bench/soak.py runs it before the
// window half. A growth from the first sample to the last beyond the allocator's noise is a leak.
#include "complex_test/ChoiceEngine.h"
#include "fakes/Fakes.h"
#include "shared/RecoveryCommands.h"
#include "simple_test/SimpleEngine.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <unistd.h>

using namespace brevane;

namespace {

long residentKb()
{
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

int writes = 0; // recover.dat, once a finished series

void sample(const char* what, int series)
{
    std::printf("%s series %4d: resident %ld kB, recover.dat written %d times\n", what, series, residentKb(), writes);
    std::fflush(stdout);
}

struct Window final : SimpleTestView, ChoiceTestView {
    void render() override { }
    void presentStimulus() override { }
    Presentation presentElement() override { return {}; }
    QPoint leftTargetCentre() const override { return {1, 1}; }
};

// A fresh default configuration with fixed intervals, so that the fake clock needs no draws.
struct Lab {
    QTemporaryDir dir;
    AppState state;
    fakes::FakePlatform fp;
    Window window;
    RecoveryFile file{state, fp.prompt, dir.path()};
    std::function<void()> recovery = [this] { writes += file.write(); };
    Lab()
    {
        state.Config = ReflexConfig{};
        state.Config.Normal.IntervalTiming = state.Config.Color.IntervalTiming = 1;
    }
    void startYes(const std::function<void()>& start)
    {
        fp.prompt.answers.push_back(MsgAnswer::Yes);
        start();
        fp.prompt.shown.clear(); // the fake keeps every message; the program does not
    }
    bool fire(int timer)
    {
        fakes::FakeTimer& t = *fp.timers.timers.at(timer);
        fp.clock.advanceMs(t.interval());
        return t.fire();
    }
};

void simpleSeries(int count)
{
    Lab lab;
    SimpleEngine engine(lab.state, lab.fp.platform, lab.window, lab.recovery);
    engine.initialise();
    for (int series = 0; series <= count; ++series) {
        if (series % 100 == 0)
            sample("simple", series);
        if (series == count)
            break;
        lab.startYes([&] { engine.start(); });
        for (int run = 0; run < lab.state.SimpleRunsPerSet && lab.fire(0); ++run) {
            lab.fp.clock.advanceMs(200 + run);
            engine.press({lab.fp.clock.nowNs()});
        }
        lab.fp.prompt.shown.clear();
    }
}

void choiceSeries(int count)
{
    Lab lab;
    ChoiceEngine engine(ChoiceStyle::Color, kColorTest, lab.state, lab.fp.platform, lab.fp.platform.random, lab.window,
                        lab.recovery);
    engine.initialise();
    for (int series = 0; series <= count; ++series) {
        if (series % 100 == 0)
            sample("choice", series);
        if (series == count)
            break;
        lab.startYes([&] { engine.start(); });
        // Press on every trigger, let the rest pass, until the series has ended.
        for (int beeps = 0; engine.display().cmdStop && (beeps = lab.fp.beeper.beeps, lab.fire(0));) {
            const ChoiceTestDisplay& d = engine.display();
            if (d.element == d.triggerElement && (lab.fp.beeper.beeps > beeps) == d.triggerWithSound) {
                lab.fp.clock.advanceMs(300);
                engine.press({lab.fp.clock.nowNs()});
            } else {
                lab.fire(1);
            }
        }
        lab.fp.prompt.shown.clear();
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 1000;
    simpleSeries(count);
    choiceSeries(count);
    return 0;
}
