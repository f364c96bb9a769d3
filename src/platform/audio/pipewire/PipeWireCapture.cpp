#include "platform/audio/pipewire/PipeWireCapture.h"
#include "platform/audio/pipewire/GraphTime.h"
#include "platform/audio/pipewire/PipeWireConnection.h"

#include <QCoreApplication>
#include <pipewire/pipewire.h>

#include <vector>

namespace brevane {

struct PipeWireCapture::Server : PipeWireConnection {
    Server()
        : PipeWireConnection("brevane-capture")
    {
    }

    std::int64_t lastEndNs = 0; // where the last block taken ended
    pw_stream* stream = nullptr;
    spa_hook listener{};
    pw_stream_state state = PW_STREAM_STATE_UNCONNECTED;
    Sink sink;
};

namespace {

constexpr unsigned kRate = 48000;
constexpr int kStartSeconds = 2;

void onState(void* data, pw_stream_state, pw_stream_state state, const char*)
{
    auto* s = static_cast<PipeWireCapture::Server*>(data);
    s->state = state;
    pw_thread_loop_signal(s->loop, false);
}

// The graph's thread, once a cycle: every buffer waiting, the newest one this cycle's.
void onProcess(void* data)
{
    auto* s = static_cast<PipeWireCapture::Server*>(data);
    std::vector<pw_buffer*> buffers;
    while (pw_buffer* b = pw_stream_dequeue_buffer(s->stream))
        buffers.push_back(b);
    if (buffers.empty())
        return;
    pw_time t{};
    pw_stream_get_time_n(s->stream, &t, sizeof t);
    const std::int64_t newestNs =
        graphCaptureFirstFrameNs({t.now, t.rate.num, t.rate.denom, t.delay, t.buffered, kRate});
    const auto frames = [](const pw_buffer* b) {
        const spa_data& d = b->buffer->datas[0];
        return d.data && d.chunk ? d.chunk->size / sizeof(float) : 0;
    };
    std::int64_t waiting = 0;
    for (std::size_t k = 0; k + 1 < buffers.size(); ++k)
        waiting += std::int64_t(frames(buffers[k]));
    std::int64_t firstNs = newestNs == 0 ? 0 : graphCaptureRunStartNs(newestNs, waiting, s->lastEndNs, kRate);
    for (pw_buffer* b : buffers) {
        const spa_data& d = b->buffer->datas[0];
        const std::size_t n = frames(b);
        if (n > 0 && firstNs != 0 && s->sink) {
            const auto* f = reinterpret_cast<const float*>(static_cast<const char*>(d.data) + d.chunk->offset);
            s->sink(CaptureBlock{firstNs, CaptureSource::Graph, std::vector<float>(f, f + n)});
        }
        firstNs += firstNs == 0 ? 0 : std::int64_t(n) * 1'000'000'000 / kRate;
        pw_stream_queue_buffer(s->stream, b);
    }
    s->lastEndNs = firstNs;
}

const pw_stream_events kEvents = [] {
    pw_stream_events e{};
    e.version = PW_VERSION_STREAM_EVENTS;
    e.state_changed = onState;
    e.process = onProcess;
    return e;
}();

} // namespace

PipeWireCapture::PipeWireCapture()
    : server_(std::make_unique<Server>())
{
}

PipeWireCapture::~PipeWireCapture()
{
    stop();
}

bool PipeWireCapture::connected() const
{
    return server_->core != nullptr;
}

bool PipeWireCapture::start(Sink sink, QString& why)
{
    if (!connected()) {
        why = QCoreApplication::translate("SoundCapture", "no PipeWire server answers");
        return false;
    }
    stop();
    Server& s = *server_;
    pw_thread_loop_lock(s.loop);
    s.sink = std::move(sink);
    s.lastEndNs = 0;
    // A short quantum: each block is timed afresh every few milliseconds.
    pw_properties* props =
        pw_properties_new(PW_KEY_MEDIA_TYPE, "Audio", PW_KEY_MEDIA_CATEGORY, "Capture", PW_KEY_NODE_NAME,
                          "brevane-capture", PW_KEY_NODE_LATENCY, "256/48000", nullptr);
    s.stream = pw_stream_new(s.core, "Brevane machine check", props);
    pw_stream_add_listener(s.stream, &s.listener, &kEvents, &s);
    connectMonoStream(s.stream, PW_DIRECTION_INPUT, SPA_AUDIO_FORMAT_F32, kRate);
    while (s.state != PW_STREAM_STATE_STREAMING && s.state != PW_STREAM_STATE_ERROR)
        if (pw_thread_loop_timed_wait(s.loop, kStartSeconds) != 0)
            break;
    const bool streaming = s.state == PW_STREAM_STATE_STREAMING;
    pw_thread_loop_unlock(s.loop);
    if (!streaming) {
        stop();
        why = QCoreApplication::translate("SoundCapture", "PipeWire has no input to record from");
    }
    return streaming;
}

void PipeWireCapture::stop()
{
    Server& s = *server_;
    if (!s.stream)
        return;
    pw_thread_loop_lock(s.loop);
    pw_stream_destroy(s.stream);
    s.stream = nullptr;
    s.state = PW_STREAM_STATE_UNCONNECTED;
    s.sink = nullptr;
    pw_thread_loop_unlock(s.loop);
}

} // namespace brevane
