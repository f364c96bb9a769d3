#include "platform/audio/CaptureRoute.h"
#include "platform/audio/alsa/AlsaCapture.h"
#include "platform/audio/pipewire/PipeWireCapture.h"
#include "platform/audio/pulse/PulseCapture.h"

namespace brevane {

std::unique_ptr<SoundCapture> makeSoundCapture(const Clock& clock, const char* alsaDevice)
{
    if (auto pipewire = std::make_unique<PipeWireCapture>(); pipewire->connected())
        return pipewire;
    if (auto pulse = std::make_unique<PulseCapture>(); pulse->connected())
        return pulse;
    return std::make_unique<AlsaCapture>(clock, alsaDevice);
}

} // namespace brevane
