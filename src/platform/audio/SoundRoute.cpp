#include "platform/audio/SoundRoute.h"
#include "platform/audio/alsa/AlsaBeeper.h"
#include "platform/audio/pipewire/PipeWireBeeper.h"
#include "platform/audio/pulse/PulseBeeper.h"

#include <cstdio>

namespace brevane {

std::unique_ptr<Beeper> makeBeeper(const Clock& clock, TimerFactory& timers, const char* alsaDevice)
{
    std::unique_ptr<Beeper> beeper;
    if (auto pipewire = std::make_unique<PipeWireBeeper>(clock, timers); pipewire->connected())
        beeper = std::move(pipewire);
    else if (auto pulse = std::make_unique<PulseBeeper>(clock); pulse->connected())
        beeper = std::move(pulse);
    else
        beeper = std::make_unique<AlsaBeeper>(clock, alsaDevice);
    std::fprintf(stderr, "brevane: tones go to %s, stamped by %s\n", qPrintable(beeper->deviceName()),
                 beeper->hasDevice() ? toneRouteName(beeper->route()) : "nothing (the bell rings)");
    return beeper;
}

} // namespace brevane
