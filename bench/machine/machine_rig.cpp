// machine_rig: a stand-in for a lab PC's sound card input, for the machine check
// (brevane --check-machine) on a machine without one. bench/machine_rig.py starts PipeWire with a
// null sink (the program's tone goes there) and a virtual source (the program records it), Xvfb and
// the program, and runs this beside them. It plays into the virtual source, on PipeWire's graph
// clock, synthetic signals whose onsets it knows on CLOCK_MONOTONIC, each `--delay` ms after what
// they stand for:
//   light  a step while the patch is white, from the screen's own read-back of the patch
//          (XGetImage of its centre every 200 us; the onset is the middle between the last dark and
//          the first white reading);
//   tone   the null sink's monitor (what it played, each sample at its graph cycle's time plus its
//          place) looped back, delayed (a tone whose first frames came too late to copy begins
//          later: its line says where its copy began);
//   click  on "click N" on standard input, N XTest presses on the patch a second apart, each planned
//          100 ms ahead and its click transient put `--delay` ms before the press was sent (a mouse
//          whose switch closed that long before the press reached the X server).
// Noise (SD 0.002) and a 50 Hz hum (0.005) lie under everything. Prints one line per event:
// "<kind> <event_ns> <placed_ns>" (light: onset, step; tone: first sample played, its copy;
// click: press sent, click), and at the end how many loop frames came too late to be copied.
//
//   machine_rig --delay MS [--patch X,Y]
#include "platform/audio/ToneStamp.h"
#include "platform/audio/pipewire/GraphTime.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <pipewire/pipewire.h>
#include <spa/param/audio/format-utils.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <deque>
#include <iostream>
#include <mutex>
#include <numbers>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr unsigned kRate = 48000;
constexpr std::int64_t kSecond = 1'000'000'000;

std::int64_t nowNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return std::int64_t(t.tv_sec) * kSecond + t.tv_nsec;
}

void sleepUntil(std::int64_t ns)
{
    const timespec t{time_t(ns / kSecond), long(ns % kSecond)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &t, nullptr) == EINTR) { }
}

struct Event {
    std::int64_t fromNs, toNs; // the signal's span on the graph clock
    bool click;                // a click transient, else the light's step
    std::int64_t eventNs = 0;  // what it stands for: the patch's onset, the press sent
    std::int64_t firstNs = 0;  // the first frame played of it: fromNs, or later where it came too late
};

struct Rig {
    std::int64_t delayNs = 0;
    std::mutex mutex;
    std::vector<Event> events;
    std::deque<std::pair<std::int64_t, float>> played; // the sink's monitor: sample time, value
    std::int64_t playedUpToNs = 0;
    long lateLoopFrames = 0;
    struct Tone {
        std::int64_t firstNs, copiedNs; // its first sample played; the first frame of it copied
    };
    std::vector<Tone> tones;
    bool inTone = false;
    std::int64_t lastSoundNs = 0;

    pw_thread_loop* loop = nullptr;
    pw_stream *out = nullptr, *monitor = nullptr;
    spa_hook outListener{}, monitorListener{};
    std::mt19937 random{5};
    std::normal_distribution<double> noise{0, 0.002};

    void say(const char* kind, std::int64_t eventNs, std::int64_t placedNs)
    {
        std::printf("%s %lld %lld\n", kind, (long long)eventNs, (long long)placedNs);
        std::fflush(stdout);
    }

