#pragma once
#include "platform/input/PressStampMatcher.h"
#include "platform/services/Clock.h"

#include <QAbstractNativeEventFilter>
#include <QString>
#include <cstdint>
#include <memory>
#include <string>

class QInputEvent;

namespace brevane {

class EvdevPressThread;
class XInputPressThread;

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

// Stamps presses for a test window. On X, while the window listens (while it is shown: the
// threads serve the window in front, not every window woken by every press), it runs
//  - a reader of the mouse's event devices (EvdevPressThread), where the user may read them:
//    the kernel's own stamp of each button press;
//  - an input thread that stamps every raw X button press on arrival (XInputPressThread), for
//    presses the first does not see (another device, or it could not start). Where that thread
//    cannot run (no XInput 2) the raw presses come from the GUI connection instead
//    (XConnectionPressSource).
// All feed the one matcher. Which source stamps presses is said once on standard error.
class XPressStamper final {
public:
    explicit XPressStamper(const Clock& clock);
    ~XPressStamper();
    // Starts (true) or ends (false) the input thread; the window calls it as it is shown and
    // hidden.
    void listen(bool on);

    // The best stamp of the press `event` that a handler stamped at `handlerNs`.
    PressStamp stamp(std::int64_t handlerNs, const QInputEvent& event) const;
    // Where the presses' stamps come from now, per device: "kernel evdev for " and the devices
    // the kernel reader reads, then one of "XInput2 raw" (the input thread), "X connection" (the
    // GUI connection's raw event) or "toolkit event" (the handler's own stamp) "for any other
    // device".
    QString sourceName() const;

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
};

} // namespace brevane
