#pragma once
#include "platform/ToneStamp.h"

#include <QString>

namespace brevane {

// The one sound of the program: the audio stimulus and every beep. beep() returns once the
// sound has been handed to the device, with the stamp of its first sample where the device can
// tell (else an unknown stamp: a stamp taken after beep() then does not precede the sound).
class Beeper {
public:
    virtual ~Beeper() = default;
    virtual ToneStamp beep() = 0;
    // Whether the tone has a sound device to play on; without one beep() rings the bell.
    virtual bool hasDevice() const = 0;
    virtual QString deviceName() const = 0;
};

} // namespace brevane
