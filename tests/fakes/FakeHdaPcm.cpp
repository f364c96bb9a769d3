// A sound device with an onboard HDA card's limits, as an ALSA plugin the tests load through a
// configuration file: at most 32 periods, and a buffer of at most 4096 frames (smaller than the
// tone, so the tone goes in pieces). It plays in real time on CLOCK_MONOTONIC and appends what it
// plays to the file the configuration names.
#include <alsa/asoundlib.h>
#include <alsa/pcm_external.h>

#include <cstdio>
#include <ctime>
#include <poll.h>
#include <string_view>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {

struct FakeHda {
    snd_pcm_ioplug_t io{};
    std::FILE* out = nullptr;
    timespec started{};
    bool running = false;
};

snd_pcm_uframes_t playedFrames(const FakeHda& h)
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const double s = double(now.tv_sec - h.started.tv_sec) + double(now.tv_nsec - h.started.tv_nsec) / 1e9;
    return snd_pcm_uframes_t(s * h.io.rate);
}

const snd_pcm_ioplug_callback_t kCallbacks = [] {
    snd_pcm_ioplug_callback_t c{};
    c.start = [](snd_pcm_ioplug_t* io) {
        auto* h = static_cast<FakeHda*>(io->private_data);
        clock_gettime(CLOCK_MONOTONIC, &h->started);
        h->running = true;
        return 0;
    };
    c.stop = [](snd_pcm_ioplug_t* io) { return static_cast<FakeHda*>(io->private_data)->running = false, 0; };
    c.pointer = [](snd_pcm_ioplug_t* io) -> snd_pcm_sframes_t {
        const auto* h = static_cast<FakeHda*>(io->private_data);
        return h->running ? snd_pcm_sframes_t(playedFrames(*h) % io->buffer_size) : 0;
    };
    c.transfer = [](snd_pcm_ioplug_t* io, const snd_pcm_channel_area_t* areas, snd_pcm_uframes_t offset,
                    snd_pcm_uframes_t size) -> snd_pcm_sframes_t {
        const auto* h = static_cast<FakeHda*>(io->private_data);
        const char* data = static_cast<const char*>(areas[0].addr) + (areas[0].first + areas[0].step * offset) / 8;
        std::fwrite(data, 2, size, h->out);
        std::fflush(h->out);
        return snd_pcm_sframes_t(size);
    };
    c.close = [](snd_pcm_ioplug_t* io) {
        auto* h = static_cast<FakeHda*>(io->private_data);
        close(io->poll_fd);
        std::fclose(h->out);
        delete h;
        return 0;
    };
    return c;
}();

} // namespace

extern "C" {

SND_PCM_PLUGIN_DEFINE_FUNC(brevanehda)
{
    (void)root;
    const char* path = "/dev/null";
    snd_config_iterator_t i, next;
    snd_config_for_each(i, next, conf)
    {
        snd_config_t* n = snd_config_iterator_entry(i);
        const char* id = nullptr;
        if (snd_config_get_id(n, &id) == 0 && std::string_view(id) == "file")
            snd_config_get_string(n, &path);
    }
    auto* h = new FakeHda;
    h->out = std::fopen(path, "ab");
    h->io.version = SND_PCM_IOPLUG_VERSION;
    h->io.name = "Fake HDA";
    h->io.callback = &kCallbacks;
    h->io.private_data = h;
    h->io.poll_fd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK); // always writable
    h->io.poll_events = POLLOUT;
    if (int err = snd_pcm_ioplug_create(&h->io, name, stream, mode); err < 0)
        return err;
    const unsigned access[] = {SND_PCM_ACCESS_RW_INTERLEAVED};
    const unsigned formats[] = {SND_PCM_FORMAT_S16_LE};
    snd_pcm_ioplug_set_param_list(&h->io, SND_PCM_IOPLUG_HW_ACCESS, 1, access);
    snd_pcm_ioplug_set_param_list(&h->io, SND_PCM_IOPLUG_HW_FORMAT, 1, formats);
    snd_pcm_ioplug_set_param_minmax(&h->io, SND_PCM_IOPLUG_HW_CHANNELS, 1, 1);
    snd_pcm_ioplug_set_param_minmax(&h->io, SND_PCM_IOPLUG_HW_RATE, 48000, 48000);
    snd_pcm_ioplug_set_param_minmax(&h->io, SND_PCM_IOPLUG_HW_PERIOD_BYTES, 128, 8192);
    snd_pcm_ioplug_set_param_minmax(&h->io, SND_PCM_IOPLUG_HW_PERIODS, 2, 32);
    snd_pcm_ioplug_set_param_minmax(&h->io, SND_PCM_IOPLUG_HW_BUFFER_BYTES, 256, 8192);
    *pcmp = h->io.pcm;
    return 0;
}
SND_PCM_PLUGIN_SYMBOL(brevanehda);
}
