#pragma once
#include <QString>

namespace reflex {

// The one sound of the program: the audio stimulus and every beep. beep() returns once the
// sound has been handed to the device, so a stamp taken after it does not precede the sound.
class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
    // Whether the tone has a sound device to play on; without one beep() rings the bell.
    virtual bool hasDevice() const = 0;
    virtual QString deviceName() const = 0;
};

} // namespace reflex
