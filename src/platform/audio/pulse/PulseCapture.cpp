#include "platform/audio/pulse/PulseCapture.h"
#include "platform/audio/pulse/PulseConnection.h"
#include "platform/audio/pulse/PulseTime.h"

#include <QCoreApplication>
#include <pulse/pulseaudio.h>

#include <array>
#include <ctime>

namespace brevane {

namespace {
constexpr unsigned kRate = 48000;
constexpr unsigned kBytesPerSecond = kRate * sizeof(float);

std::int64_t clockNs(clockid_t id)
{
    timespec t{};
    clock_gettime(id, &t);
    return std::int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}
} // namespace

struct PulseCapture::Server : PulseConnection {
    void read();

    pa_stream* stream = nullptr;
    Sink sink;
    std::int64_t readBytes = 0;                // the stream's read index
    std::array<PulseCaptureTime, 8> answers{}; // the latest, oldest overwritten
    std::size_t answerCount = 0;
    std::int64_t lastAnswerUs = -1;
    std::int64_t askedNs = 0; // the last timing request
};

namespace {
void signalLoop(void* data)
{
    pa_threaded_mainloop_signal(static_cast<PulseCapture::Server*>(data)->loop, 0);
}
} // namespace

// The server's thread, whenever bytes came in: each new timing answer kept, the block dated by
// the earliest of the kept ones.
void PulseCapture::Server::read()
{
    // A fresh answer every 100 ms: the kept ones span under a second, over which the card's clock
    // and the program's cannot drift apart measurably.
    if (const std::int64_t now = clockNs(CLOCK_MONOTONIC); now - askedNs > 100'000'000) {
        askedNs = now;
        if (pa_operation* o = pa_stream_update_timing_info(stream, nullptr, nullptr))
            pa_operation_unref(o);
    }
    const pa_timing_info* t = pa_stream_get_timing_info(stream);
    if (t && !t->write_index_corrupt) {
        const std::int64_t us = std::int64_t(t->timestamp.tv_sec) * 1'000'000 + t->timestamp.tv_usec;
        if (us != lastAnswerUs) {
            lastAnswerUs = us;
            // The answer's time is the wall clock's: brought to the monotonic one.
            const std::int64_t ns = us * 1000 - clockNs(CLOCK_REALTIME) + clockNs(CLOCK_MONOTONIC);
            answers[answerCount++ % answers.size()] = {ns, t->write_index, std::int64_t(t->source_usec),
                                                       std::int64_t(t->sink_usec), kBytesPerSecond};
        }
    }
    const std::int64_t origin = pulseCaptureOriginNs(std::span(answers.data(), std::min(answerCount, answers.size())));
    const void* data = nullptr;
    std::size_t bytes = 0;
    while (pa_stream_readable_size(stream) > 0 && pa_stream_peek(stream, &data, &bytes) == 0 && bytes > 0) {
        const std::size_t n = bytes / sizeof(float);
        if (origin != 0 && sink) {
            CaptureBlock block{origin + readBytes * 1'000'000'000 / kBytesPerSecond, CaptureSource::Pulse, {}};
            if (data)
                block.frames.assign(static_cast<const float*>(data), static_cast<const float*>(data) + n);
            else
                block.frames.assign(n, 0.0f); // a hole: silence
            sink(block);
        }
        readBytes += std::int64_t(bytes);
        pa_stream_drop(stream);
    }
}

PulseCapture::PulseCapture()
    : server_(std::make_unique<Server>())
{
}

PulseCapture::~PulseCapture()
{
    stop();
}

bool PulseCapture::connected() const
{
    return server_->ready;
}

bool PulseCapture::start(Sink sink, QString& why)
{
    if (!connected()) {
        why = QCoreApplication::translate("SoundCapture", "no PulseAudio server answers");
        return false;
    }
    stop();
    Server& s = *server_;
    pa_threaded_mainloop_lock(s.loop);
    s.sink = std::move(sink);
    s.readBytes = 0;
    s.answerCount = 0;
    s.lastAnswerUs = -1;
    s.askedNs = 0;
    const pa_sample_spec samples{PA_SAMPLE_FLOAT32LE, kRate, 1};
    s.stream = pa_stream_new(s.context, "Brevane machine check", &samples, nullptr);
    pa_stream_set_state_callback(
        s.stream, [](pa_stream*, void* d) { signalLoop(d); }, &s);
    pa_stream_set_read_callback(
        s.stream, [](pa_stream*, std::size_t, void* d) { static_cast<Server*>(d)->read(); }, &s);
    pa_buffer_attr attr{};
    attr.maxlength = attr.tlength = attr.prebuf = attr.minreq = std::uint32_t(-1);
    attr.fragsize = kBytesPerSecond / 200; // 5 ms
    const auto flags =
        pa_stream_flags_t(PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_AUTO_TIMING_UPDATE | PA_STREAM_ADJUST_LATENCY);
    pa_stream_connect_record(s.stream, nullptr, &attr, flags);
    pa_stream_state_t state;
    while ((state = pa_stream_get_state(s.stream)) != PA_STREAM_READY && PA_STREAM_IS_GOOD(state))
        pa_threaded_mainloop_wait(s.loop);
    pa_threaded_mainloop_unlock(s.loop);
    if (state != PA_STREAM_READY) {
        stop();
        why = QCoreApplication::translate("SoundCapture", "PulseAudio has no input to record from");
        return false;
    }
    return true;
}

void PulseCapture::stop()
{
    Server& s = *server_;
    if (!s.stream)
        return;
    pa_threaded_mainloop_lock(s.loop);
    pa_stream_disconnect(s.stream);
    pa_stream_unref(s.stream);
    s.stream = nullptr;
    s.sink = nullptr;
    pa_threaded_mainloop_unlock(s.loop);
}

} // namespace brevane
