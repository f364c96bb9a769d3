#pragma once
// Finding when a recorded signal began: a photodiode's change of level, the tone looped back, a
// mouse button's click. The machine check (MachineCheck.h) cuts a window of the recording around
// each of the program's stamps and asks findOnset where the change it stamped shows in the sound
// card's input. Pure arithmetic over samples, so tests feed it recorded and made-up signals.
//
// The signal is smoothed (a centred average over `smoothFrames`), its distance from the rest's
// level taken, and that made an envelope (the largest distance over the last `holdFrames`, so a
// tone's or a flickering backlight's swings read as one rise). The rest's own largest excursion is
// the noise. The onset is where the envelope's rise to its largest value in the search window
// first reached `fraction` of it (and more than half again the noise), placed between two frames.

#include <cstdint>
#include <vector>

namespace brevane {

// Frames 1/rate apart, the first at `startNs`.
struct SignalWindow {
    std::int64_t startNs = 0;
    unsigned rate = 0;
    std::vector<float> frames;
};

struct OnsetSearch {
    std::int64_t restFromNs = 0, restToNs = 0; // where the signal is at rest
    std::int64_t fromNs = 0, toNs = 0;         // where the onset is looked for
    int smoothFrames = 1, holdFrames = 1;
    double fraction = 0.2;
    double minRatio = 4;     // the largest change over the rest's largest excursion
    double minLevel = 0.002; // the largest change, of full scale
};

enum class OnsetVerdict {
    Found,
    Missed, // nothing stands out from the rest: no flash, no sound
    Noisy,  // something does, but not clearly above the noise
    Weak,   // clear, but too faint to time (below minLevel)
    Gap     // the recording does not cover the windows
};
const char* onsetVerdictName(OnsetVerdict verdict);

struct Onset {
    OnsetVerdict verdict = OnsetVerdict::Missed;
    std::int64_t ns = 0;  // Found only
    double peak = 0;      // the largest change, of full scale
    double rest = 0;      // the rest's largest excursion
    bool clipped = false; // the signal touched full scale in the search window
};

Onset findOnset(const SignalWindow& window, const OnsetSearch& search);

} // namespace brevane
