#pragma once
#include "platform/Clock.h"
#include "platform/PressStamps.h"

#include <QAbstractNativeEventFilter>
#include <array>
#include <cstdint>
#include <memory>

class QInputEvent;

namespace reflex {

class XInputPressThread;

// Stamps presses for a test window. On X it runs an input thread that stamps every raw button
// press on arrival (XInputPressThread) while the window listens, that is while it is shown: one
// thread for the window in front, not one per window woken by every press. Where that thread
// cannot run (no XInput 2, another platform) it says so once on standard error and falls back
// to stamping X button presses as Qt takes them off its connection, before they travel to a
// widget.
class XPressStamper final : public QAbstractNativeEventFilter {
public:
    explicit XPressStamper(const Clock& clock);
    ~XPressStamper() override;
    // Starts (true) or ends (false) the input thread; the window calls it as it is shown and
    // hidden.
    void listen(bool on);
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    // The best stamp of the press `event` that a handler stamped at `handlerNs`.
    std::int64_t stamp(std::int64_t handlerNs, const QInputEvent& event) const;
    bool usesInputThread() const { return thread_ != nullptr; }

private:
    struct Seen {
        std::uint32_t serverMs = 0;
        std::int64_t ns = 0;
    };
    void fallBack();

    const Clock& clock_;
    PressStampMatcher matcher_;
    std::unique_ptr<XInputPressThread> thread_; // stopped before the matcher goes
    std::array<Seen, 4> seen_{};
    unsigned next_ = 0;
    bool filterInstalled_ = false;
    bool onX_ = false;
};

} // namespace reflex
