#pragma once
#include "platform/audio/Beeper.h"
#include "platform/audio/alsa/AlsaStamp.h"
#include "platform/services/Clock.h"

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

typedef struct _snd_pcm snd_pcm_t;

namespace brevane {

// The tone on an ALSA device (a card opened directly, or whatever the name gives). The device is
// opened once, at start-up: the buffer size is set before the period size (periods near 2 ms,
// as many as the device allows: an onboard HDA card takes at most 32), with a start threshold of
// one frame, so the sound starts as the first write returns. What does not fit in the buffer is
// written in pieces by a feeder thread as the device plays. A tone asked for later is preceded by
// silence. The tone is stamped at its first sample from the device's status right after the
// first write (toneStamp): its timestamps on CLOCK_MONOTONIC where it offers them, else its delay.
// Without a usable device it rings the display's bell instead, unstamped.
class AlsaBeeper final : public Beeper {
public:
    explicit AlsaBeeper(const Clock& clock, const char* device = "default");
    ~AlsaBeeper() override;
    AlsaBeeper(const AlsaBeeper&) = delete;
    AlsaBeeper& operator=(const AlsaBeeper&) = delete;

    void startTone(std::int64_t firstSampleNs) override;
    ToneStamp startedTone() override { return started_; }
    bool hasDevice() const override { return pcm_ != nullptr; }
    QString deviceName() const override { return device_; }
    ToneSource route() const override;
    unsigned long bufferFrames() const { return buffer_; }
    unsigned long periodFrames() const { return period_; }

private:
    bool open(const char* device);
    void close();
    ToneStamp write(std::int64_t firstSampleNs);
    void describe(PcmReport& report) const; // the device's status just after the write
    void feed();                            // the feeder thread

    const Clock& clock_;
    QString device_;
    snd_pcm_t* pcm_ = nullptr;
    std::vector<std::int16_t> tone_;
    unsigned rate_ = 48000;
    unsigned long buffer_ = 0, period_ = 0; // frames
    bool monotonic_ = false;                // the device stamps on CLOCK_MONOTONIC
    ToneStamp started_;

    std::mutex mutex_; // the device and what is left to write, between the GUI and the feeder
    std::condition_variable wake_;
    std::vector<std::int16_t> left_; // frames still to write
    std::size_t leftAt_ = 0;
    bool stopping_ = false;
    std::thread feeder_;
};

} // namespace brevane
