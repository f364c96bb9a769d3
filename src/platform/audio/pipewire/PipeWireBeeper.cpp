#include "platform/audio/pipewire/PipeWireBeeper.h"
#include "platform/audio/pipewire/GraphTime.h"
#include "platform/audio/pipewire/PipeWireConnection.h"

#include <pipewire/pipewire.h>

#include <algorithm>

namespace brevane {

namespace {
constexpr auto kPlacedWithin = std::chrono::milliseconds(300);
constexpr int kStartSeconds = 2; // for the stream to be linked and running
} // namespace

struct PipeWireBeeper::Server : PipeWireConnection {
    explicit Server(ToneSplicer& s);
    ~Server();
    bool startStream(); // true once streaming
    void endStream();

    ToneSplicer& splicer;
    pw_stream* stream = nullptr;
    spa_hook listener{};
    pw_stream_state state = PW_STREAM_STATE_UNCONNECTED;
};

namespace {

void onState(void* data, pw_stream_state, pw_stream_state state, const char*)
{
    auto* s = static_cast<PipeWireBeeper::Server*>(data);
    s->state = state;
    pw_thread_loop_signal(s->loop, false);
}

// The graph's thread, once a cycle: the next buffer, silence with the tone spliced in where it
// falls, stamped by when its first frame will be played.
void onProcess(void* data)
{
    auto* s = static_cast<PipeWireBeeper::Server*>(data);
    pw_buffer* b = pw_stream_dequeue_buffer(s->stream);
    if (!b)
        return;
    spa_data& d = b->buffer->datas[0];
    if (!d.data) {
        pw_stream_queue_buffer(s->stream, b);
        return;
    }
    auto frames = std::uint32_t(d.maxsize / sizeof(std::int16_t));
    if (b->requested != 0)
        frames = std::min<std::uint32_t>(frames, std::uint32_t(b->requested));
    pw_time t{};
    pw_stream_get_time_n(s->stream, &t, sizeof t);
    const GraphTime g{t.now, t.rate.num, t.rate.denom, t.delay, t.queued, t.buffered, s->splicer.rate(), frames};
    s->splicer.fill(static_cast<std::int16_t*>(d.data), frames, graphFirstFrameNs(g));
    d.chunk->offset = 0;
    d.chunk->stride = sizeof(std::int16_t);
    d.chunk->size = frames * sizeof(std::int16_t);
    b->size = frames; // the stream's queued count is then in frames
    pw_stream_queue_buffer(s->stream, b);
}

const pw_stream_events kEvents = [] {
    pw_stream_events e{};
    e.version = PW_VERSION_STREAM_EVENTS;
    e.state_changed = onState;
    e.process = onProcess;
    return e;
}();

} // namespace

PipeWireBeeper::Server::Server(ToneSplicer& s)
    : PipeWireConnection("brevane-tone")
    , splicer(s)
{
}

PipeWireBeeper::Server::~Server()
{
    endStream();
}

bool PipeWireBeeper::Server::startStream()
{
    if (!core)
        return false;
    pw_thread_loop_lock(loop);
    if (!stream) {
        // A short quantum: the tone can be placed a few milliseconds ahead.
        pw_properties* props =
            pw_properties_new(PW_KEY_MEDIA_TYPE, "Audio", PW_KEY_MEDIA_CATEGORY, "Playback", PW_KEY_NODE_NAME,
                              "brevane", PW_KEY_NODE_LATENCY, "256/48000", nullptr);
        stream = pw_stream_new(core, "Brevane tone", props);
        pw_stream_add_listener(stream, &listener, &kEvents, this);
        connectMonoStream(stream, PW_DIRECTION_OUTPUT, SPA_AUDIO_FORMAT_S16, splicer.rate());
    }
    while (state != PW_STREAM_STATE_STREAMING && state != PW_STREAM_STATE_ERROR)
        if (pw_thread_loop_timed_wait(loop, kStartSeconds) != 0)
            break;
    const bool streaming = state == PW_STREAM_STATE_STREAMING;
    pw_thread_loop_unlock(loop);
    return streaming;
}

void PipeWireBeeper::Server::endStream()
{
    if (!stream)
        return;
    pw_thread_loop_lock(loop);
    pw_stream_destroy(stream);
    stream = nullptr;
    state = PW_STREAM_STATE_UNCONNECTED;
    pw_thread_loop_unlock(loop);
}

PipeWireBeeper::PipeWireBeeper(const Clock& clock, TimerFactory& timers)
    : clock_(clock)
    , splicer_(48000, clock)
    , server_(std::make_unique<Server>(splicer_))
    , release_(timers.createTimer())
{
    release_->setInterval(1000);
    release_->onTimer = [this] {
        release_->setEnabled(false); // once
        release();
    };
}

PipeWireBeeper::~PipeWireBeeper() = default;

bool PipeWireBeeper::connected() const
{
    return server_->core != nullptr;
}

void PipeWireBeeper::startTone(std::int64_t firstSampleNs)
{
    splicer_.request(firstSampleNs);
    if (!server_->stream)
        server_->startStream(); // outside a hold: for this tone only
}

ToneStamp PipeWireBeeper::startedTone()
{
    const ToneStamp placed = splicer_.placed(ToneSource::Graph, kPlacedWithin);
    if (holds_ == 0) { // a second from now
        release_->setEnabled(false);
        release_->setEnabled(true);
    }
    // Not placed in time (the stream is not running), or placed before the graph had a clock:
    // the time now, an estimate.
    return placed.known() ? placed : ToneStamp{clock_.nowNs(), ToneSource::Write};
}

void PipeWireBeeper::holdStream(bool on)
{
    holds_ = std::max(0, holds_ + (on ? 1 : -1));
    if (on)
        server_->startStream();
    else
        release();
}

void PipeWireBeeper::release()
{
    if (holds_ == 0 && !splicer_.busy())
        server_->endStream();
}

} // namespace brevane
