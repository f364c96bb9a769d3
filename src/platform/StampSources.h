#pragma once
// Where each kind of stamp comes from on this machine, by name, for the timing check's readout.
// currentStampSources asks each service as it runs now; a new source (the presented frame, the
// kernel's press time, the tone's first sample) names itself through the service it replaces.

#include <QString>

namespace reflex {

class Beeper;
class XPressStamper;

struct StampSources {
    QString display; // "hand-over": the pixels written to the X server; "repaint" elsewhere
    QString input;   // XPressStamper::sourceName()
    QString sound;   // "write": the tone handed to the device; "none": no sound device
};

// `presses` must be listening (its window shown) for its input thread to count.
StampSources currentStampSources(const Beeper& beeper, const XPressStamper& presses);

} // namespace reflex
