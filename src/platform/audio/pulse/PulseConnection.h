#pragma once
// What the tone and the recording share under PulseAudio: a threaded main loop of their own and a
// context connected to the server (ready is false where none answers; no server is started).

#include <pulse/pulseaudio.h>

namespace brevane {

struct PulseConnection {
    PulseConnection();
    ~PulseConnection(); // stops the loop and disconnects: the streams must be gone
    PulseConnection(const PulseConnection&) = delete;
    PulseConnection& operator=(const PulseConnection&) = delete;

    pa_threaded_mainloop* loop = nullptr;
    pa_context* context = nullptr;
    bool ready = false;
};

} // namespace brevane
