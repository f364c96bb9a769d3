#pragma once
#include "platform/display/Presentation.h"
#include "platform/services/Clock.h"

#include <memory>
#include <string>

class QWidget;

namespace brevane {

// Puts a widget's new look on the screen of a Wayland compositor and stamps it with the
// compositor's presentation feedback (wp_presentation) for the very commit that carried it: the
// feedback is asked for, the toolkit repaints and commits the window at once, and the call waits
// for the "presented" or "discarded" event, which come to a queue of our own so the toolkit's
// queue is untouched. WaylandFeedback.h says what the events make of the stamp. A discarded
// feedback, or none in time, leaves the hand-over as the stamp, marked; the next stimulus asks
// again. The first stamp that is only the compositor's estimate is said on standard error.
class WaylandPresenter {
public:
    explicit WaylandPresenter(const Clock& clock);
    ~WaylandPresenter();
    WaylandPresenter(const WaylandPresenter&) = delete;
    WaylandPresenter& operator=(const WaylandPresenter&) = delete;

    // Whether the toolkit runs on Wayland and its compositor offers presentation feedback. The
    // first call binds it.
    bool available();
    Presentation present(QWidget* area);
    // Why the last stimulus has no feedback stamp; empty when it had one.
    const std::string& fallbackReason() const { return reason_; }

    struct Connection; // the compositor's objects on our queue (WaylandPresenter.cpp)

private:
    bool waitFor(const bool& done, std::int64_t deadlineNs);

    const Clock& clock_;
    std::unique_ptr<Connection> c_;
    bool tried_ = false;
    bool toldEstimated_ = false;
    std::string reason_;
};

} // namespace brevane
