#include "config/MasterVolume.h"
#include "config/NumberText.h"
#include "platform/audio/Mixer.h"

namespace brevane {

bool SetMasterVolume(Mixer& mixer, qint32 percent)
{
    if (percent < 0 || percent > 100)
        return false;
    const std::optional<VolumeRange> range = mixer.open();
    if (!range) {
        mixer.close();
        return false;
    }
    const double exact = double(range->min) + double(percent) * double(range->max - range->min) / 100.0;
    const bool ok = mixer.setVolume(long(roundHalfEven(exact)));
    mixer.close();
    return ok;
}

} // namespace brevane
