#pragma once
// What one stimulus yields: the benchmark's own stamps (photodiode onset, press sent), the
// time the program stored and, from its trace, the program's unrounded stamps (Pairing.h puts
// them together); and the figures a condition's stimuli add up to, which the report prints.

#include "lib/Stats.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace timing {

struct Stimulus {
    int series = 0;
    int run = 0;
    std::int64_t onsetNs = 0;              // the photodiode's estimate of when the colour changed
    std::int64_t bracketNs = 0;            // half the span within which it surely changed
    std::int64_t sentNs = 0;               // press written to the X server
    std::optional<std::uint32_t> serverMs; // the X server's time of the press (whole ms, CLOCK_MONOTONIC)
    double trueMs = 0;                     // sentNs - onsetNs
    std::optional<double> storedMs;        // from the recovery file
    // From the trace, its fields named in shared/TimingTrace.h; an older trace lacks the later ones.
    std::optional<std::int64_t> progStimulusNs, progPressNs; // stimulus_ns, press_ns
    std::optional<std::int64_t> progStimulusHalfWidthNs;     // uncertainty_ns, where known
    std::string progSource;                                  // source: present, handover, clock, ...; empty if none
    std::optional<std::uint64_t> progMsc;                    // msc, the display's frame counter (present only)
    std::optional<std::int64_t> progHandOverNs;              // handover_ns, the stamp without Present
    std::string progPressSource;             // press_source: kernel, raw, server, handler; empty if none
    bool followsPress = false;               // the element before this one was pressed (interval figures)
    std::optional<double> intervalMs;        // previous press sent .. this onset
    std::optional<double> programIntervalMs; // the program's previous press stamp .. this stimulus stamp
};

// A choice test's series: the elements the photodiode saw against what the program counted.
struct ChoiceTally {
    int elements = 0;                                                          // shown
    int pressed = 0;                                                           // of the trigger colour, pressed
    int left = 0;                                                              // of another colour, left to time out
    int correctHits = 0, correctMisses = 0, incorrectHits = 0, missedHits = 0; // the program's
    int seriesDisagreeing = 0;
    bool agrees() const
    {
        return correctHits == pressed && correctMisses == left && incorrectHits == 0 && missedHits == 0;
    }
    void add(const ChoiceTally& t)
    {
        elements += t.elements;
        pressed += t.pressed;
        left += t.left;
        correctHits += t.correctHits;
        correctMisses += t.correctMisses;
        incorrectHits += t.incorrectHits;
        missedHits += t.missedHits;
        seriesDisagreeing += t.agrees() ? 0 : 1;
    }
};

struct Condition {
    std::string kind; // idle or busy
    std::vector<Stimulus> stimuli;
    int series = 0;        // kept
    double otherCores = 0; // CPU used by processes the benchmark did not start, in cores
    double otherMax = 0;   // the most in one kept series
    double stealCores = 0;
    double ownCores = 0;
    std::vector<double> discardedOther; // series measured again, and what others used meanwhile
    int disturbedKept = 0;              // disturbed, but no budget left to measure them again
    std::string loadBefore, loadAfter;
    double seconds = 0;
    double pollGapMeanUs = 0, pollGapMaxUs = 0;
    double grabMeanUs = 0, grabMaxUs = 0; // one reading, request to reply
    double flushMaxUs = 0;                // longest time to hand a press to the server
    std::vector<std::string> warnings;
    ChoiceTally tally; // a choice test only
};

struct Figures {
    Summary stored, trace, rounding, stimulusSide, pressSide, serverTook, interval, programInterval, bracket,
        stimulusHalfWidth;
    // Where the stimulus stamp is the display's frame time (X Present): the hand-over stamp of the
    // same stimuli against the onset, and the stamp against the refresh it belongs to.
    Summary handOverSide, onRefresh;
    Summary tightStimulusSide; // stamp - onset where the photodiode bracketed the onset within +-0.2 ms
    int insideBracket = 0;     // stimulus stamps within the photodiode's bracket
    int bracketed = 0;         // of so many
    double refreshMs = NAN;    // the display's refresh interval, from the Present stamps and their MSC
    std::string sources;       // how many stimulus stamps came from each source
    // Counts the report states after the sources, each as "what: n." (unrounded errors beyond
    // +-1 ms, ...).
    struct Count {
        std::string what;
        int n = 0;
    };
    std::vector<Count> counts;
};

// Whole milliseconds between the one the press was sent in and the server's time of it (the
// server stamps on CLOCK_MONOTONIC too, unless its coarse clock is fine enough): 2 or more
// means the server surely held the press for more than a millisecond. Needs `serverMs`.
int serverLagMs(const Stimulus& s);
// The program's press stamp minus the moment the press was sent. Needs `progPressNs`.
double pressSideMs(const Stimulus& s);

Figures figuresOf(const Condition& c, int intervalMs);

// The display's refresh grid fitted to the Present stamps: a straight line through (MSC, stamp),
// least squares, again without the stamps more than 1 ms off the first line (a server late to its
// own timer). Returns the interval in ms and, for every stimulus, how far its stamp lies after the
// grid (0 for the earliest): the refresh boundary of its frame. NAN / empty with fewer than three
// Present stamps.
double fitRefreshGrid(const std::vector<Stimulus>& stimuli, std::vector<double>& afterBoundaryMs);

} // namespace timing
