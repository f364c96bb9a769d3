#pragma once
#include "platform/audio/ToneStamp.h"

#include <QString>
#include <cstdint>

namespace brevane {

// The one sound of the program: the audio stimulus and every beep. startTone() hands the tone to
// the device and returns at once; startedTone() then gives the stamp of its first sample where the
// device can tell (else an unknown stamp: a stamp taken after it then does not precede the sound).
// The route a tone takes (an ALSA device, the PipeWire graph, a PulseAudio stream) is chosen once
// at start-up (makeBeeper) and named by route().
class Beeper {
public:
    virtual ~Beeper() = default;
    // The first sample at `firstSampleNs` on the program's clock, as near to it as the device
    // allows (never before what it holds ahead); 0: as soon as it can. A tone still playing is
    // cut off.
    virtual void startTone(std::int64_t firstSampleNs) = 0;
    // How long before its first sample a tone must be started to start where asked: a sound
    // server's stream is filled that far ahead of what it plays; 0: as far as it knows, at once.
    virtual std::int64_t toneLeadNs() const { return 0; }
    // The stamp of the tone last started; may wait for the device to place it (a sound server's
    // cycle).
    virtual ToneStamp startedTone() = 0;
    ToneStamp beep()
    {
        startTone(0);
        return startedTone();
    }
    // While held (a test window is open; counted), a sound server's stream runs on silence, so
    // that neither its start nor the sink's wake-up falls inside a measured time.
    virtual void holdStream(bool on) { (void)on; }
    // Whether the tone has a sound device to play on; without one it rings the bell.
    virtual bool hasDevice() const = 0;
    virtual QString deviceName() const = 0;
    // What the tones are stamped from on this route (toneRouteName names it); None: the bell.
    virtual ToneSource route() const = 0;
};

} // namespace brevane
