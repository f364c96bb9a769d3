#pragma once
#include "platform/audio/Beeper.h"
#include "platform/audio/ToneSplicer.h"
#include "platform/services/Clock.h"

#include <memory>

namespace brevane {

// The tone through PulseAudio, where the program runs under a PulseAudio server (and no
// PipeWire). As PipeWireBeeper: one playback stream runs on silence while held, the tone is
// spliced into it, placed by the stream's timing information (pa_timing_info: the server's read
// position and the sink's latency; pulseFirstFrameNs) and stamped by a fresh answer once the
// server has read the tone.
class PulseBeeper final : public Beeper {
public:
    explicit PulseBeeper(const Clock& clock);
    ~PulseBeeper() override;
    PulseBeeper(const PulseBeeper&) = delete;
    PulseBeeper& operator=(const PulseBeeper&) = delete;
    bool connected() const;

    void startTone(std::int64_t firstSampleNs) override;
    ToneStamp startedTone() override;
    void holdStream(bool on) override;
    std::int64_t toneLeadNs() const override { return splicer_.leadNs(); }
    bool hasDevice() const override { return connected(); }
    QString deviceName() const override { return QStringLiteral("PulseAudio"); }
    ToneSource route() const override { return ToneSource::Pulse; }

    struct Server; // the PulseAudio objects, with the callbacks that need them

private:
    const Clock& clock_;
    ToneSplicer splicer_;
    std::unique_ptr<Server> server_;
    int holds_ = 0;
};

} // namespace brevane
