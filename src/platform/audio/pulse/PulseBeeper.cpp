#include "platform/audio/pulse/PulseBeeper.h"
#include "platform/audio/pulse/PulseConnection.h"
#include "platform/audio/pulse/PulseTime.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <atomic>
#include <ctime>
#include <thread>
#include <vector>

namespace brevane {

namespace {
constexpr auto kPlacedWithin = std::chrono::milliseconds(300);
constexpr auto kHeardWithin = std::chrono::milliseconds(200); // for the server to read the tone
constexpr int kAnswers = 3;
constexpr unsigned kRate = 48000;
// 30 ms ahead: a client held up longer than the stream holds lets it run dry, which puts the tone
// off; 10 ms did, often, on a busy machine.
constexpr std::uint32_t kTargetBytes = kRate / 100 * 3 * std::uint32_t{sizeof(std::int16_t)};

std::int64_t clockNs(clockid_t id)
{
    timespec t{};
    clock_gettime(id, &t);
    return std::int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

PulseTime pulseTime(const pa_timing_info& t, std::int64_t byteIndex)
{
    // The answer's time is the wall clock's: brought to the monotonic one.
    const std::int64_t wallNs = std::int64_t(t.timestamp.tv_sec) * 1'000'000'000 + t.timestamp.tv_usec * 1000;
    return {wallNs - clockNs(CLOCK_REALTIME) + clockNs(CLOCK_MONOTONIC),
            t.read_index,
            byteIndex,
            std::int64_t(t.sink_usec),
            t.playing != 0,
            t.since_underrun,
            kRate * unsigned(sizeof(std::int16_t))};
}
} // namespace

struct PulseBeeper::Server : PulseConnection {
    explicit Server(ToneSplicer& s);
    ~Server();
    bool startStream();
    void endStream();
    void write(std::size_t bytes);
    std::int64_t heardNs();

