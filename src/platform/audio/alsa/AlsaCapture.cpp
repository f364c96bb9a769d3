#include "platform/audio/alsa/AlsaCapture.h"
#include "platform/audio/alsa/AlsaStamp.h"

#include <QCoreApplication>
#include <alsa/asoundlib.h>

#include <vector>

namespace brevane {

namespace {
std::int64_t ns(const snd_htimestamp_t& t)
{
    return std::int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// What the device said right after a read, into the report.
void describe(snd_pcm_t* pcm, AlsaCaptureReport& r)
{
    snd_pcm_status_t* status = nullptr;
    snd_pcm_status_alloca(&status);
    snd_pcm_audio_tstamp_config_t config{};
    config.type_requested = SND_PCM_AUDIO_TSTAMP_TYPE_LINK;
    snd_pcm_status_set_audio_htstamp_config(status, &config);
    if (snd_pcm_status(pcm, status) != 0)
        return;
    snd_htimestamp_t t{};
    r.status = true;
    snd_pcm_status_get_htstamp(status, &t);
    r.statusNs = ns(t);
    snd_pcm_status_get_trigger_htstamp(status, &t);
    r.triggerNs = ns(t);
    snd_pcm_status_get_audio_htstamp(status, &t);
    r.audioNs = ns(t);
    snd_pcm_audio_tstamp_report_t audio{};
    snd_pcm_status_get_audio_htstamp_report(status, &audio);
    r.audioValid = audio.valid;
    r.delayFrames = long(snd_pcm_status_get_delay(status));
}
} // namespace

AlsaCapture::AlsaCapture(const Clock& clock, const char* device)
    : clock_(clock)
    , device_(QString::fromLocal8Bit(device))
{
}

AlsaCapture::~AlsaCapture()
{
    stop();
}

bool AlsaCapture::open(QString& why)
{
    const QByteArray name = device_.toLocal8Bit();
    if (snd_pcm_open(&pcm_, name.constData(), SND_PCM_STREAM_CAPTURE, 0) < 0) {
        pcm_ = nullptr;
        why =
            QCoreApplication::translate("SoundCapture", "the sound card has no input to record from (%1)").arg(device_);
        return false;
    }
    snd_pcm_hw_params_t* hw = nullptr;
    snd_pcm_hw_params_alloca(&hw);
    snd_pcm_uframes_t period = rate_ / 200; // 5 ms
    snd_pcm_uframes_t buffer = period * 16;
    snd_pcm_sw_params_t* sw = nullptr;
    snd_pcm_sw_params_alloca(&sw);
    const bool ok = snd_pcm_hw_params_any(pcm_, hw) >= 0 &&
                    snd_pcm_hw_params_set_access(pcm_, hw, SND_PCM_ACCESS_RW_INTERLEAVED) >= 0 &&
                    snd_pcm_hw_params_set_format(pcm_, hw, SND_PCM_FORMAT_FLOAT_LE) >= 0 &&
                    snd_pcm_hw_params_set_channels(pcm_, hw, 1) >= 0 &&
                    snd_pcm_hw_params_set_rate_near(pcm_, hw, &rate_, nullptr) >= 0 &&
                    snd_pcm_hw_params_set_buffer_size_near(pcm_, hw, &buffer) >= 0 &&
                    snd_pcm_hw_params_set_period_size_near(pcm_, hw, &period, nullptr) >= 0 &&
                    snd_pcm_hw_params(pcm_, hw) >= 0 && snd_pcm_sw_params_current(pcm_, sw) >= 0;
    if (ok) {
        monotonic_ = snd_pcm_sw_params_set_tstamp_mode(pcm_, sw, SND_PCM_TSTAMP_ENABLE) >= 0 &&
                     snd_pcm_sw_params_set_tstamp_type(pcm_, sw, SND_PCM_TSTAMP_TYPE_MONOTONIC) >= 0;
        snd_pcm_hw_params_get_period_size(hw, &period, nullptr);
        period_ = period;
    }
    if (!ok || snd_pcm_sw_params(pcm_, sw) < 0 || snd_pcm_prepare(pcm_) < 0 || snd_pcm_start(pcm_) < 0) {
        snd_pcm_close(pcm_);
        pcm_ = nullptr;
        why = QCoreApplication::translate("SoundCapture", "the sound card's input cannot record mono at %1 Hz (%2)")
                  .arg(rate_)
                  .arg(device_);
        return false;
    }
    return true;
}

bool AlsaCapture::start(Sink sink, QString& why)
{
    stop();
    if (!open(why))
        return false;
    stopping_ = false;
    reader_ = std::thread([this, sink = std::move(sink)] { run(sink); });
    return true;
}

void AlsaCapture::stop()
{
    stopping_ = true;
    if (reader_.joinable())
        reader_.join();
    if (pcm_)
        snd_pcm_close(pcm_);
    pcm_ = nullptr;
}

// Blocking reads of a period each; a dropped stream (an overrun) starts afresh, its frames counted
// from the new start.
void AlsaCapture::run(const Sink& sink)
{
    std::vector<float> frames(period_);
    std::int64_t before = 0;
    while (!stopping_) {
        AlsaCaptureReport r;
        r.readStartNs = clock_.nowNs();
        const snd_pcm_sframes_t n = snd_pcm_readi(pcm_, frames.data(), period_);
        r.readEndNs = clock_.nowNs();
        if (n < 0) {
            if (snd_pcm_recover(pcm_, int(n), 1) < 0)
                return;
            snd_pcm_start(pcm_);
            before = 0;
            continue;
        }
        r.rate = rate_;
        r.frames = long(n);
        r.framesBefore = before;
        r.monotonic = monotonic_;
        describe(pcm_, r);
        const ToneStamp first = alsaCaptureFirstFrame(r);
        sink(CaptureBlock{first.ns, first.source, std::vector<float>(frames.begin(), frames.begin() + n)});
        before += n;
    }
}

} // namespace brevane
