#pragma once
#include "platform/audio/Beeper.h"
#include "platform/audio/ToneSplicer.h"
#include "platform/services/Clock.h"
#include "platform/services/Timer.h"

#include <memory>

namespace brevane {

// The tone through PipeWire's own API, where the program runs under PipeWire. One playback stream
// runs on silence while held (holdStream: a test window is open), so that its start and the
// sink's wake-up never fall inside a measured time; the tone is spliced into it (ToneSplicer) on
// the frame the graph will play at the time asked for, and stamped from the stream's time
// (pw_stream_get_time_n: the graph cycle's clock, the delay to the device, the frames queued
// ahead; graphFirstFrameNs). A tone outside a hold connects the stream for itself.
class PipeWireBeeper final : public Beeper {
public:
    // Connects to the PipeWire server; connected() says whether there is one.
    PipeWireBeeper(const Clock& clock, TimerFactory& timers);
    ~PipeWireBeeper() override;
    PipeWireBeeper(const PipeWireBeeper&) = delete;
    PipeWireBeeper& operator=(const PipeWireBeeper&) = delete;
    bool connected() const;

    void startTone(std::int64_t firstSampleNs) override;
    ToneStamp startedTone() override;
    void holdStream(bool on) override;
    std::int64_t toneLeadNs() const override { return splicer_.leadNs(); }
    bool hasDevice() const override { return connected(); }
    QString deviceName() const override { return QStringLiteral("PipeWire"); }
    ToneSource route() const override { return ToneSource::Graph; }

    struct Server; // the PipeWire objects, with the callbacks that need them

private:
    void release(); // ends the stream unless held or a tone plays

    const Clock& clock_;
    ToneSplicer splicer_;
    std::unique_ptr<Server> server_;
    std::unique_ptr<Timer> release_; // a second after a tone outside a hold
    int holds_ = 0;
};

} // namespace brevane
