#pragma once
// Where each kind of stamp comes from on this machine, by name, for the timing check's readout.
// currentStampSourceNames asks each service as it runs now; a new source (the presented frame, the
// kernel's press time, the tone's first sample) names itself through the service it replaces.

#include <QString>

namespace reflex {

class Beeper;
class XPressStamper;

struct StampSourceNames {
    QString display; // "hand-over": the pixels written to the X server; "repaint" elsewhere
    QString input;   // XPressStamper::sourceName()
    QString sound;   // "first sample": the device's own time of the tone; "none": no sound device
};

// `presses` must be listening (its window shown) for its input thread to count.
StampSourceNames currentStampSourceNames(const Beeper& beeper, const XPressStamper& presses);

} // namespace reflex
