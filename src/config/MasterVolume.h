#pragma once
#include <QtGlobal>

namespace brevane {

class Mixer;

// Sets the master playback volume to `percent` of the control's range, rounded to the nearest
// step (halves to even). A percent outside 0..100 returns false without touching the device;
// so does a machine without a sound device or volume control. Every path closes the mixer.
bool SetMasterVolume(Mixer& mixer, qint32 percent);

} // namespace brevane
