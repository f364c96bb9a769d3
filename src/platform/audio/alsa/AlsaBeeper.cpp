#include "platform/audio/alsa/AlsaBeeper.h"
#include "platform/audio/alsa/AlsaErrors.h"

#include <QApplication>
#include <alsa/asoundlib.h>

#include <algorithm>

namespace brevane {

namespace {
// The longest silence put ahead of a tone asked for later; further ahead it starts at once.
constexpr std::int64_t kMaxLeadNs = 100'000'000;
} // namespace

AlsaBeeper::AlsaBeeper(const Clock& clock, const char* device)
    : clock_(clock)
    , device_(QString::fromLocal8Bit(device))
{
    if (!open(device)) {
        close();
        return;
    }
    feeder_ = std::thread([this] { feed(); });
}

AlsaBeeper::~AlsaBeeper()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (feeder_.joinable())
        feeder_.join();
    close();
}

ToneSource AlsaBeeper::route() const
{
    return !pcm_ ? ToneSource::None : monotonic_ ? ToneSource::Audio : ToneSource::Delay;
}

bool AlsaBeeper::open(const char* device)
{
    silenceAlsaErrors();
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
    tone_ = makeTone(rate_);
    // The buffer first, then the period: a device limits the number of periods (HDA: 32), and
    // periods asked for first would cap the buffer at that many. Short periods: a sound server or
    // dmix moves the tone on in periods.
    snd_pcm_uframes_t buffer = tone_.size() * 2;
    snd_pcm_uframes_t period = rate_ / 500; // 2 ms
    if (snd_pcm_hw_params_set_buffer_size_near(pcm_, hw, &buffer) < 0 ||
        snd_pcm_hw_params_set_period_size_near(pcm_, hw, &period, nullptr) < 0 || snd_pcm_hw_params(pcm_, hw) < 0)
        return false;
    snd_pcm_hw_params_get_buffer_size(hw, &buffer);
    snd_pcm_hw_params_get_period_size(hw, &period, nullptr);

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
    period_ = period;
    return snd_pcm_prepare(pcm_) >= 0;
}

void AlsaBeeper::close()
{
    if (pcm_)
        snd_pcm_close(pcm_);
    pcm_ = nullptr;
}

void AlsaBeeper::startTone(std::int64_t firstSampleNs)
{
    started_ = pcm_ ? write(firstSampleNs) : ToneStamp{};
    if (!started_.known() && !pcm_)
        QApplication::beep();
}

ToneStamp AlsaBeeper::write(std::int64_t firstSampleNs)
{
    const std::lock_guard lock(mutex_);
    // A tone still playing, or still being fed, is cut off: every tone starts from a stopped
    // stream.
    left_.clear();
    if (snd_pcm_state(pcm_) != SND_PCM_STATE_PREPARED) {
        snd_pcm_drop(pcm_);
        snd_pcm_prepare(pcm_);
    }
    PcmReport report;
    report.writeStartNs = clock_.nowNs();
    const std::int64_t leadNs = firstSampleNs - report.writeStartNs;
    report.leadFrames = leadNs > 0 && leadNs < kMaxLeadNs ? long(leadNs * rate_ / 1'000'000'000) : 0;
    std::vector<std::int16_t> stream(std::size_t(report.leadFrames), 0);
    stream.insert(stream.end(), tone_.begin(), tone_.end());
    const auto first = std::min<snd_pcm_uframes_t>(stream.size(), buffer_);
    snd_pcm_sframes_t written = snd_pcm_writei(pcm_, stream.data(), first);
    if (written < 0) {
        snd_pcm_recover(pcm_, int(written), 1);
        report.writeStartNs = clock_.nowNs();
        written = snd_pcm_writei(pcm_, stream.data(), first);
    }
    report.writeEndNs = clock_.nowNs();
    if (written <= report.leadFrames) {
        QApplication::beep();
        return {};
    }
    report.rate = rate_;
    report.toneFrames = long(written) - report.leadFrames;
    describe(report);
    if (std::size_t(written) < stream.size()) {
        left_ = std::move(stream);
        leftAt_ = std::size_t(written);
        wake_.notify_all();
    }
    return toneStamp(report);
}

void AlsaBeeper::feed()
{
    // Half a buffer's time between writes: the device never runs dry, and the thread sleeps
    // most of the time.
    const auto pause = std::chrono::microseconds(std::max<unsigned long>(1000, buffer_ * 500'000 / rate_));
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        if (left_.empty()) {
            wake_.wait(lock);
            continue;
        }
        const snd_pcm_sframes_t room = snd_pcm_avail_update(pcm_);
        const snd_pcm_sframes_t n =
            room < 0 ? room
                     : snd_pcm_writei(pcm_, left_.data() + leftAt_,
                                      std::min<std::size_t>(std::size_t(room), left_.size() - leftAt_));
        if (n > 0)
            leftAt_ += std::size_t(n);
        // All written, or the stream broke: what is left of the tone is lost, not replayed late.
        if (leftAt_ == left_.size() || (n < 0 && n != -EAGAIN))
            left_.clear();
        if (!left_.empty())
            wake_.wait_for(lock, pause);
    }
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
