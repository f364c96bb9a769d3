#pragma once
// The timing trace (BREVANE_TIMING_TRACE): one line of blank-separated words for every stored
// time, the unrounded stamps behind it (CLOCK_MONOTONIC nanoseconds) and where they came from.
// The list below is the one description of its fields: the program writes them in this order,
// and every reader finds a field by its name here (bench/lib in C++; tests/e2e/brevane_e2e reads
// the names out of this file). Plain C++, so the benchmark, which builds without Qt, includes it
// too. A new field goes at the end: a trace written before it simply has fewer words (the first
// traces held two, then three, then six, then eleven).

#include <algorithm>
#include <array>
#include <charconv>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace brevane {

// Names are words without quotes or blanks in them (the Python reader takes each quoted word).
inline constexpr std::array<std::string_view, 12> kTimingTraceFields{
    "stimulus_ns",    // the stimulus stamp
    "press_ns",       // the press stamp
    "uncertainty_ns", // half the program's own flush-to-reply round trip around the stimulus stamp
    "source",         // where the stimulus stamp came from (stampSourceName)
    "msc",            // the display's frame counter of a display source's stamp
    "handover_ns",    // the hand-over of the pixels, the stamp without a display source; 0 with clock
    "press_source",   // what stamped the press (pressSourceName)
    "tone_source",    // what stamped the tone (toneSourceName)
    "exact",          // exact or estimated
    "scanout_ns",     // the scan-out time down to the stimulus that the stamp includes
    "flags",          // the display's flags, or -
    "tone_lag_ns",    // the tone's first sample less the picture's onset; 0 unless the stimulus had both
};

// A field, named: a name that is not in the list does not compile.
class TimingTraceField {
public:
    template <std::size_t N>
    consteval TimingTraceField(const char (&name)[N])
        : index_(indexOf(std::string_view(name, N - 1)))
    {
    }
    constexpr std::size_t index() const { return index_; }

private:
    static consteval std::size_t indexOf(std::string_view name)
    {
        for (std::size_t i = 0; i < kTimingTraceFields.size(); ++i)
            if (kTimingTraceFields[i] == name)
                return i;
        throw std::invalid_argument("not a field of the timing trace");
    }
    std::size_t index_;
};

// One line's words by field: filled and written by the program, split and read by the readers.
class TimingTraceLine {
public:
    TimingTraceLine()
        : words_(kTimingTraceFields.size())
    {
    }
    // A line as read; it may hold fewer fields than the list (an older trace).
    static TimingTraceLine parse(std::string_view text)
    {
        TimingTraceLine line;
        line.words_.clear();
        std::size_t at = 0;
        while ((at = text.find_first_not_of(" \t\r\n", at)) != std::string_view::npos) {
            const std::size_t end = std::min(text.find_first_of(" \t\r\n", at), text.size());
            line.words_.emplace_back(text.substr(at, end - at));
            at = end;
        }
        return line;
    }

    void set(TimingTraceField f, std::string word) { words_[f.index()] = std::move(word); }
    void set(TimingTraceField f, std::integral auto n) { set(f, std::to_string(n)); }
    // The words in the order of the list, without a line end.
    std::string text() const
    {
        std::string s;
        for (std::size_t i = 0; i < words_.size(); ++i)
            s += (i ? " " : "") + words_[i];
        return s;
    }

    std::size_t fieldCount() const { return words_.size(); }
    // Empty where the line is shorter.
    std::string_view word(TimingTraceField f) const
    {
        return f.index() < words_.size() ? std::string_view(words_[f.index()]) : std::string_view();
    }
    // None where the line is shorter or the word is not a whole number.
    template <std::integral T = std::int64_t> std::optional<T> number(TimingTraceField f) const
    {
        const std::string_view w = word(f);
        T n{};
        const auto [end, error] = std::from_chars(w.data(), w.data() + w.size(), n);
        if (w.empty() || error != std::errc() || end != w.data() + w.size())
            return std::nullopt;
        return n;
    }

private:
    std::vector<std::string> words_;
};

} // namespace brevane
