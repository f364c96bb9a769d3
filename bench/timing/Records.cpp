#include "Records.h"

#include "XSession.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>

namespace fs = std::filesystem;

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
    Figures f{summarise(stored),  summarise(trace),    summarise(rounding), summarise(stim),
              summarise(press),   summarise(took),     summarise(interval), summarise(programInterval),
              summarise(bracket), summarise(halfWidth)};
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
    for (double e : trace)
        f.beyondOneMs += std::fabs(e) > 1.0 ? 1 : 0;
    f.refreshMs = fitRefreshGrid(c.stimuli, onRefresh);
    f.handOverSide = summarise(handOver);
    f.tightStimulusSide = summarise(tight);
    f.onRefresh = summarise(onRefresh);
    for (const auto& [source, n] : sources)
        f.sources += (f.sources.empty() ? "" : ", ") + source + " " + std::to_string(n);
    return f;
}

std::vector<std::string> readRecoveryLines(const std::string& path, std::size_t atLeast)
{
    const fs::path file = path;
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
            if (lines.size() >= atLeast)
                return lines;
        }
        if (!ec)
            lastSize = size;
        if (nowNs() > deadline)
            throw std::runtime_error("no complete " + path + " within 5 s after the end of a series");
        sleepForMs(30);
    }
}

namespace {

double number(const std::vector<std::string>& lines, std::size_t index)
{
    if (index >= lines.size())
        throw std::runtime_error("the recovery file has no line " + std::to_string(index + 1));
    char* end = nullptr;
    const double v = std::strtod(lines[index].c_str(), &end);
    if (lines[index].empty() || *end)
        throw std::runtime_error("recovery file line " + std::to_string(index + 1) + " is not a number: '" +
                                 lines[index] + "'");
    return v;
}

} // namespace

void takeStoredTimes(const std::vector<std::string>& lines, int firstLine, std::vector<Stimulus>& runs)
{
    const std::size_t wanted = std::min<std::size_t>(runs.size(), 10);
    for (std::size_t i = 0; i < wanted; ++i)
        runs[i].storedMs = number(lines, std::size_t(firstLine - 1) + i) * 1000.0;
}

void takeChoiceCounts(const std::vector<std::string>& lines, int firstLine, ChoiceTally& tally)
{
    int* counts[] = {&tally.correctHits, &tally.correctMisses, &tally.incorrectHits, &tally.missedHits};
    for (std::size_t i = 0; i < 4; ++i)
        *counts[i] = int(number(lines, std::size_t(firstLine - 1) + i));
}

std::string readTrace(const std::string& file, std::size_t& linesSeen, std::vector<Stimulus>& runs)
{
    std::ifstream in(file);
    if (file.empty() || !in)
        return {}; // a program without the trace: stored times only
    struct Line {
        long long stimulus = 0, press = 0, halfWidth = -1, handOver = 0;
        unsigned long long msc = 0;
        char source[16] = "", pressSource[16] = "";
    };
    std::vector<Line> lines;
    std::string text;
    while (std::getline(in, text)) {
        Line l;
        if (std::sscanf(text.c_str(), "%lld %lld %lld %15s %llu %lld %15s", &l.stimulus, &l.press, &l.halfWidth,
                        l.source, &l.msc, &l.handOver, l.pressSource) >= 2)
            lines.push_back(l);
    }
    if (lines.size() < linesSeen + runs.size()) {
        const std::string warning = "the trace holds " + std::to_string(lines.size() - linesSeen) + " new lines for " +
                                    std::to_string(runs.size()) + " presses; trace not paired";
        linesSeen = lines.size();
        return warning;
    }
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const Line& l = lines[linesSeen + i];
        runs[i].progStimulusNs = l.stimulus;
        runs[i].progPressNs = l.press;
        if (l.halfWidth >= 0)
            runs[i].progStimulusHalfWidthNs = l.halfWidth;
        runs[i].progSource = l.source;
        if (runs[i].progSource == "present")
            runs[i].progMsc = l.msc;
        if (l.handOver > 0)
            runs[i].progHandOverNs = l.handOver;
        runs[i].progPressSource = l.pressSource;
        if (i > 0 && runs[i].followsPress)
            runs[i].programIntervalMs = double(*runs[i].progStimulusNs - *runs[i - 1].progPressNs) / 1e6;
    }
    linesSeen += runs.size();
    return {};
}

} // namespace timing
