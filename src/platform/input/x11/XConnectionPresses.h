#pragma once
#include "platform/input/PressStampMatcher.h"
#include "platform/services/Clock.h"

#include <QAbstractNativeEventFilter>
#include <string>

namespace brevane {

// X button presses stamped as Qt takes them off its connection, before they travel to a
// widget: the source of raw presses where the input thread cannot run.
class XConnectionPressSource final : public RawPressSource, public QAbstractNativeEventFilter {
public:
    explicit XConnectionPressSource(const Clock& clock)
        : clock_(clock)
    {
    }
    ~XConnectionPressSource() override;
    bool start(Sink sink, std::string& why) override;
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    const Clock& clock_;
    Sink sink_;
};

} // namespace brevane
