// tone_bench: how far the program's stamp of a tone's first sample is from when a PipeWire sink
// really played it. bench/tone_rig.py starts a PipeWire of its own (a null sink, WirePlumber) and
// runs this inside it. A recorder on the sink's monitor (a passive stream: it does not keep the
// sink awake) finds each tone's first sample in what the sink played and times it by the graph
// cycle the sink played it in: the cycle's clock time plus the sample's place in the cycle's
// buffer. The program's beeper plays a tone after each silence and its stamp is compared.
//
//   tone_bench --route graph|pulse|alsa --gap SECONDS --tones N
//
// `graph`: the program's PipeWire route, its silence stream held as a test window holds it;
// `pulse`: its PulseAudio route, through PipeWire's PulseAudio server (pipewire-pulse);
// `alsa`: the program's ALSA beeper on the "pipewire" device (PipeWire's ALSA plugin), the route
// every tone took before. Prints one line per tone: stamp - first sample (ms), and the source.
#include "platform/AlsaBeeper.h"
#ifndef TONE_BENCH_ALSA_ONLY
#include "platform/PipeWireBeeper.h"
#include "platform/PulseBeeper.h"
#endif

#include <QApplication>
#include <pipewire/pipewire.h>
#include <spa/param/audio/format-utils.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <mutex>
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

// The sink's monitor: the first sample of each tone (the tone's own first sample is 0, by its
// ramp; the one after it is the first non-zero one), timed by its graph cycle.
struct Recorder {
    pw_thread_loop* loop = nullptr;
    pw_stream* stream = nullptr;
    spa_hook listener{};
    std::mutex mutex;
    std::vector<std::int64_t> onsets;
    std::int64_t lastSoundNs = 0;
    bool inTone = false;
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

    // One cycle's samples, played from `cycleNs` on.
    void scan(const std::int16_t* s, std::size_t n, std::int64_t cycleNs)
    {
        for (std::size_t i = 0; s && i < n; ++i) {
            const std::int64_t at = cycleNs + std::int64_t(i) * 1'000'000'000 / 48000;
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

    bool start()
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
    std::vector<std::int64_t> take()
    {
        const std::lock_guard lock(mutex);
        return std::exchange(onsets, {});
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    std::string route = "graph";
    double gap = 1;
    int tones = 10;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--route"))
            route = argv[i + 1];
        else if (!std::strcmp(argv[i], "--gap"))
            gap = std::atof(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--tones"))
            tones = std::atoi(argv[i + 1]);
    }
    pw_init(&argc, &argv);
    Recorder recorder;
    if (!recorder.start())
        return std::fprintf(stderr, "tone_bench: no recorder\n"), 1;
    BenchClock clock;
    std::unique_ptr<brevane::Beeper> beeper;
#ifndef TONE_BENCH_ALSA_ONLY
    if (route == "graph")
        beeper = std::make_unique<brevane::PipeWireBeeper>(clock);
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
        std::printf("tone %d: %+.3f ms %s (recorder woke at most %.3f ms after its cycle, %d cycles late, "
                    "delay %lld)\n",
                    i, double(stamp.ns - onsets.front()) / 1e6, brevane::toneSourceName(stamp.source),
                    double(recorder.worstWakeNs) / 1e6, recorder.late, (long long)recorder.delay);
        std::fflush(stdout);
    }
    return 0;
}
