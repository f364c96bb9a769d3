#pragma once
#include "platform/audio/Beeper.h"
#include "platform/input/PressStamp.h"

#include <QString>

namespace brevane {

// Where each kind of stamp comes from now, by name, asked of each service as it runs: the timing
// check's readout and the machine check's kept result name them.
struct StampSourceNames {
    QString display; // displayStampSourceName of the last frame's source
    QString input;   // the press stamper's sourceName(); `presses` names its input thread once it listens
    QString sound;   // the tone's route (toneRouteName); "none": no sound device
};

// Before a first frame tells, the display is named as the platform goes.
StampSourceNames currentStampSourceNames(const Beeper& beeper, const PressStamper& presses);

} // namespace brevane
