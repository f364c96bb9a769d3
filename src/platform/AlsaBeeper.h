#pragma once
#include "platform/Beeper.h"
#include "platform/Clock.h"

#include <QByteArray>

typedef struct _snd_pcm snd_pcm_t;

namespace brevane {

// A short sine tone on the default ALSA device. The device is opened once, at start-up, with
// a buffer larger than the tone, periods of 2 ms and a start threshold of one frame, so beep()
// writes the whole tone without blocking and the sound starts as the write returns. The tone is
// stamped at its first sample from the device's status right after the write (toneStamp): its
// timestamps on CLOCK_MONOTONIC where it offers them, else its delay. Without a usable device
// it rings the display's bell instead, unstamped.
class AlsaBeeper final : public Beeper {
public:
    explicit AlsaBeeper(const Clock& clock, const char* device = "default");
    ~AlsaBeeper() override;
    AlsaBeeper(const AlsaBeeper&) = delete;
    AlsaBeeper& operator=(const AlsaBeeper&) = delete;

    ToneStamp beep() override;
    bool hasDevice() const override { return pcm_ != nullptr; }
    QString deviceName() const override { return device_; }

private:
    bool open(const char* device);
    void close();
    void describe(PcmReport& report) const; // the device's status just after the write

    const Clock& clock_;
    QString device_;
    snd_pcm_t* pcm_ = nullptr;
    QByteArray tone_; // S16 mono frames
    unsigned rate_ = 48000;
    unsigned long buffer_ = 0; // frames
    bool monotonic_ = false;   // the device stamps on CLOCK_MONOTONIC
};

} // namespace brevane
