#include "lib/Records.h"

#include <algorithm>
#include <cstdlib>
#include <map>

namespace timing {

int serverLagMs(const Stimulus& s)
{
    return int(std::int32_t(*s.serverMs - std::uint32_t(s.sentNs / 1000000)));
}

double pressSideMs(const Stimulus& s)
{
    return double(*s.progPressNs - s.sentNs) / 1e6;
}

double fitRefreshGrid(const std::vector<Stimulus>& stimuli, std::vector<double>& afterBoundaryMs)
{
    auto present = [](const Stimulus& s) { return s.progSource == "present" && s.progMsc && s.progStimulusNs; };
    const auto first = std::find_if(stimuli.begin(), stimuli.end(), present);
    std::vector<std::pair<double, double>> points; // frames and ns since the first Present stamp
    for (const auto& s : stimuli)
        if (present(s))
            points.emplace_back(double(std::int64_t(*s.progMsc - *first->progMsc)),
                                double(*s.progStimulusNs - *first->progStimulusNs));
    afterBoundaryMs.clear();
    if (points.size() < 3)
        return NAN;
    double slope = 0, intercept = 0;
    auto fit = [&](double keepWithinNs) {
        double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
        for (auto [x, y] : points)
            if (std::fabs(y - (intercept + slope * x)) <= keepWithinNs) {
                n += 1, sx += x, sy += y, sxx += x * x, sxy += x * y;
            }
        const double d = n * sxx - sx * sx;
        if (n < 3 || d == 0)
            return false;
        slope = (n * sxy - sx * sy) / d;
        intercept = (sy - slope * sx) / n;
        return true;
    };
    if (!fit(INFINITY) || !fit(1e6))
        return NAN;
    std::vector<double> residual;
    for (auto [x, y] : points)
        residual.push_back(y - (intercept + slope * x));
    const double earliest = *std::min_element(residual.begin(), residual.end());
    for (double r : residual)
        afterBoundaryMs.push_back((r - earliest) / 1e6);
    return slope / 1e6;
}

Figures figuresOf(const Condition& c, int intervalMs)
{
    std::vector<double> stored, trace, rounding, stim, press, took, interval, programInterval, bracket, halfWidth;
    for (const auto& s : c.stimuli) {
        if (s.storedMs)
            stored.push_back(*s.storedMs - s.trueMs);
        if (s.progStimulusNs && s.progPressNs) {
            const double traceMs = double(*s.progPressNs - *s.progStimulusNs) / 1e6;
            trace.push_back(traceMs - s.trueMs);
            stim.push_back(double(*s.progStimulusNs - s.onsetNs) / 1e6);
            press.push_back(pressSideMs(s));
            if (s.storedMs)
                rounding.push_back(*s.storedMs - traceMs);
        }
        if (s.serverMs) // the middle of the server's millisecond, +-0.5 ms
            took.push_back(serverLagMs(s) + 0.5 - double(s.sentNs % 1000000) / 1e6);
        if (s.progStimulusHalfWidthNs)
            halfWidth.push_back(double(*s.progStimulusHalfWidthNs) / 1e6);
        if (s.intervalMs)
            interval.push_back(*s.intervalMs - intervalMs);
        if (s.programIntervalMs)
            programInterval.push_back(*s.programIntervalMs - intervalMs);
        bracket.push_back(double(s.bracketNs) / 1e6);
    }
    Figures f;
    f.stored = summarise(stored);
    f.trace = summarise(trace);
    f.rounding = summarise(rounding);
    f.stimulusSide = summarise(stim);
    f.pressSide = summarise(press);
    f.serverTook = summarise(took);
    f.interval = summarise(interval);
    f.programInterval = summarise(programInterval);
    f.bracket = summarise(bracket);
    f.stimulusHalfWidth = summarise(halfWidth);
    std::vector<double> handOver, onRefresh, tight;
    std::map<std::string, int> sources;
    for (const auto& s : c.stimuli) {
        if (!s.progSource.empty())
            ++sources[s.progSource];
        if (s.progStimulusNs) {
            const std::int64_t off = *s.progStimulusNs - s.onsetNs;
            ++f.bracketed;
            f.insideBracket += std::llabs(off) <= s.bracketNs ? 1 : 0;
            if (s.bracketNs <= 200'000)
                tight.push_back(double(off) / 1e6);
        }
        if (s.progSource != "handover" && s.progHandOverNs && *s.progHandOverNs > 0)
            handOver.push_back(double(*s.progHandOverNs - s.onsetNs) / 1e6);
    }
    f.counts.push_back({"Unrounded errors beyond +-1 ms", countBeyond(trace, 1.0)});
    f.refreshMs = fitRefreshGrid(c.stimuli, onRefresh);
    f.handOverSide = summarise(handOver);
    f.tightStimulusSide = summarise(tight);
    f.onRefresh = summarise(onRefresh);
    for (const auto& [source, n] : sources)
        f.sources += (f.sources.empty() ? "" : ", ") + source + " " + std::to_string(n);
    return f;
}

} // namespace timing
