#pragma once
#include <alsa/asoundlib.h>

namespace brevane {

// ALSA prints its configuration trouble on stderr. Every use of it here reports a missing or
// failing device in its own way (the bell instead of the tone, a mixer that says False), so
// ALSA's own complaint adds nothing: it is silenced before a device is opened.
inline void ignoreAlsaError(const char*, int, const char*, int, const char*, ...)
{
}
inline void silenceAlsaErrors()
{
    snd_lib_error_set_handler(ignoreAlsaError);
}

} // namespace brevane
