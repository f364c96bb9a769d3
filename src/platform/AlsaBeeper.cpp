#include "platform/AlsaBeeper.h"

#include <QApplication>
#include <alsa/asoundlib.h>

#include <cmath>
#include <numbers>

namespace brevane {

namespace {
constexpr double kToneHz = 880.0;
constexpr double kToneSeconds = 0.15;
constexpr double kRampSeconds = 0.004; // soft edges, no click
constexpr double kAmplitude = 0.45;
} // namespace

AlsaBeeper::AlsaBeeper(const Clock& clock, const char* device)
    : clock_(clock)
    , device_(QString::fromLocal8Bit(device))
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
    // Short periods: a sound server or dmix moves the tone on in periods, and the tone is to
    // start within 5 ms of the request.
    snd_pcm_uframes_t period = rate_ / 500; // 2 ms
    snd_pcm_uframes_t buffer = toneFrames * 2;
    if (snd_pcm_hw_params_set_period_size_near(pcm_, hw, &period, nullptr) < 0 ||
        snd_pcm_hw_params_set_buffer_size_near(pcm_, hw, &buffer) < 0 || snd_pcm_hw_params(pcm_, hw) < 0 ||
        buffer < toneFrames)
        return false;

    snd_pcm_sw_params_t* sw = nullptr;
    snd_pcm_sw_params_alloca(&sw);
    if (snd_pcm_sw_params_current(pcm_, sw) < 0 || snd_pcm_sw_params_set_start_threshold(pcm_, sw, 1) < 0)
        return false;
    // The device's stamps on the program's clock, taken with each position it reports; a device
    // that cannot gives its delay only (toneStamp).
    monotonic_ = snd_pcm_sw_params_set_tstamp_mode(pcm_, sw, SND_PCM_TSTAMP_ENABLE) >= 0 &&
                 snd_pcm_sw_params_set_tstamp_type(pcm_, sw, SND_PCM_TSTAMP_TYPE_MONOTONIC) >= 0;
    if (snd_pcm_sw_params(pcm_, sw) < 0)
        return false;
    buffer_ = buffer;

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

ToneStamp AlsaBeeper::beep()
{
    if (!pcm_) {
        QApplication::beep();
        return {};
    }
    // A tone still playing is cut off: every beep starts at once, from a stopped stream.
    if (snd_pcm_state(pcm_) != SND_PCM_STATE_PREPARED) {
        snd_pcm_drop(pcm_);
        snd_pcm_prepare(pcm_);
    }
    const auto frames = snd_pcm_uframes_t(tone_.size() / sizeof(qint16));
    PcmReport report;
    report.writeStartNs = clock_.nowNs();
    snd_pcm_sframes_t written = snd_pcm_writei(pcm_, tone_.constData(), frames);
    if (written < 0) {
        snd_pcm_recover(pcm_, int(written), 1);
        report.writeStartNs = clock_.nowNs();
        written = snd_pcm_writei(pcm_, tone_.constData(), frames);
    }
    report.writeEndNs = clock_.nowNs();
    if (written < 0) {
        QApplication::beep();
        return {};
    }
    report.rate = rate_;
    report.toneFrames = long(written);
    describe(report);
    return toneStamp(report);
}

void AlsaBeeper::describe(PcmReport& report) const
{
    const auto ns = [](const snd_htimestamp_t& t) { return std::int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec; };
    snd_pcm_status_t* status = nullptr;
    snd_pcm_status_alloca(&status);
    // The link's own position where the driver has one (HDA), else the buffer position's.
    snd_pcm_audio_tstamp_config_t config{};
    config.type_requested = SND_PCM_AUDIO_TSTAMP_TYPE_LINK;
    snd_pcm_status_set_audio_htstamp_config(status, &config);
    if (snd_pcm_status(pcm_, status) == 0) {
        snd_htimestamp_t t{};
        report.status = true;
        report.monotonic = monotonic_;
        snd_pcm_status_get_htstamp(status, &t);
        report.statusNs = ns(t);
        snd_pcm_status_get_trigger_htstamp(status, &t);
        report.triggerNs = ns(t);
        snd_pcm_status_get_audio_htstamp(status, &t);
        report.audioNs = ns(t);
        snd_pcm_audio_tstamp_report_t audio{};
        snd_pcm_status_get_audio_htstamp_report(status, &audio);
        report.audioValid = audio.valid;
        report.delayFrames = long(snd_pcm_status_get_delay(status));
        report.availFrames = long(snd_pcm_status_get_avail(status));
        report.bufferFrames = long(buffer_);
        report.delayKnown = true;
        report.writeDelayFrames = report.delayFrames;
        return;
    }
    snd_pcm_sframes_t delay = 0;
    report.delayKnown = snd_pcm_delay(pcm_, &delay) == 0;
    report.writeDelayFrames = long(delay);
}

} // namespace brevane
