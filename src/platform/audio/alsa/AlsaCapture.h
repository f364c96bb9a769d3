#pragma once
#include "platform/audio/SoundCapture.h"
#include "platform/services/Clock.h"

#include <atomic>
#include <thread>

typedef struct _snd_pcm snd_pcm_t;

namespace brevane {

// An ALSA capture device (the default input, or whatever the name gives), read in periods of about
// 5 ms by a thread of its own; each block is dated from the device's status right after the read
// (alsaCaptureFirstFrame): its timestamps on CLOCK_MONOTONIC where it offers them, else its delay.
class AlsaCapture final : public SoundCapture {
public:
    explicit AlsaCapture(const Clock& clock, const char* device = "default");
    ~AlsaCapture() override;
    AlsaCapture(const AlsaCapture&) = delete;
    AlsaCapture& operator=(const AlsaCapture&) = delete;

    bool start(Sink sink, QString& why) override;
    void stop() override;
    unsigned rate() const override { return rate_; }
    QString deviceName() const override { return device_; }
    CaptureSource route() const override { return monotonic_ ? CaptureSource::Audio : CaptureSource::Delay; }

private:
    bool open(QString& why);
    void run(const Sink& sink);

    const Clock& clock_;
    QString device_;
    snd_pcm_t* pcm_ = nullptr;
    unsigned rate_ = 48000;
    unsigned long period_ = 0;
    bool monotonic_ = false;
    std::atomic<bool> stopping_{false};
    std::thread reader_;
};

} // namespace brevane
