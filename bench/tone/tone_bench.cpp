// tone_bench: how far the program's stamp of a tone's first sample is from when a sound server's
// null sink really played it. bench/tone_rig.py starts a PipeWire of its own (a null sink,
// WirePlumber), or a PulseAudio server of its own (--server pulseaudio), and runs this inside it.
// A recorder on the sink's monitor finds each tone's first sample in what the sink played and
// dates it by the sink's clock: under PipeWire a passive stream (it does not keep the sink awake),
// each sample at its graph cycle's clock time plus its place in the cycle's buffer; under
// PulseAudio a record stream, each sample by its place in the stream and the server's timing of
// that stream (PulseRecorder). The program's beeper plays a tone after each silence and its stamp
// is compared.
//
//   tone_bench --route graph|pulse|alsa --gap SECONDS --tones N [--server pipewire|pulseaudio]
//
// `graph`: the program's PipeWire route, its silence stream held as a test window holds it;
// `pulse`: its PulseAudio route (under PipeWire, through pipewire-pulse);
// `alsa`: the program's ALSA beeper on the "pipewire" device (PipeWire's ALSA plugin), the route
// every tone took before. Prints one line per tone: stamp - first sample (ms), and the source.
#include "platform/audio/alsa/AlsaBeeper.h"
#ifndef TONE_BENCH_ALSA_ONLY
#include "platform/audio/pipewire/PipeWireBeeper.h"
#include "platform/audio/pulse/PulseBeeper.h"
#include "platform/services/qt/QtServices.h"
#endif

#include <QApplication>
#include <pipewire/pipewire.h>
#ifndef TONE_BENCH_ALSA_ONLY
#include <pulse/pulseaudio.h>
#endif
#include <spa/param/audio/format-utils.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

std::int64_t monotonicNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return std::int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

struct BenchClock final : brevane::Clock {
    std::int64_t nowNs() const override { return monotonicNs(); }
    void waitUntil(std::int64_t deadlineNs) override
    {
        while (nowNs() < deadlineNs)
            std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
};

// The first sample of each tone in what the sink played (the tone's own first sample is 0, by
// its ramp; the one after it is the first non-zero one).
struct Onsets {
    virtual ~Onsets() = default;
    virtual bool start() = 0;
    // The onsets since the last call, on CLOCK_MONOTONIC.
    virtual std::vector<std::int64_t> take()
    {
        const std::lock_guard lock(mutex);
        return std::exchange(onsets, {});
    }
    // How the recorder fared, for the tone's line.
    virtual std::string detail() = 0;

    std::mutex mutex;
    std::vector<std::int64_t> onsets;
    std::int64_t lastSoundNs = 0;
    bool inTone = false;

    // One run of samples, the first played at `firstNs`, the rest 1/48000 s apart.
    void scan(const std::int16_t* s, std::size_t n, std::int64_t firstNs)
    {
        for (std::size_t i = 0; s && i < n; ++i) {
            const std::int64_t at = firstNs + std::int64_t(i) * 1'000'000'000 / 48000;
            if (s[i] != 0) {
                if (!inTone)
                    onsets.push_back(at - 1'000'000'000 / 48000);
                inTone = true;
                lastSoundNs = at;
            } else if (inTone && at - lastSoundNs > 50'000'000) {
                inTone = false;
            }
        }
    }
};

// The sink's monitor through PipeWire, each sample timed by its graph cycle.
struct Recorder : Onsets {
    pw_thread_loop* loop = nullptr;
    pw_stream* stream = nullptr;
    spa_hook listener{};
    std::int64_t worstWakeNs = 0; // the recorder's own wake-up after its cycle's time
    std::int64_t delay = 0;
    int late = 0; // cycles whose recorder found more than one buffer waiting

