#pragma once
#include "platform/audio/SoundCapture.h"

#include <memory>

namespace brevane {

// The default input through PulseAudio's own API: a record stream whose bytes are dated by the
// server's timing of it (pulseCaptureOriginNs), the earliest of the latest answers.
class PulseCapture final : public SoundCapture {
public:
    PulseCapture(); // connects; connected() says whether a PulseAudio server answered
    ~PulseCapture() override;
    PulseCapture(const PulseCapture&) = delete;
    PulseCapture& operator=(const PulseCapture&) = delete;
    bool connected() const;

    bool start(Sink sink, QString& why) override;
    void stop() override;
    unsigned rate() const override { return 48000; }
    QString deviceName() const override { return QStringLiteral("PulseAudio"); }
    CaptureSource route() const override { return CaptureSource::Pulse; }

    struct Server; // the PulseAudio objects, with the callbacks that need them

private:
    std::unique_ptr<Server> server_;
};

} // namespace brevane
