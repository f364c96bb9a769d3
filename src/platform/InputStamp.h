#pragma once
#include "platform/Clock.h"

#include <QAbstractNativeEventFilter>
#include <array>
#include <cstdint>

class QInputEvent;

namespace reflex {

// The X server stamps input in whole milliseconds of CLOCK_MONOTONIC, the clock the program
// stamps with too (or of the kernel's coarse monotonic clock when that is fine enough, which
// lags by up to its resolution: `slackNs`). A press happened before the end of the server's
// millisecond, so a handler stamp later than that (the event was held up on its way) is
// brought back to it. Stamps of a server on another clock (more than a second apart) are
// left alone. `serverMs` wraps modulo 2^32.
std::int64_t refinePressStamp(std::int64_t handlerNs, std::uint32_t serverMs, std::int64_t slackNs);

// Stamps X button presses as Qt takes them off the connection, before they become mouse
// events and travel to a widget. Installed while a test window exists.
class XPressStamper final : public QAbstractNativeEventFilter {
public:
    explicit XPressStamper(const Clock& clock);
    ~XPressStamper() override;
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    // The best stamp of the press `event` that a handler stamped at `handlerNs`: the earlier
    // stamp taken here when there is one, brought back to the server's millisecond.
    std::int64_t stamp(std::int64_t handlerNs, const QInputEvent& event) const;

private:
    struct Seen {
        std::uint32_t serverMs = 0;
        std::int64_t ns = 0;
    };
    const Clock& clock_;
    std::array<Seen, 4> seen_{};
    unsigned next_ = 0;
    bool installed_ = false;
};

} // namespace reflex