    // Every buffer waiting, the last one this cycle's: a recorder held up past a cycle finds the
    // one before still queued, a quantum earlier.
    static void process(void* data)
    {
        auto* r = static_cast<Recorder*>(data);
        const std::int64_t arrived = monotonicNs();
        std::vector<pw_buffer*> buffers;
        while (pw_buffer* b = pw_stream_dequeue_buffer(r->stream))
            buffers.push_back(b);
        pw_time t{};
        pw_stream_get_time_n(r->stream, &t, sizeof t);
        const std::lock_guard lock(r->mutex);
        r->worstWakeNs = std::max(r->worstWakeNs, arrived - t.now);
        r->delay = t.delay;
        r->late += buffers.size() > 1;
        std::int64_t cycleNs = t.now;
        for (std::size_t k = 1; k < buffers.size(); ++k)
            cycleNs -=
                std::int64_t(buffers[k]->buffer->datas[0].chunk->size / sizeof(std::int16_t)) * 1'000'000'000 / 48000;
        for (pw_buffer* b : buffers) {
            const spa_data& d = b->buffer->datas[0];
            const std::size_t n = d.chunk->size / sizeof(std::int16_t);
            r->scan(static_cast<const std::int16_t*>(d.data), n, cycleNs);
            cycleNs += std::int64_t(n) * 1'000'000'000 / 48000;
        }
        for (pw_buffer* b : buffers)
            pw_stream_queue_buffer(r->stream, b);
    }

