#pragma once
// Where each kind of stamp comes from on this machine, by name, for the timing check's readout.
// currentStampSourceNames asks each service as it runs now; a new source (the presented frame, the
// kernel's press time, the tone's first sample) names itself through the service it replaces.

#include "platform/display/Presentation.h"

#include <QString>

namespace brevane {

class Beeper;
class XPressStamper;

struct StampSourceNames {
    QString display; // displayStampSourceName of the frame's source
    QString input;   // XPressStamper::sourceName()
    QString sound;   // the tone's route (toneRouteName); "none": no sound device
};

// "present": the display's time of the refresh (X Present); "compositor frame timings": the
// compositor's time of its frame; "screen read back": the screen's pixel read back at the refresh
// it changed at; "presentation feedback": the Wayland compositor's report of the frame; "hand-over": the pixels written
// to the X server; "repaint": the clock after a repaint (another platform).
QString displayStampSourceName(StampSource source);

// Before a first frame tells, the display is named as the platform goes. `presses` must be listening (its window shown)
// for its input thread to count.
StampSourceNames currentStampSourceNames(const Beeper& beeper, const XPressStamper& presses);

} // namespace brevane
