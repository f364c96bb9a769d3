#include "platform/audio/pulse/PulseConnection.h"

namespace brevane {

PulseConnection::PulseConnection()
{
    loop = pa_threaded_mainloop_new();
    if (!loop)
        return;
    context = pa_context_new(pa_threaded_mainloop_get_api(loop), "Brevane");
    pa_context_set_state_callback(
        context,
        [](pa_context*, void* data) { pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(data), 0); },
        loop);
    pa_threaded_mainloop_lock(loop);
    if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0 &&
        pa_threaded_mainloop_start(loop) >= 0) {
        for (;;) {
            const pa_context_state_t state = pa_context_get_state(context);
            if (!PA_CONTEXT_IS_GOOD(state) || state == PA_CONTEXT_READY) {
                ready = state == PA_CONTEXT_READY;
                break;
            }
            pa_threaded_mainloop_wait(loop);
        }
    }
    pa_threaded_mainloop_unlock(loop);
}

PulseConnection::~PulseConnection()
{
    if (loop)
        pa_threaded_mainloop_stop(loop);
    if (context) {
        pa_context_disconnect(context);
        pa_context_unref(context);
    }
    if (loop)
        pa_threaded_mainloop_free(loop);
}

} // namespace brevane
