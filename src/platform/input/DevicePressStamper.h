#pragma once
#include "platform/input/PressStamp.h"
#include "platform/input/PressStampMatcher.h"
#include "platform/services/Clock.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <string>

namespace brevane {

class EvdevPressThread;
class XConnectionPressSource;
class XInputPressThread;

// The press stamper the session's windows share. On X, while a window listens, it runs
//  - a reader of the mouse's event devices (EvdevPressThread), where the user may read them:
//    the kernel's own stamp of each button press;
//  - an input thread that stamps every raw X button press on arrival (XInputPressThread), for
//    presses the first does not see (another device, or it could not start). Where that thread
//    cannot run (no XInput 2) the raw presses come from the GUI connection instead
//    (XConnectionPressSource).
// All feed the one matcher. Which source stamps presses is said once on standard error.
class DevicePressStamper final : public PressStamper {
public:
    explicit DevicePressStamper(const Clock& clock);
    ~DevicePressStamper() override;
    DevicePressStamper(const DevicePressStamper&) = delete;
    DevicePressStamper& operator=(const DevicePressStamper&) = delete;

    void listen(bool on) override;
    PressStamp stamp(std::int64_t handlerNs, const QInputEvent& event) const override;
    // Per device: "kernel evdev for " and the devices the kernel reader reads, then one of
    // "XInput2 raw" (the input thread), "X connection" (the GUI connection's raw event) or
    // "toolkit event" (the handler's own stamp) "for any other device".
    QString sourceName() const override;

private:
    void fallBack();
    void describeSources() const;

    const Clock& clock_;
    PressStampMatcher matcher_;
    std::unique_ptr<EvdevPressThread> kernel_; // stopped before the matcher goes, as the others
    std::string kernelWhy_;                    // why there is no kernel reader
    std::unique_ptr<XInputPressThread> thread_;
    std::unique_ptr<XConnectionPressSource> connection_;
    bool onX_ = false;
    int listeners_ = 0;
};

} // namespace brevane