    // The value of frame time `t`: noise, hum, the light's steps, the clicks and the loop.
    double value(std::int64_t t)
    {
        double v = noise(random) + 0.005 * std::sin(2 * std::numbers::pi * 50 * double(t % kSecond) / 1e9);
        for (Event& e : events) {
            if (t < e.fromNs || t >= e.toNs)
                continue;
            if (e.firstNs == 0)
                e.firstNs = t;
            const double since = double(t - e.fromNs) / 1e6; // ms
            v += e.click ? 0.5 * std::exp(-since / 1.5) * std::sin(2 * std::numbers::pi * 4.0 * since)
                         : 0.3 * (1 - std::exp(-since / 0.3));
        }
        const std::int64_t source = t - delayNs;
        if (!played.empty() && source >= played.front().first) {
            if (source > playedUpToNs) {
                ++lateLoopFrames;
            } else {
                const auto at = std::lower_bound(played.begin(), played.end(), source,
                                                 [](const auto& p, std::int64_t s) { return p.first + 10'417 < s; });
                if (at != played.end())
                    v += at->second;
                // A tone's copy begins here where its first frames were too late to copy.
                for (Tone& tone : tones)
                    if (tone.copiedNs == 0 && source >= tone.firstNs && source < tone.firstNs + 150'000'000)
                        tone.copiedNs = t - (source - tone.firstNs < 21'000 ? source - tone.firstNs : 0);
            }
        }
        return std::clamp(v, -1.0, 1.0);
    }

    static void fill(void* data)
    {
        auto* r = static_cast<Rig*>(data);
        pw_buffer* b = pw_stream_dequeue_buffer(r->out);
        if (!b)
            return;
        spa_data& d = b->buffer->datas[0];
        auto frames = std::uint32_t(d.maxsize / sizeof(float));
        if (b->requested != 0)
            frames = std::min<std::uint32_t>(frames, std::uint32_t(b->requested));
        pw_time t{};
        pw_stream_get_time_n(r->out, &t, sizeof t);
        const std::int64_t first =
            brevane::graphFirstFrameNs({t.now, t.rate.num, t.rate.denom, t.delay, t.queued, t.buffered, kRate, frames});
        auto* f = static_cast<float*>(d.data);
        {
            const std::lock_guard lock(r->mutex);
            for (std::uint32_t i = 0; i < frames; ++i)
                f[i] = first == 0 ? 0.0f : float(r->value(first + std::int64_t(i) * kSecond / kRate));
        }
        d.chunk->offset = 0;
        d.chunk->stride = sizeof(float);
        d.chunk->size = frames * sizeof(float);
        b->size = frames;
        pw_stream_queue_buffer(r->out, b);
        // Each event once its first frame is filled: where it really begins.
        const std::lock_guard lock(r->mutex);
        for (Rig::Tone& tone : r->tones)
            if (tone.copiedNs != 0) {
                r->say("tone", tone.firstNs, tone.copiedNs);
                tone.firstNs = INT64_MIN / 2;
            }
        r->tones.erase(std::remove_if(r->tones.begin(), r->tones.end(),
                                      [](const Rig::Tone& tone) { return tone.firstNs == INT64_MIN / 2; }),
                       r->tones.end());
        for (Event& e : r->events)
            if (e.firstNs != 0 && e.eventNs != 0) {
                r->say(e.click ? "click" : "light", e.eventNs, e.firstNs);
                e.eventNs = 0;
            }
    }

    // The sink's monitor, as tone_bench's recorder reads it: every buffer waiting, the newest this
    // cycle's, each sample at the cycle's time plus its place.
    static void record(void* data)
    {
        auto* r = static_cast<Rig*>(data);
        std::vector<pw_buffer*> buffers;
        while (pw_buffer* b = pw_stream_dequeue_buffer(r->monitor))
            buffers.push_back(b);
        pw_time t{};
        pw_stream_get_time_n(r->monitor, &t, sizeof t);
        std::int64_t at = t.now;
        for (std::size_t k = 1; k < buffers.size(); ++k)
            at -= std::int64_t(buffers[k]->buffer->datas[0].chunk->size / sizeof(float)) * kSecond / kRate;
        const std::lock_guard lock(r->mutex);
        for (pw_buffer* b : buffers) {
            const spa_data& d = b->buffer->datas[0];
            const std::size_t n = d.chunk->size / sizeof(float);
            const auto* s = static_cast<const float*>(d.data);
            for (std::size_t i = 0; s && i < n; ++i) {
                const std::int64_t ns = at + std::int64_t(i) * kSecond / kRate;
                r->played.emplace_back(ns, s[i]);
                if (s[i] != 0 && !r->inTone) // its first sample is 0, the one before
                    r->tones.push_back({ns - kSecond / kRate, 0});
                r->inTone = s[i] != 0 || (r->inTone && ns - r->lastSoundNs < 50'000'000);
                if (s[i] != 0)
                    r->lastSoundNs = ns;
            }
            at += std::int64_t(n) * kSecond / kRate;
            r->playedUpToNs = at - kSecond / kRate;
            pw_stream_queue_buffer(r->monitor, b);
        }
        while (!r->played.empty() && r->played.front().first < r->playedUpToNs - 2 * kSecond)
            r->played.pop_front();
    }

    pw_stream* stream(const char* name, pw_properties* props, pw_direction direction, void (*process)(void*),
                      spa_hook& listener, bool autoconnect)
    {
        static pw_stream_events events[2];
        pw_stream_events& e = events[direction == PW_DIRECTION_INPUT ? 0 : 1];
        e = {};
        e.version = PW_VERSION_STREAM_EVENTS;
        e.process = process;
        pw_stream* s = pw_stream_new_simple(pw_thread_loop_get_loop(loop), name, props, &e, this);
        (void)listener;
        std::uint8_t pod[1024];
        spa_pod_builder builder = SPA_POD_BUILDER_INIT(pod, sizeof pod);
        spa_audio_info_raw info{};
        info.format = SPA_AUDIO_FORMAT_F32;
        info.rate = kRate;
        info.channels = 1;
        info.position[0] = SPA_AUDIO_CHANNEL_MONO;
        const spa_pod* params[] = {spa_format_audio_raw_build(&builder, SPA_PARAM_EnumFormat, &info)};
        pw_stream_connect(
            s, direction, PW_ID_ANY,
            pw_stream_flags(PW_STREAM_FLAG_AUTOCONNECT | PW_STREAM_FLAG_MAP_BUFFERS | PW_STREAM_FLAG_RT_PROCESS),
            params, 1);
        return s;
    }

    void start()
    {
        pw_init(nullptr, nullptr);
        loop = pw_thread_loop_new("machine-rig", nullptr);
        pw_thread_loop_lock(loop);
        // Linked to the virtual source's input by bench/machine_rig.py (pw-link): the session manager
        // links no playback stream to a source.
        out = stream("machine rig line",
                     pw_properties_new(PW_KEY_MEDIA_TYPE, "Audio", PW_KEY_MEDIA_CATEGORY, "Playback", PW_KEY_NODE_NAME,
                                       "machine-rig-line", PW_KEY_NODE_LATENCY, "256/48000", PW_KEY_NODE_AUTOCONNECT,
                                       "false", nullptr),
                     PW_DIRECTION_OUTPUT, fill, outListener, false);
        monitor = stream("machine rig monitor",
                         pw_properties_new(PW_KEY_MEDIA_TYPE, "Audio", PW_KEY_MEDIA_CATEGORY, "Capture",
                                           PW_KEY_TARGET_OBJECT, "brevane-null", PW_KEY_STREAM_CAPTURE_SINK, "true",
                                           PW_KEY_NODE_LATENCY, "256/48000", nullptr),
                         PW_DIRECTION_INPUT, record, monitorListener, true);
        pw_thread_loop_unlock(loop);
        pw_thread_loop_start(loop);
    }

    void add(const Event& e)
    {
        const std::lock_guard lock(mutex);
        events.erase(std::remove_if(events.begin(), events.end(),
                                    [&](const Event& old) { return old.toNs < e.fromNs - 5 * kSecond; }),
                     events.end());
        events.push_back(e);
    }
    void endLight(std::int64_t atNs)
    {
        const std::lock_guard lock(mutex);
        for (Event& e : events)
            if (!e.click && e.toNs == INT64_MAX)
                e.toNs = atNs;
    }
};

// The patch's centre read back: dark or white, each reading at the middle of its round trip.
void watch(Rig& rig, int x, int y, std::atomic<bool>& stop)
{
    Display* d = XOpenDisplay(nullptr);
    if (!d)
        return;
    const Window root = DefaultRootWindow(d);
    bool white = false;
    std::int64_t lastNs = 0;
    while (!stop) {
        const std::int64_t before = nowNs();
        XImage* image = XGetImage(d, root, x - 2, y - 2, 4, 4, AllPlanes, ZPixmap);
        const std::int64_t after = nowNs(), at = (before + after) / 2;
        if (image) {
            const unsigned long p = XGetPixel(image, 1, 1);
            const int level = int((p >> 16) & 0xff) + int((p >> 8) & 0xff) + int(p & 0xff);
            XDestroyImage(image);
            const bool nowWhite = level > 3 * 200;
            const bool dark = level < 3 * 60;
            if (!white && nowWhite && lastNs != 0) {
                const std::int64_t onset = (lastNs + at) / 2;
                rig.add({onset + rig.delayNs, INT64_MAX, false, onset});
            } else if (white && dark && lastNs != 0) {
                rig.endLight((lastNs + at) / 2 + rig.delayNs);
            }
            if (nowWhite || dark)
                white = nowWhite;
            lastNs = at;
        }
        sleepUntil(after + 200'000);
    }
    XCloseDisplay(d);
}

// N presses on the patch, a second apart, each planned 100 ms ahead, its click put the delay before.
void click(Rig& rig, int x, int y, int n)
{
    Display* d = XOpenDisplay(nullptr);
    if (!d)
        return;
    XTestFakeMotionEvent(d, -1, x, y, 0);
    XFlush(d);
    for (int k = 0; k < n; ++k) {
        const std::int64_t planned = nowNs() + 100'000'000;
        rig.add({planned - rig.delayNs, planned - rig.delayNs + 12'000'000, true, 0});
        sleepUntil(planned);
        XTestFakeButtonEvent(d, 1, True, 0);
        XFlush(d);
        const std::int64_t sent = nowNs();
        rig.say("click", sent, planned - rig.delayNs);
        sleepUntil(sent + 40'000'000);
        XTestFakeButtonEvent(d, 1, False, 0);
        XFlush(d);
        sleepUntil(planned + 1'000'000'000 - 100'000'000);
    }
    XCloseDisplay(d);
}

} // namespace

int main(int argc, char** argv)
{
    Rig rig;
    int x = -1, y = -1;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--delay"))
            rig.delayNs = std::llround(std::atof(argv[i + 1]) * 1e6);
        else if (!std::strcmp(argv[i], "--patch"))
            std::sscanf(argv[i + 1], "%d,%d", &x, &y);
    }
    if (x < 0) { // the machine check's patch, on a full screen: centred, a quarter of its side low
        Display* d = XOpenDisplay(nullptr);
        if (!d) {
            std::fprintf(stderr, "machine_rig: no X display\n");
            return 1;
        }
        const int w = DisplayWidth(d, 0), h = DisplayHeight(d, 0), side = std::min(w, h) / 3;
        x = w / 2, y = h / 2 + side / 4;
        XCloseDisplay(d);
    }
    rig.start();
    std::atomic<bool> stop{false};
    std::thread watcher([&] { watch(rig, x, y, stop); });
    std::string line;
    while (std::getline(std::cin, line)) {
        int n = 0;
        if (std::sscanf(line.c_str(), "click %d", &n) == 1)
            click(rig, x, y, n);
        else if (line == "quit")
            break;
    }
    stop = true;
    watcher.join();
    pw_thread_loop_stop(rig.loop);
    std::fprintf(stderr, "machine_rig: %ld loop frames came too late to be copied\n", rig.lateLoopFrames);
    return 0;
}
