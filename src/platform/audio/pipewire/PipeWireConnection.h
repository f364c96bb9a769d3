#pragma once
// What the tone and the recording share under PipeWire: a thread loop of their own connected to the
// PipeWire server (core is null where none answers), and the one audio format they ask for.

#include <pipewire/pipewire.h>
#include <spa/param/audio/raw.h>

namespace brevane {

struct PipeWireConnection {
    explicit PipeWireConnection(const char* threadName);
    ~PipeWireConnection(); // stops the loop and disconnects: the streams must be gone
    PipeWireConnection(const PipeWireConnection&) = delete;
    PipeWireConnection& operator=(const PipeWireConnection&) = delete;

    pw_thread_loop* loop = nullptr;
    pw_context* context = nullptr;
    pw_core* core = nullptr;
};

// Connects `stream` as one mono channel of `format` at `rate`, linked by the session manager,
// its buffers mapped and processed on the graph's thread.
void connectMonoStream(pw_stream* stream, pw_direction direction, spa_audio_format format, unsigned rate);

} // namespace brevane
