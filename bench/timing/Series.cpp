// One series of stimuli, from Start to the end-of-series message: the simple test (every
// stimulus pressed) and a choice test (only the elements of the trigger colour pressed, the
// others left to time out), built from the same steps.

#include "ProgramFiles.h"
#include "Run.h"
#include "lib/Pairing.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace fs = std::filesystem;
using std::chrono::milliseconds;

namespace timing {

namespace {

std::string hexColour(std::uint32_t rgb)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "#%06X", rgb & 0xFFFFFFu);
    return buf;
}

} // namespace

bool Run::isTrigger(std::uint32_t colour) const
{
    return sameColour(colour, stimulusColour_);
}

void Run::beginSeries()
{
    std::error_code ec;
    fs::remove(fs::path(o_.workDir) / o_.recoverFile, ec);
    checkProgramAlive("series start");

    if (!o_.nestedOrigin) {
        testWindow_ = x_->waitForWindow(o_.title, milliseconds(5000));
        origin_ = x_->clientOrigin(testWindow_);
    }
    x_->click(toScreen(o_.startClick));
    answer(o_.startQuestion, o_.startKey, "starting series");
    x_->movepointer(toScreen(o_.press));
    takeReference();
}

Stimulus Run::awaitOnset(int series, int element)
{
    const std::string what = "waiting for stimulus " + std::to_string(element) + " of series " + std::to_string(series);
    const std::int64_t timeout = std::int64_t(o_.intervalMs + 3000) * 1000000;
    const auto [before, after] = waitForState(true, o_.pollUs, timeout, what.c_str());
    if (before.sentNs == after.sentNs)
        throw std::runtime_error("the stimulus was already out when the photodiode started to look (" + what + ")");
    const Onset onset = onsetBetween(before, after);
    Stimulus s;
    s.series = series;
    s.run = element;
    s.onsetNs = onset.ns;
    s.bracketNs = onset.bracketNs;
    return s;
}

void Run::pressAfterDelay(Stimulus& s)
{
    const std::int64_t target = s.onsetNs + std::int64_t(delay_(rng_) * 1e6);
    sleepUntilNs(target);
    const std::int64_t t0 = nowNs();
    x_->button(true);
    s.sentNs = nowNs();
    flushMaxUs_ = std::max(flushMaxUs_, double(s.sentNs - t0) / 1e3);
    x_->sync();
    s.trueMs = double(s.sentNs - s.onsetNs) / 1e6;

    // Nothing of the benchmark runs while the program handles the press: the finger lets go
    // later, and only then does the photodiode check, coarsely, that the press was taken.
    sleepUntilNs(s.sentNs + std::int64_t(o_.releaseAfterMs) * 1000000);
    x_->button(false);
    x_->sync();
    s.serverMs = x_->lastPressServerMs();
}

void Run::awaitRest(const std::string& what, int timeoutMs)
{
    waitForState(false, 1000, std::int64_t(timeoutMs) * 1000000, what.c_str());
}

void Run::endSeries(Series& out, int series)
{
    answer(o_.endTitle, o_.endKey, "ending series");
    const bool counted = choiceTest(o_) && o_.countsLine > 0;
    std::size_t needed = std::size_t(o_.storedLine - 1) + std::min<std::size_t>(out.stimuli.size(), 10);
    if (counted)
        needed = std::max(needed, std::size_t(o_.countsLine - 1 + 4));
    const auto lines = readRecoveryLines((fs::path(o_.workDir) / o_.recoverFile).string(), needed);
    takeStoredTimes(lines, o_.storedLine, out.stimuli);
    const std::string name = "series " + std::to_string(series);
    if (counted) {
        ChoiceTally& t = out.tally;
        takeChoiceCounts(lines, o_.countsLine, t);
        if (!t.agrees())
            out.warnings.push_back(
                name + ": the program counted " + std::to_string(t.correctHits) + " correct hits, " +
                std::to_string(t.correctMisses) + " correct misses, " + std::to_string(t.incorrectHits) +
                " incorrect hits, " + std::to_string(t.missedHits) + " missed hits for " + std::to_string(t.pressed) +
                " presses on the trigger colour and " + std::to_string(t.left) + " other elements left alone");
    }
    if (std::string w = readTrace(o_.trace, traceLinesSeen_, out.stimuli); !w.empty())
        out.warnings.push_back(name + ": " + w);
    for (const auto& s : out.stimuli) {
        const double err = s.storedMs ? *s.storedMs - s.trueMs : 0;
        if (std::fabs(err) > 20)
            out.warnings.push_back(name + " run " + std::to_string(s.run) + ": stored time is " + std::to_string(err) +
                                   " ms off the true delay");
    }
}

void Run::simpleSeries(Series& out, int series)
{
    beginSeries();
    for (int run = 1; run <= o_.runs; ++run) {
        Stimulus s = awaitOnset(series, run);
        if (run == 1 && series == 1)
            stimulusColour_ = photodiode_->centrePixel();
        if (!out.stimuli.empty()) {
            s.followsPress = true;
            s.intervalMs = double(s.onsetNs - out.stimuli.back().sentNs) / 1e6;
        }
        pressAfterDelay(s);
        out.stimuli.push_back(s);
        if (run < o_.runs)
            awaitRest("for the area to return to rest after press " + std::to_string(run) + " of series " +
                          std::to_string(series) + " (was the press at the press point taken as a response?)",
                      2000);
    }
    endSeries(out, series);
}

// A student's way through a choice series: look at each element, press on the target when it
// has the trigger's colour, otherwise wait for it to go. The interval figures come from the
// elements that follow a pressed one (after a time-out the program counts from its blank,
// which the benchmark does not stamp).
void Run::choiceSeries(Series& out, int series)
{
    beginSeries();
    ChoiceTally& t = out.tally;
    bool previousPressed = false;
    while (t.pressed < o_.runs) {
        Stimulus s = awaitOnset(series, ++t.elements);
        const std::uint32_t colour = photodiode_->centrePixel();
        const std::string where = "element " + std::to_string(t.elements) + " of series " + std::to_string(series);
        if (!isTrigger(colour)) {
            ++t.left;
            previousPressed = false;
            awaitRest("for " + where + " (" + hexColour(colour) + ", not the trigger colour) to time out", 30000);
            continue;
        }
        s.run = ++t.pressed;
        if (previousPressed) {
            s.followsPress = true;
            s.intervalMs = double(s.onsetNs - out.stimuli.back().sentNs) / 1e6;
        }
        pressAfterDelay(s);
        out.stimuli.push_back(s);
        previousPressed = true;
        if (t.pressed < o_.runs)
            awaitRest("for the display to return to rest after the press on " + where +
                          " (was the press at the press point taken as a response?)",
                      2000);
    }
    endSeries(out, series);
}

} // namespace timing
