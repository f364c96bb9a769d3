#pragma once
// The measurement itself: opens the test window, then runs series of stimuli under one
// condition, the photodiode watching the stimulus area and the robot finger pressing a known
// time after each onset.

#include "Options.h"
#include "XSession.h"
#include "lib/Records.h"

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace timing {

class Run {
public:
    explicit Run(const Options& o);
    ~Run();

    void openTest();   // from the menu, if any; finds the test window and the watched area
    void goRealtime(); // pins the benchmark to one core, SCHED_FIFO, locked memory
    Condition measure(const std::string& kind);

    std::uint64_t seed() const { return seed_; }
    const std::string& realtimeNote() const { return realtimeNote_; }
    Point origin() const { return origin_; }
    std::uint32_t restColour() const { return restColour_; }
    std::uint32_t stimulusColour() const { return stimulusColour_; } // a choice test: the trigger's

private:
    void checkProgramAlive(const std::string& during) const;
    void answer(const std::string& title, const std::string& key, const std::string& what);
    // Polls every `periodUs` until the watched area is (changed == wanted). Returns the reading
    // before the change and the first one after it.
    std::pair<Grab, Grab> waitForState(bool wanted, int periodUs, std::int64_t timeoutNs, const char* what);
    void takeReference();

    // What one series yields, kept or measured again as a whole.
    struct Series {
        std::vector<Stimulus> stimuli;
        std::vector<std::string> warnings;
        ChoiceTally tally;
    };
    Series runSeries(int series);
    // Series.cpp: the two kinds of series and the steps they share.
    void beginSeries();
    Stimulus awaitOnset(int series, int element);
    void pressAfterDelay(Stimulus& s);
    void awaitRest(const std::string& what, int timeoutMs);
    void endSeries(Series& out, int series);
    void simpleSeries(Series& out, int series);
    void choiceSeries(Series& out, int series);
    bool isTrigger(std::uint32_t colour) const;

    Point toScreen(Point client) const { return {origin_.x + client.x, origin_.y + client.y}; }

    const Options& o_;
    std::uint64_t seed_ = 0;
    std::mt19937_64 rng_;
    std::unique_ptr<XSession> x_;
    std::unique_ptr<Photodiode> photodiode_;
    Window testWindow_ = 0;
    Point origin_;
    int harnessCpu_ = -1, loadCpu_ = -1;
    std::string realtimeNote_;
    std::size_t traceLinesSeen_ = 0;
    std::uniform_real_distribution<double> delay_;
    std::uint32_t restColour_ = 0, stimulusColour_ = 0;
    // poll statistics of the condition running
    double gapSumUs_ = 0, gapMaxUs_ = 0, grabSumUs_ = 0, grabMaxUs_ = 0;
    std::size_t gapCount_ = 0;
    double flushMaxUs_ = 0;
};

} // namespace timing
