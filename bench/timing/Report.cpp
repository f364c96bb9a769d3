#include "Report.h"

#include "CpuUse.h"

#include <sys/utsname.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>

namespace timing {

namespace {

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
    std::vector<Row> rows{{"stored time - true delay", &f.stored},
                          {"trace time - true delay", &f.trace},
                          {"  stimulus side: stamp - onset", &f.stimulusSide},
                          {"  press side: stamp - press sent", &f.pressSide},
                          {"    X server's time of the press - press sent (+-0.5)", &f.serverTook},
                          {"  rounding: stored - trace time", &f.rounding},
                          {"interval - configured", &f.interval},
                          {"  program: press stamp to stimulus stamp", &f.programInterval},
                          {"photodiode bracket (half-width)", &f.bracket}};
    if (f.stimulusHalfWidth.n > 0)
        rows.push_back({"stimulus stamp uncertainty (half-width)", &f.stimulusHalfWidth});
    if (f.handOverSide.n > 0)
        rows.insert(rows.begin() + 3, {"    the hand-over stamp instead (without Present)", &f.handOverSide});
    rows.insert(rows.begin() + 3, {"    onsets the photodiode bracketed within +-0.2", &f.tightStimulusSide});
    if (f.onRefresh.n > 0)
        rows.push_back({"Present stamp - refresh boundary", &f.onRefresh});
    return rows;
}

// Where the stimulus stamps came from, and the display's refresh as the Present stamps show it.
std::string stampLine(const Figures& f)
{
    if (f.sources.empty())
        return "Stimulus stamps: no source in the trace.";
    char buf[320];
    std::snprintf(buf, sizeof buf, "Stimulus stamps: %s; %d of %d within the photodiode's bracket.", f.sources.c_str(),
                  f.insideBracket, f.bracketed);
    std::string s = buf;
    for (const Figures::Count& c : f.counts)
        s += " " + c.what + ": " + std::to_string(c.n) + ".";
    if (!std::isnan(f.refreshMs)) {
        std::snprintf(buf, sizeof buf,
                      " Refresh interval from the Present stamps and their frame counter: %.4f ms (%.2f Hz).",
                      f.refreshMs, 1000.0 / f.refreshMs);
        s += buf;
    }
    return s;
}

// The goals for the unrounded time (the trace), idle and busy alike.
std::string goalsText(const Figures& f)
{
    auto mark = [](bool ok) { return ok ? "met" : "MISSED"; };
    char buf[320];
    std::snprintf(buf, sizeof buf,
                  "unrounded mean %+.3f (goal within +-0.1): %s; sd %.3f (<= 0.15): %s; "
                  "largest |error| %.3f (<= 1): %s",
                  f.trace.mean, mark(std::fabs(f.trace.mean) <= 0.1), f.trace.sd, mark(f.trace.sd <= 0.15),
                  f.trace.maxAbs(), mark(f.trace.n > 0 && f.trace.maxAbs() <= 1.0));
    return buf;
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
        std::snprintf(buf, sizeof buf,
                      " %zu series measured again because other processes used more than "
                      "%.2f cores during them (",
                      c.discardedOther.size(), quietBelow);
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

// How long the X server held the presses before taking them, as far as its millisecond stamps
// tell: what the program cannot see before the server hands a press on.
std::string serverLine(const Condition& c)
{
    int lag[3] = {0, 0, 0};
    std::string held;
    for (const auto& s : c.stimuli) {
        if (!s.serverMs)
            continue;
        const int l = std::clamp(serverLagMs(s), 0, 2);
        ++lag[l];
        if (l == 2 && s.progPressNs) {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%s%+.2f", held.empty() ? "" : ", ", pressSideMs(s));
            held += buf;
        }
    }
    if (lag[0] + lag[1] + lag[2] == 0)
        return "The X server's time of the presses was not read.";
    char buf[512];
    std::snprintf(buf, sizeof buf,
                  "The X server's time of the press was the millisecond it was sent in for %d presses, the next "
                  "for %d, and later for %d (held more than 1 ms before the server took them%s%s).",
                  lag[0], lag[1], lag[2], held.empty() ? "" : "; their press-side offsets in ms: ", held.c_str());
    return buf;
}

// The tails side by side: the stamps more than a millisecond off on each side, and the press stamps
// the X server's time bounded (the trace's press source "server"), each with its series and run.
std::string tailLine(const Condition& c)
{
    int stimulus = 0, press = 0, paired = 0;
    std::map<std::string, int> sources;
    std::string bounded;
    int nBounded = 0;
    for (const auto& s : c.stimuli) {
        if (!s.progStimulusNs || !s.progPressNs)
            continue;
        ++paired;
        stimulus += std::llabs(*s.progStimulusNs - s.onsetNs) > 1'000'000 ? 1 : 0;
        press += std::fabs(pressSideMs(s)) > 1.0 ? 1 : 0;
        if (!s.progPressSource.empty())
            ++sources[s.progPressSource];
        if (s.progPressSource == "server") {
            char buf[96];
            std::snprintf(buf, sizeof buf, "%sseries %d run %d %+.2f", nBounded ? ", " : "", s.series, s.run,
                          pressSideMs(s));
            bounded += buf;
            ++nBounded;
        }
    }
    std::string named;
    for (const auto& [source, n] : sources)
        named += (named.empty() ? "" : ", ") + source + " " + std::to_string(n);
    char buf[256];
    std::snprintf(buf, sizeof buf, "Beyond +-1 ms: stimulus side %d, press side %d, of %d. Press stamps: %s; ",
                  stimulus, press, paired, named.empty() ? "not named by the trace" : named.c_str());
    return buf + (nBounded == 0 ? std::string("none bounded by the X server's time.")
                                : std::to_string(nBounded) +
                                      " bounded by the X server's time (press side in ms: " + bounded + ").");
}

// What a choice test's series counted, against what the photodiode saw.
std::string tallyLine(const ChoiceTally& t)
{
    char buf[512];
    std::snprintf(buf, sizeof buf,
                  "Elements shown: %d, of which %d of the trigger colour, each pressed, and %d others left to time "
                  "out. The program counted %d correct hits, %d correct misses, %d incorrect hits and %d missed "
                  "hits: %s.",
                  t.elements, t.pressed, t.left, t.correctHits, t.correctMisses, t.incorrectHits, t.missedHits,
                  t.seriesDisagreeing == 0 && t.agrees()
                      ? "every trigger a correct hit, every other element a correct miss"
                      : "DISAGREES with the elements seen (see the warnings)");
    return buf;
}

// Each mode keeps its own top-level section of the results file: the one written replaces
// its earlier self and leaves the other mode's figures alone.
void writeSection(const std::string& path, const std::string& title, const std::string& body)
{
    std::vector<std::string> before, after;
    {
        std::ifstream in(path);
        std::string line;
        bool inOwn = false, seenOwn = false;
        while (std::getline(in, line)) {
            const bool top = line.rfind("# ", 0) == 0;
            if (top)
                inOwn = line == title;
            if (inOwn) {
                seenOwn = true;
                continue;
            }
            (seenOwn ? after : before).push_back(line);
        }
    }
    while (!before.empty() && before.back().empty())
        before.pop_back();
    std::ofstream md(path);
    for (const auto& l : before)
        md << l << "\n";
    if (!before.empty())
        md << "\n";
    md << title << "\n\n" << body;
    if (!after.empty())
        md << "\n";
    for (const auto& l : after)
        md << l << "\n";
}

template <typename T> std::string optional(const std::optional<T>& v)
{
    return v ? std::to_string(*v) : std::string();
}

void writeRaw(const std::string& path, const std::vector<Condition>& conditions)
{
    std::ofstream raw(path);
    raw << "condition\tseries\trun\tonset_ns\tbracket_ns\tsent_ns\ttrue_ms\tstored_ms\tprog_stimulus_ns"
           "\tprog_press_ns\tprog_stimulus_half_width_ns\tinterval_ms\tprogram_interval_ms\tserver_ms"
           "\tprog_source\tprog_msc\tprog_handover_ns\tprog_press_source\n";
    for (const auto& c : conditions)
        for (const auto& s : c.stimuli)
            raw << c.kind << '\t' << s.series << '\t' << s.run << '\t' << s.onsetNs << '\t' << s.bracketNs << '\t'
                << s.sentNs << '\t' << s.trueMs << '\t' << optional(s.storedMs) << '\t' << optional(s.progStimulusNs)
                << '\t' << optional(s.progPressNs) << '\t' << optional(s.progStimulusHalfWidthNs) << '\t'
                << optional(s.intervalMs) << '\t' << optional(s.programIntervalMs) << '\t' << optional(s.serverMs)
                << '\t' << s.progSource << '\t' << optional(s.progMsc) << '\t' << optional(s.progHandOverNs) << '\t'
                << s.progPressSource << '\n';
}

} // namespace

std::string conditionTitle(const std::string& kind)
{
    return kind == "idle" ? "Idle machine" : "Other core busy (a forked busy loop)";
}

void report(const ReportSetup& r, const std::vector<Condition>& conditions)
{
    const Options& o = r.options;
    const std::time_t now = std::time(nullptr);
    char date[64];
    std::strftime(date, sizeof date, "%Y-%m-%d %H:%M:%S %Z", std::localtime(&now));
    utsname u{};
    uname(&u);
    std::ostringstream machine;
    machine << cpuModel() << ", " << sysconf(_SC_NPROCESSORS_ONLN) << " cores, Linux " << u.release;
    const bool choice = choiceTest(o);
    const bool counted = choice && o.countsLine > 0;
    std::ostringstream setup;
    if (choice)
        setup << "colour choice test, presses on the trigger colour only, the other elements left to time out; ";
    setup << o.series << " series x " << o.runs << (choice ? " triggers" : " runs")
          << " per condition (a series during which other "
          << "processes used more than " << o.quietBelow << " cores is measured again, up to " << o.retries
          << " times), fixed interval " << o.intervalMs << " ms, true delay uniform " << o.delayMinMs << ".."
          << o.delayMaxMs << " ms, photodiode period " << o.pollUs << " us over " << o.watch.w << "x" << o.watch.h
          << " px, Xvfb without a window manager; benchmark: " << r.realtimeNote << "; seed " << r.seed;

    std::cout << "\nTiming accuracy of " << o.program << "\n"
              << date << "; " << machine.str() << "\n"
              << setup.str() << "\n"
              << "colours seen: rest " << hex(r.restColour) << (choice ? ", trigger " : ", stimulus ")
              << hex(r.stimulusColour) << "\n";
    for (const auto& c : conditions) {
        const Figures f = figuresOf(c, o.intervalMs);
        std::cout << "\n[" << conditionTitle(c.kind) << "] " << conditionLine(c, o.quietBelow) << "\n";
        std::printf("%-50s %5s %8s %7s %8s %8s %8s %8s\n", "error (ms)", "n", "mean", "sd", "min", "max", "p1", "p99");
        for (const auto& row : rowsOf(f))
            std::printf("%-50s %5zu %8s %7s %8s %8s %8s %8s\n", row.label, row.s->n, fmt(row.s->mean).c_str(),
                        fmt(row.s->sd, false).c_str(), fmt(row.s->min).c_str(), fmt(row.s->max).c_str(),
                        fmt(row.s->p1).c_str(), fmt(row.s->p99).c_str());
        std::fflush(stdout);
        std::cout << photodiodeLine(c) << "\n"
                  << serverLine(c) << "\n"
                  << tailLine(c) << "\n"
                  << stampLine(f) << "\ngoals: " << goalsText(f) << "\n";
        if (counted)
            std::cout << tallyLine(c.tally) << "\n";
        for (const auto& w : c.warnings)
            std::cout << "warning: " << w << "\n";
    }
    std::cout << std::flush;

    if (!o.raw.empty())
        writeRaw(o.raw, conditions);
    if (o.results.empty())
        return;
    std::ostringstream md;
    md << (choice ? "Written by `bench/timing.py --test color`" : "Written by `scripts/bench.sh`")
       << " (bench/timing.py, bench/timing); what the figures mean: bench/README.md.\n\n"
       << "- Date: " << date << "\n"
       << "- Machine: " << machine.str() << "\n"
       << "- Setup: " << setup.str() << "\n"
       << "- Colours seen by the photodiode: rest " << hex(r.restColour) << (choice ? ", trigger " : ", stimulus ")
       << hex(r.stimulusColour) << "\n";
    for (const auto& c : conditions) {
        const Figures f = figuresOf(c, o.intervalMs);
        md << "\n## " << conditionTitle(c.kind) << "\n\n"
           << conditionLine(c, o.quietBelow) << "\n\n"
           << "| error (ms) | n | mean | sd | min | max | p1 | p99 |\n|---|---:|---:|---:|---:|---:|---:|---:|\n";
        for (const auto& row : rowsOf(f)) {
            std::string label = row.label;
            const std::size_t indent = label.find_first_not_of(' ');
            std::string nbsp;
            for (std::size_t i = 0; i < indent; ++i)
                nbsp += "&nbsp;";
            label = nbsp + label.substr(indent);
            md << "| " << label << " | " << row.s->n << " | " << fmt(row.s->mean) << " | " << fmt(row.s->sd, false)
               << " | " << fmt(row.s->min) << " | " << fmt(row.s->max) << " | " << fmt(row.s->p1) << " | "
               << fmt(row.s->p99) << " |\n";
        }
        md << "\n"
           << photodiodeLine(c) << " " << serverLine(c) << " " << stampLine(f) << "\n\n"
           << tailLine(c) << "\n\nGoals: " << goalsText(f) << ".\n";
        if (counted)
            md << "\n" << tallyLine(c.tally) << "\n";
        for (const auto& w : c.warnings)
            md << "\nWarning: " << w << "\n";
    }
    writeSection(o.results, choice ? "# Timing accuracy, colour test" : "# Timing accuracy", md.str());
}

} // namespace timing
