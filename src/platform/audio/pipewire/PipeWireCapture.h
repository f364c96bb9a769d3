#pragma once
#include "platform/audio/SoundCapture.h"

#include <memory>

namespace brevane {

// The default input through PipeWire's own API: a capture stream whose every buffer is dated by the
// graph's time of its cycle (graphCaptureFirstFrameNs); buffers left waiting by a late wake-up are
// dated back from the newest one.
class PipeWireCapture final : public SoundCapture {
public:
    PipeWireCapture(); // connects; connected() says whether a PipeWire server answered
    ~PipeWireCapture() override;
    PipeWireCapture(const PipeWireCapture&) = delete;
    PipeWireCapture& operator=(const PipeWireCapture&) = delete;
    bool connected() const;

    bool start(Sink sink, QString& why) override;
    void stop() override;
    unsigned rate() const override { return 48000; }
    QString deviceName() const override { return QStringLiteral("PipeWire"); }
    CaptureSource route() const override { return CaptureSource::Graph; }

    struct Server; // the PipeWire objects, with the callbacks that need them

private:
    std::unique_ptr<Server> server_;
};

} // namespace brevane
