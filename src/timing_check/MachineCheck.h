#pragma once
// The machine check's parts, as logic: the window (MachineCheckWindow) shows the flashing patch,
// plays the tones and takes the clicks, and hands each stamp in (stamped); the sound card's input
// is recorded meanwhile (CaptureRecording). Once a part's trials are done, finish() cuts a window
// of the recording around each stamp, finds the onset of what the stamp stands for (Onsets.h) and
// sums the lags up: mean, SD and worst over the trials measured, or a refusal with its reason
// where too few could be timed. The lag of each part is what the machine adds to a stored time:
//   screen  photodiode onset - stimulus stamp (the monitor's input lag and its pixels' response)
//   sound   tone onset - tone stamp (the output's delay past what the sound route reports)
//   mouse   press stamp - click onset (the switch's debounce, the polling, the input path)

#include "shared/MachineResult.h"
#include "timing_check/CaptureRecording.h"

#include <QList>
#include <QString>
#include <vector>

namespace brevane {

enum class CheckPart { Screen, Sound, Mouse };
const char* checkPartName(CheckPart part); // "screen", "sound", "mouse"

// How many trials a part takes, and how far apart the window puts them.
int partTrials(CheckPart part);
std::int64_t partPeriodNs(CheckPart part);
// Where the rest and the onset are looked for around a stamp, and how the signal is read.
OnsetSearch partSearch(CheckPart part, std::int64_t stampNs);
// The lag a found onset gives: its sign as in the table above; the tone's onset is moved back
// by its ramp's rise to the detector's fraction (the tone starts soft).
double partLagMs(CheckPart part, std::int64_t stampNs, std::int64_t onsetNs);

// One trial's outcome.
struct Trial {
    OnsetVerdict verdict = OnsetVerdict::Missed;
    double lagMs = 0; // Found only
    bool clipped = false;
};
// The part's figures over its trials (MachineLag: mean, SD, worst, trials, measured), refused with
// the commonest failure's reason, in the user's words, where fewer than 70 % (and 5) were timed.
MachineLag summariseTrials(CheckPart part, const QString& device, const std::vector<Trial>& trials);

class MachineCheck {
public:
    explicit MachineCheck(const CaptureRecording& recording)
        : recording_(recording)
    {
    }
    void begin(CheckPart part);
    CheckPart part() const { return part_; }
    // A stamp of the part's: a flash shown, a tone's first sample, a press (with its device).
    void stamped(std::int64_t ns, const QString& device = {});
    int stamps() const { return int(stamps_.size()); }
    // Whether the recording reaches past the last stamp's window, so finish() can see it all.
    bool recorded() const;
    // The part's lags: one, or for the mouse one per device clicked.
    QList<MachineLag> finish() const;

private:
    struct Stamp {
        std::int64_t ns;
        QString device;
    };
    Trial measure(const Stamp& stamp) const;

    const CaptureRecording& recording_;
    CheckPart part_ = CheckPart::Screen;
    std::vector<Stamp> stamps_;
};

} // namespace brevane
