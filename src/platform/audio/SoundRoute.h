#pragma once
#include "platform/audio/Beeper.h"
#include "platform/services/Clock.h"
#include "platform/services/Timer.h"

#include <memory>

namespace brevane {

// The route the tones take, chosen once at start-up: PipeWire's own API where a PipeWire server
// answers, PulseAudio's where a PulseAudio server does (their ALSA plugins give no timestamps, and
// an idle sink must wake first), else the ALSA device `alsaDevice` with its status. Says which
// on standard error, once.
std::unique_ptr<Beeper> makeBeeper(const Clock& clock, TimerFactory& timers, const char* alsaDevice = "default");

} // namespace brevane