    ToneSplicer& splicer;
    pa_stream* stream = nullptr;
    std::int64_t written = 0;               // bytes written to the stream, its write index
    std::atomic<std::int64_t> toneByte{-1}; // where the tone last asked for was placed; -1: not yet
    PulseTime placedBy;                     // the answer it was placed by
};

namespace {
void onContext(pa_context*, void* data)
{
    pa_threaded_mainloop_signal(static_cast<PulseBeeper::Server*>(data)->loop, 0);
}
void onWrite(pa_stream*, std::size_t bytes, void* data)
{
    static_cast<PulseBeeper::Server*>(data)->write(bytes);
}
} // namespace

PulseBeeper::Server::Server(ToneSplicer& s)
    : splicer(s)
{
}

PulseBeeper::Server::~Server()
{
    endStream();
}

// The server's thread, whenever the stream wants more: silence with the tone spliced in where it
// falls, placed by when the chunk's first frame will be heard (from the last timing answer, which
// the server may have given a while ago: it holds while the stream has not run dry since).
void PulseBeeper::Server::write(std::size_t bytes)
{
    const std::size_t frames = bytes / sizeof(std::int16_t);
    std::vector<std::int16_t> chunk(frames);
    std::int64_t firstNs = 0;
    const pa_timing_info* t = pa_stream_get_timing_info(stream);
    if (t && !t->read_index_corrupt)
        firstNs = pulseFirstFrameNs(pulseTime(*t, written));
    if (const std::ptrdiff_t at = splicer.fill(chunk.data(), frames, firstNs); at >= 0) {
        toneByte = written + std::int64_t(at) * std::int64_t(sizeof(std::int16_t));
        placedBy = firstNs != 0 ? pulseTime(*t, toneByte) : PulseTime{};
    }
    pa_stream_write(stream, chunk.data(), frames * sizeof(std::int16_t), nullptr, 0, PA_SEEK_RELATIVE);
    written += std::int64_t(frames * sizeof(std::int16_t));
}

// Once the server has read the tone's first byte, fresh answers say when it is heard: the stream
// may have run dry between the write and the read, which puts off everything after. An answer the
// server was held up in giving dates the tone late, never early: the earliest of a few counts, and
// of the answer the tone was placed by, where the stream has not run dry since.
std::int64_t PulseBeeper::Server::heardNs()
{
    const auto deadline = std::chrono::steady_clock::now() + kHeardWithin;
    std::int64_t ns = 0;
    int answers = 0;
    pa_threaded_mainloop_lock(loop);
    while (stream && toneByte >= 0 && answers < kAnswers && std::chrono::steady_clock::now() < deadline) {
        pa_operation* o = pa_stream_update_timing_info(
            stream, [](pa_stream*, int, void* d) { onContext(nullptr, d); }, this);
        if (!o)
            break;
        while (pa_operation_get_state(o) == PA_OPERATION_RUNNING)
            pa_threaded_mainloop_wait(loop);
        pa_operation_unref(o);
        const pa_timing_info* t = pa_stream_get_timing_info(stream);
        if (t && !t->read_index_corrupt && t->read_index > toneByte) {
            ++answers;
            const std::int64_t heard = pulseHeardNs(pulseTime(*t, toneByte), placedBy);
            if (heard == 0) // ran dry since: this and later answers cannot tell
                break;
            ns = ns == 0 ? heard : std::min(ns, heard);
        } else {
            pa_threaded_mainloop_unlock(loop);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            pa_threaded_mainloop_lock(loop);
        }
    }
    pa_threaded_mainloop_unlock(loop);
    return ns;
}

bool PulseBeeper::Server::startStream()
{
    if (!ready)
        return false;
    pa_threaded_mainloop_lock(loop);
    if (!stream) {
        written = 0;
        const pa_sample_spec samples{PA_SAMPLE_S16LE, kRate, 1};
        stream = pa_stream_new(context, "Brevane tone", &samples, nullptr);
        pa_stream_set_state_callback(
            stream, [](pa_stream*, void* d) { onContext(nullptr, d); }, this);
        pa_stream_set_write_callback(stream, onWrite, this);
        pa_buffer_attr attr{};
        attr.maxlength = attr.prebuf = attr.fragsize = std::uint32_t(-1);
        attr.tlength = kTargetBytes;
        attr.minreq = kTargetBytes / 4;
        const auto flags =
            pa_stream_flags_t(PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_AUTO_TIMING_UPDATE | PA_STREAM_ADJUST_LATENCY);
        pa_stream_connect_playback(stream, nullptr, &attr, flags, nullptr, nullptr);
    }
    pa_stream_state_t state;
    while ((state = pa_stream_get_state(stream)) != PA_STREAM_READY && PA_STREAM_IS_GOOD(state))
        pa_threaded_mainloop_wait(loop);
    pa_threaded_mainloop_unlock(loop);
    return state == PA_STREAM_READY;
}

void PulseBeeper::Server::endStream()
{
    if (!stream)
        return;
    pa_threaded_mainloop_lock(loop);
    pa_stream_disconnect(stream);
    pa_stream_unref(stream);
    stream = nullptr;
    pa_threaded_mainloop_unlock(loop);
}

PulseBeeper::PulseBeeper(const Clock& clock)
    : clock_(clock)
    , splicer_(kRate, clock)
    , server_(std::make_unique<Server>(splicer_))
{
}

PulseBeeper::~PulseBeeper() = default;

bool PulseBeeper::connected() const
{
    return server_->ready;
}

void PulseBeeper::startTone(std::int64_t firstSampleNs)
{
    server_->toneByte = -1;
    splicer_.request(firstSampleNs);
    if (!server_->stream)
        server_->startStream(); // outside a hold: the stream stays until the next hold ends
}

ToneStamp PulseBeeper::startedTone()
{
    const ToneStamp placed = splicer_.placed(ToneSource::Pulse, kPlacedWithin);
    if (const std::int64_t heard = server_->heardNs(); heard != 0)
        return {heard, ToneSource::Pulse};
    return placed.known() ? placed : ToneStamp{clock_.nowNs(), ToneSource::Write};
}

void PulseBeeper::holdStream(bool on)
{
    holds_ = std::max(0, holds_ + (on ? 1 : -1));
    if (on)
        server_->startStream();
    else if (holds_ == 0)
        server_->endStream();
}

} // namespace brevane
