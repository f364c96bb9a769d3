#include "platform/audio/pipewire/PipeWireConnection.h"

#include <spa/param/audio/format-utils.h>

#include <cstdint>

namespace brevane {

PipeWireConnection::PipeWireConnection(const char* threadName)
{
    pw_init(nullptr, nullptr);
    loop = pw_thread_loop_new(threadName, nullptr);
    if (!loop)
        return;
    context = pw_context_new(pw_thread_loop_get_loop(loop), nullptr, 0);
    if (!context || pw_thread_loop_start(loop) < 0)
        return;
    pw_thread_loop_lock(loop);
    core = pw_context_connect(context, nullptr, 0); // nullptr: no PipeWire server
    pw_thread_loop_unlock(loop);
}

PipeWireConnection::~PipeWireConnection()
{
    if (loop)
        pw_thread_loop_stop(loop);
    if (core)
        pw_core_disconnect(core);
    if (context)
        pw_context_destroy(context);
    if (loop)
        pw_thread_loop_destroy(loop);
}

void connectMonoStream(pw_stream* stream, pw_direction direction, spa_audio_format format, unsigned rate)
{
    std::uint8_t pod[1024];
    spa_pod_builder builder = SPA_POD_BUILDER_INIT(pod, sizeof pod);
    spa_audio_info_raw info{};
    info.format = format;
    info.rate = rate;
    info.channels = 1;
    info.position[0] = SPA_AUDIO_CHANNEL_MONO;
    const spa_pod* params[] = {spa_format_audio_raw_build(&builder, SPA_PARAM_EnumFormat, &info)};
    const auto flags =
        pw_stream_flags(PW_STREAM_FLAG_AUTOCONNECT | PW_STREAM_FLAG_MAP_BUFFERS | PW_STREAM_FLAG_RT_PROCESS);
    pw_stream_connect(stream, direction, PW_ID_ANY, flags, params, 1);
}

} // namespace brevane
