#include "Records.h"

#include "XSession.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
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
    return {summarise(stored),  summarise(trace),    summarise(rounding), summarise(stim),
            summarise(press),   summarise(took),     summarise(interval), summarise(programInterval),
            summarise(bracket), summarise(halfWidth)};
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
        long long stimulus = 0, press = 0, halfWidth = -1;
    };
    std::vector<Line> lines;
    std::string text;
    while (std::getline(in, text)) {
        Line l;
        if (std::sscanf(text.c_str(), "%lld %lld %lld", &l.stimulus, &l.press, &l.halfWidth) >= 2)
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
        if (i > 0 && runs[i].followsPress)
            runs[i].programIntervalMs = double(*runs[i].progStimulusNs - *runs[i - 1].progPressNs) / 1e6;
    }
    linesSeen += runs.size();
    return {};
}

} // namespace timing
