#include "platform/AlsaBeeper.h"

#include <QApplication>
#include <alsa/asoundlib.h>

#include <cmath>
#include <numbers>

namespace reflex {

namespace {
constexpr double kToneHz = 880.0;
constexpr double kToneSeconds = 0.15;
constexpr double kRampSeconds = 0.004; // soft edges, no click
constexpr double kAmplitude = 0.45;
} // namespace

AlsaBeeper::AlsaBeeper(const char* device)
    : device_(QString::fromLocal8Bit(device))
{
    if (!open(device))
        close();
}

AlsaBeeper::~AlsaBeeper()
{
    close();
}

namespace {
// ALSA prints its configuration trouble on stderr; a missing device is reported by
// the fall-back to the bell instead.
void quietAlsa(const char*, int, const char*, int, const char*, ...)
{
}
} // namespace

bool AlsaBeeper::open(const char* device)
{
    snd_lib_error_set_handler(quietAlsa);
    if (snd_pcm_open(&pcm_, device, SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) {
        pcm_ = nullptr;
        return false;
    }
    snd_pcm_hw_params_t* hw = nullptr;
    snd_pcm_hw_params_alloca(&hw);
    if (snd_pcm_hw_params_any(pcm_, hw) < 0 ||
        snd_pcm_hw_params_set_access(pcm_, hw, SND_PCM_ACCESS_RW_INTERLEAVED) < 0 ||
        snd_pcm_hw_params_set_format(pcm_, hw, SND_PCM_FORMAT_S16_LE) < 0 ||
        snd_pcm_hw_params_set_channels(pcm_, hw, 1) < 0 ||
        snd_pcm_hw_params_set_rate_near(pcm_, hw, &rate_, nullptr) < 0)
        return false;
    const auto toneFrames = snd_pcm_uframes_t(kToneSeconds * rate_);
    snd_pcm_uframes_t period = rate_ / 200; // 5 ms
    snd_pcm_uframes_t buffer = toneFrames * 2;
    if (snd_pcm_hw_params_set_period_size_near(pcm_, hw, &period, nullptr) < 0 ||
        snd_pcm_hw_params_set_buffer_size_near(pcm_, hw, &buffer) < 0 || snd_pcm_hw_params(pcm_, hw) < 0 ||
        buffer < toneFrames)
        return false;

    snd_pcm_sw_params_t* sw = nullptr;
    snd_pcm_sw_params_alloca(&sw);
    if (snd_pcm_sw_params_current(pcm_, sw) < 0 || snd_pcm_sw_params_set_start_threshold(pcm_, sw, 1) < 0 ||
        snd_pcm_sw_params(pcm_, sw) < 0)
        return false;

    tone_.resize(int(toneFrames * sizeof(qint16)));
    auto* samples = reinterpret_cast<qint16*>(tone_.data());
    const auto ramp = snd_pcm_uframes_t(kRampSeconds * rate_);
    for (snd_pcm_uframes_t i = 0; i < toneFrames; ++i) {
        double gain = kAmplitude;
        if (i < ramp)
            gain *= double(i) / ramp;
        else if (toneFrames - i < ramp)
            gain *= double(toneFrames - i) / ramp;
        samples[i] =
            qint16(std::lround(32767.0 * gain * std::sin(2.0 * std::numbers::pi * kToneHz * double(i) / rate_)));
    }
    return snd_pcm_prepare(pcm_) >= 0;
}

void AlsaBeeper::close()
{
    if (pcm_)
        snd_pcm_close(pcm_);
    pcm_ = nullptr;
}

void AlsaBeeper::beep()
{
    if (!pcm_) {
        QApplication::beep();
        return;
    }
    // A tone still playing is cut off: every beep starts at once.
    if (snd_pcm_state(pcm_) != SND_PCM_STATE_PREPARED) {
        snd_pcm_drop(pcm_);
        snd_pcm_prepare(pcm_);
    }
    const auto frames = snd_pcm_uframes_t(tone_.size() / sizeof(qint16));
    snd_pcm_sframes_t written = snd_pcm_writei(pcm_, tone_.constData(), frames);
    if (written < 0) {
        snd_pcm_recover(pcm_, int(written), 1);
        written = snd_pcm_writei(pcm_, tone_.constData(), frames);
    }
    if (written < 0)
        QApplication::beep();
}

} // namespace reflex
