#include "lib/Pairing.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace timing {

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

void takeStamps(const brevane::TimingTraceLine& l, Stimulus& s)
{
    s.progStimulusNs = l.number("stimulus_ns");
    s.progPressNs = l.number("press_ns");
    if (const auto halfWidth = l.number("uncertainty_ns"); halfWidth && *halfWidth >= 0)
        s.progStimulusHalfWidthNs = halfWidth;
    s.progSource = l.word("source");
    if (s.progSource == "present")
        s.progMsc = l.number<std::uint64_t>("msc").value_or(0);
    if (const auto handOver = l.number("handover_ns"); handOver && *handOver > 0)
        s.progHandOverNs = handOver;
    s.progPressSource = l.word("press_source");
}

std::string unpairedText(const std::vector<int>& missing, std::size_t presses, int stray)
{
    std::string w;
    if (!missing.empty()) {
        w = "the trace holds no line for press" + std::string(missing.size() > 1 ? "es " : " ");
        for (std::size_t i = 0; i < missing.size(); ++i)
            w += (i ? ", " : "") + std::to_string(missing[i]);
        w += " of " + std::to_string(presses);
    }
    if (stray > 0)
        w += (w.empty() ? "the trace holds " : "; and ") + std::to_string(stray) + (stray > 1 ? " lines" : " line") +
             " for no press of the benchmark's";
    return w;
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

std::string pairTrace(const std::vector<brevane::TimingTraceLine>& lines, std::vector<Stimulus>& runs)
{
    std::vector<const brevane::TimingTraceLine*> line(runs.size(), nullptr);
    int stray = 0;
    for (const brevane::TimingTraceLine& l : lines) {
        const auto press = l.number("press_ns");
        if (!press || !l.number("stimulus_ns"))
            continue;
        const auto next = std::upper_bound(runs.begin(), runs.end(), *press,
                                           [](std::int64_t t, const Stimulus& s) { return t < s.onsetNs; });
        if (next == runs.begin()) {
            ++stray; // before the series' first stimulus
            continue;
        }
        const std::size_t i = std::size_t(next - runs.begin()) - 1;
        if (line[i]) {
            ++stray;
            const auto off = [&](const brevane::TimingTraceLine* m) {
                return std::llabs(*m->number("press_ns") - runs[i].sentNs);
            };
            if (off(&l) >= off(line[i]))
                continue;
        }
        line[i] = &l;
    }
    std::vector<int> missing;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (!line[i]) {
            missing.push_back(runs[i].run);
            continue;
        }
        takeStamps(*line[i], runs[i]);
        if (i > 0 && runs[i].followsPress && runs[i - 1].progPressNs)
            runs[i].programIntervalMs = double(*runs[i].progStimulusNs - *runs[i - 1].progPressNs) / 1e6;
    }
    return unpairedText(missing, runs.size(), stray);
}

} // namespace timing