    bool start() override
    {
        loop = pw_thread_loop_new("recorder", nullptr);
        pw_properties* props =
            pw_properties_new(PW_KEY_MEDIA_TYPE, "Audio", PW_KEY_MEDIA_CATEGORY, "Capture", PW_KEY_TARGET_OBJECT,
                              "brevane-null", PW_KEY_STREAM_CAPTURE_SINK, "true", PW_KEY_NODE_PASSIVE, "true", nullptr);
        static const pw_stream_events events = [] {
            pw_stream_events e{};
            e.version = PW_VERSION_STREAM_EVENTS;
            e.process = process;
            return e;
        }();
        stream = pw_stream_new_simple(pw_thread_loop_get_loop(loop), "tone recorder", props, &events, this);
        std::uint8_t pod[1024];
        spa_pod_builder builder = SPA_POD_BUILDER_INIT(pod, sizeof pod);
        spa_audio_info_raw info{};
        info.format = SPA_AUDIO_FORMAT_S16;
        info.rate = 48000;
        info.channels = 1;
        info.position[0] = SPA_AUDIO_CHANNEL_MONO;
        const spa_pod* params[] = {spa_format_audio_raw_build(&builder, SPA_PARAM_EnumFormat, &info)};
        pw_stream_connect(
            stream, PW_DIRECTION_INPUT, PW_ID_ANY,
            pw_stream_flags(PW_STREAM_FLAG_AUTOCONNECT | PW_STREAM_FLAG_MAP_BUFFERS | PW_STREAM_FLAG_RT_PROCESS),
            params, 1);
        return pw_thread_loop_start(loop) == 0;
    }
    std::string detail() override
    {
        const std::lock_guard lock(mutex);
        char text[160];
        std::snprintf(text, sizeof text, "recorder woke at most %.3f ms after its cycle, %d cycles late, delay %lld",
                      double(worstWakeNs) / 1e6, late, (long long)delay);
        return text;
    }
};

#ifndef TONE_BENCH_ALSA_ONLY
std::int64_t realtimeNs()
{
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return std::int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// The sink's monitor through a PulseAudio server (bench/tone_rig.py --server pulseaudio; its null
// sink has no rewinds, so the monitor hands on each sample as the sink renders it, none held
// back). A sample is dated by its place in the record stream on the null sink's clock: when the
// server answered a timing request (`timestamp`), the sink was playing the stream's write index
// plus what was on its way into the stream (`source_usec`) less what the sink had rendered ahead
// of its clock (`sink_usec`, the monitor's sink latency). An answer held up after that snapshot
// only dates the stream later, so the earliest of the answers around each tone is taken; their
// spread is printed.
struct PulseRecorder : Onsets {
    pa_threaded_mainloop* loop = nullptr;
    pa_context* context = nullptr;
    pa_stream* stream = nullptr;
    std::int64_t frames = 0;           // read so far
    std::vector<std::int64_t> anchors; // per answer since the last take: when frame 0 played
    std::int64_t firstAnchor = 0, lastSpread = 0, lastMoved = 0;
    std::jthread poll;

    static std::int64_t framesNs(std::int64_t n) { return n * 1'000'000'000 / 48000; }
    static void signal(void* data) { pa_threaded_mainloop_signal(static_cast<PulseRecorder*>(data)->loop, 0); }

    static void onRead(pa_stream* s, std::size_t, void* data)
    {
        auto* r = static_cast<PulseRecorder*>(data);
        const std::lock_guard lock(r->mutex);
        const void* p = nullptr;
        std::size_t bytes = 0;
        while (pa_stream_readable_size(s) > 0 && pa_stream_peek(s, &p, &bytes) == 0 && bytes > 0) {
            const std::size_t n = bytes / sizeof(std::int16_t);
            r->scan(static_cast<const std::int16_t*>(p), n, framesNs(r->frames)); // a hole (p null) is silence
            r->frames += std::int64_t(n);
            pa_stream_drop(s);
        }
    }
    static void onTiming(pa_stream* s, void* data)
    {
        auto* r = static_cast<PulseRecorder*>(data);
        const pa_timing_info* t = pa_stream_get_timing_info(s);
        if (!t || t->write_index_corrupt || !t->synchronized_clocks)
            return;
        const std::int64_t wallNs = std::int64_t(t->timestamp.tv_sec) * 1'000'000'000 + t->timestamp.tv_usec * 1000;
        const std::int64_t serverNs = wallNs - realtimeNs() + monotonicNs();
        const std::int64_t playingNs = framesNs(t->write_index / std::int64_t(sizeof(std::int16_t))) +
                                       (std::int64_t(t->source_usec) - std::int64_t(t->sink_usec)) * 1000;
        const std::lock_guard lock(r->mutex);
        r->anchors.push_back(serverNs - playingNs);
    }

    bool start() override
    {
        loop = pa_threaded_mainloop_new();
        context = pa_context_new(pa_threaded_mainloop_get_api(loop), "tone recorder");
        pa_context_set_state_callback(
            context, [](pa_context*, void* d) { signal(d); }, this);
        pa_threaded_mainloop_lock(loop);
        bool ok = pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0 &&
                  pa_threaded_mainloop_start(loop) >= 0;
        while (ok && pa_context_get_state(context) != PA_CONTEXT_READY) {
            ok = PA_CONTEXT_IS_GOOD(pa_context_get_state(context));
            if (ok)
                pa_threaded_mainloop_wait(loop);
        }
        if (ok) {
            const pa_sample_spec samples{PA_SAMPLE_S16LE, 48000, 1};
            stream = pa_stream_new(context, "tone recorder", &samples, nullptr);
            pa_stream_set_state_callback(
                stream, [](pa_stream*, void* d) { signal(d); }, this);
            pa_stream_set_read_callback(stream, onRead, this);
            pa_stream_set_latency_update_callback(stream, onTiming, this);
            // 50 ms fragments: a latency longer than the tone stream's, so the sink keeps that one's.
            pa_buffer_attr attr{};
            attr.maxlength = attr.tlength = attr.prebuf = attr.minreq = std::uint32_t(-1);
            attr.fragsize = 48000 / 20 * sizeof(std::int16_t);
            pa_stream_connect_record(stream, "brevane-null.monitor", &attr,
                                     pa_stream_flags_t(PA_STREAM_AUTO_TIMING_UPDATE | PA_STREAM_DONT_MOVE));
            pa_stream_state_t state;
            while ((state = pa_stream_get_state(stream)) != PA_STREAM_READY && PA_STREAM_IS_GOOD(state))
                pa_threaded_mainloop_wait(loop);
            ok = state == PA_STREAM_READY;
        }
        pa_threaded_mainloop_unlock(loop);
        if (ok)
            poll = std::jthread([this](std::stop_token stop) {
                while (!stop.stop_requested()) { // an answer every 10 ms, for the earliest
                    pa_threaded_mainloop_lock(loop);
                    if (pa_operation* o = pa_stream_update_timing_info(stream, nullptr, nullptr))
                        pa_operation_unref(o);
                    pa_threaded_mainloop_unlock(loop);
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));
                }
            });
        return ok;
    }
    ~PulseRecorder() override
    {
        poll = {};
        if (loop)
            pa_threaded_mainloop_stop(loop);
    }
    std::vector<std::int64_t> take() override
    {
        const std::lock_guard lock(mutex);
        std::vector<std::int64_t> found = std::exchange(onsets, {});
        std::vector<std::int64_t> a = std::exchange(anchors, {});
        if (a.empty())
            return {};
        std::sort(a.begin(), a.end());
        lastSpread = a[a.size() / 2] - a.front();
        if (firstAnchor == 0)
            firstAnchor = a.front();
        lastMoved = a.front() - firstAnchor;
        for (std::int64_t& at : found)
            at += a.front();
        return found;
    }
    std::string detail() override
    {
        const std::lock_guard lock(mutex);
        char text[160];
        std::snprintf(text, sizeof text, "timing answers: median %.3f ms after the earliest; sink clock moved %+.3f ms",
                      double(lastSpread) / 1e6, double(lastMoved) / 1e6);
        return text;
    }
};
#endif

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    std::string route = "graph";
    double gap = 1;
    std::string server = "pipewire";
    int tones = 10;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--route"))
            route = argv[i + 1];
        else if (!std::strcmp(argv[i], "--gap"))
            gap = std::atof(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--tones"))
            tones = std::atoi(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--server"))
            server = argv[i + 1];
    }
    pw_init(&argc, &argv);
    std::unique_ptr<Onsets> listener = std::make_unique<Recorder>();
#ifndef TONE_BENCH_ALSA_ONLY
    if (server == "pulseaudio")
        listener = std::make_unique<PulseRecorder>();
#endif
    Onsets& recorder = *listener;
    if (!recorder.start())
        return std::fprintf(stderr, "tone_bench: no recorder\n"), 1;
    BenchClock clock;
    brevane::QtTimerFactory timers;
    std::unique_ptr<brevane::Beeper> beeper;
#ifndef TONE_BENCH_ALSA_ONLY
    if (route == "graph")
        beeper = std::make_unique<brevane::PipeWireBeeper>(clock, timers);
    else if (route == "pulse")
        beeper = std::make_unique<brevane::PulseBeeper>(clock);
#endif
    if (!beeper)
        beeper = std::make_unique<brevane::AlsaBeeper>(clock, "pipewire");
#ifndef TONE_BENCH_ALSA_ONLY
    beeper->holdStream(true); // as a test window does while open
#endif
    for (int i = 0; i < tones; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(std::int64_t(gap * 1000)));
        recorder.take();
        const brevane::ToneStamp stamp = beeper->beep();
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        const std::vector<std::int64_t> onsets = recorder.take();
        if (onsets.empty()) {
            std::printf("tone %d: not heard (%s)\n", i, brevane::toneSourceName(stamp.source));
            continue;
        }
        std::printf("tone %d: %+.3f ms %s (%s)\n", i, double(stamp.ns - onsets.front()) / 1e6,
                    brevane::toneSourceName(stamp.source), recorder.detail().c_str());
        std::fflush(stdout);
    }
    return 0;
}
