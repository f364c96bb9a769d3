#pragma once
#include "platform/audio/SoundCapture.h"
#include "platform/services/Clock.h"

#include <memory>

namespace brevane {

// The route the recording takes, chosen as the tone's is (SoundRoute.h): PipeWire's own API where
// a PipeWire server answers, PulseAudio's where a PulseAudio server does, else the ALSA device
// `alsaDevice` with its status.
std::unique_ptr<SoundCapture> makeSoundCapture(const Clock& clock, const char* alsaDevice = "default");

} // namespace brevane
