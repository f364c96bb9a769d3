#pragma once
#include "platform/Clock.h"
#include "platform/PressStampMatcher.h"

#include <QAbstractNativeEventFilter>
#include <QString>
#include <cstdint>
#include <memory>

class QInputEvent;

namespace reflex {

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

// Stamps presses for a test window. On X it runs an input thread that stamps every raw button
// press on arrival (XInputPressThread) while the window listens, that is while it is shown: one
// thread for the window in front, not one per window woken by every press. Where that thread
// cannot run (no XInput 2) it says so once on standard error and takes its raw presses from
// the GUI connection instead (XConnectionPressSource). Either source feeds the one matcher.
class XPressStamper final {
public:
    explicit XPressStamper(const Clock& clock);
    ~XPressStamper();
    // Starts (true) or ends (false) the input thread; the window calls it as it is shown and
    // hidden.
    void listen(bool on);

    // The best stamp of the press `event` that a handler stamped at `handlerNs`.
    std::int64_t stamp(std::int64_t handlerNs, const QInputEvent& event) const;

    // Where the presses' stamps come from now: "XInput2 raw" (the input thread), "X connection"
    // (the GUI connection's raw event) or "toolkit event" (the handler's own stamp).
    QString sourceName() const;

private:
    void fallBack();

    const Clock& clock_;
    PressStampMatcher matcher_;
    std::unique_ptr<XInputPressThread> thread_; // stopped before the matcher goes
    std::unique_ptr<XConnectionPressSource> connection_;
    bool onX_ = false;
};

} // namespace reflex
