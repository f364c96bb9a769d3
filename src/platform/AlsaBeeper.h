#pragma once
#include "platform/Beeper.h"

#include <QByteArray>

typedef struct _snd_pcm snd_pcm_t;

namespace reflex {

// A short sine tone on the default ALSA device. The device is opened once, at start-up, with
// a buffer larger than the tone and a start threshold of one frame, so beep() writes the
// whole tone without blocking and the sound starts as the write returns. Without a usable
// device it rings the display's bell instead.
class AlsaBeeper final : public Beeper {
public:
    explicit AlsaBeeper(const char* device = "default");
    ~AlsaBeeper() override;
    AlsaBeeper(const AlsaBeeper&) = delete;
    AlsaBeeper& operator=(const AlsaBeeper&) = delete;

    void beep() override;
    bool hasDevice() const override { return pcm_ != nullptr; }
    QString deviceName() const override { return device_; }

private:
    bool open(const char* device);
    void close();

    QString device_;
    snd_pcm_t* pcm_ = nullptr;
    QByteArray tone_; // S16 mono frames
    unsigned rate_ = 48000;
};

} // namespace reflex
