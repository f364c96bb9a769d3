#pragma once
// The input concern: when the student pressed. A window hands each press event, stamped the moment
// its handler ran, to the session's PressStamper (DevicePressStamper), which looks up an earlier
// stamp of the same press from the input threads it runs while a window listens: the kernel's own
// time from the mice's event devices (evdev/), the arrival of the X server's raw press (x11/). The
// matching of the two to the window's event is PressStampMatcher's; the stamp that comes back
// says which source it is.

#include <QString>
#include <cstdint>

class QInputEvent;

namespace brevane {

// What a press stamp was taken from (the trace records it).
enum class PressSource { Handler, Server, Raw, Kernel };
const char* pressSourceName(PressSource source);

struct PressStamp {
    std::int64_t ns = 0;
    PressSource source = PressSource::Handler;
    friend bool operator==(const PressStamp&, const PressStamp&) = default;
};

// Stamps presses for the window in front. listen() is counted: the windows that stamp presses call
// it as they are shown (true) and hidden (false), and the input threads run while any listens, so
// that they serve the window in front rather than every window woken by every press.
class PressStamper {
public:
    virtual ~PressStamper() = default;
    virtual void listen(bool on) = 0;
    // The best stamp of the press `event` that a handler stamped at `handlerNs`.
    virtual PressStamp stamp(std::int64_t handlerNs, const QInputEvent& event) const = 0;
    // Where the presses' stamps come from now, in the timing check's words.
    virtual QString sourceName() const = 0;
};

} // namespace brevane
