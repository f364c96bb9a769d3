#pragma once
#include <optional>

namespace brevane {

// The range of a volume control, in the device's own steps.
struct VolumeRange {
    long min = 0;
    long max = 0;
};

// The master playback volume of the sound system, used for one setting at a time: open()
// finds the control, setVolume() writes it, close() lets go of the device again.
class Mixer {
public:
    virtual ~Mixer() = default;
    // The master playback volume control of the default card, or the nearest playback volume
    // control it has; std::nullopt when there is no device or no such control.
    virtual std::optional<VolumeRange> open() = 0;
    // Sets every channel of the opened control; false when the device refused.
    virtual bool setVolume(long value) = 0;
    // Releases the device; harmless when nothing is open.
    virtual void close() = 0;
};

} // namespace brevane
