#pragma once
#include "platform/Clock.h"
#include "platform/Presentation.h"

#include <cstdint>
#include <string>

class QWidget;
struct xcb_connection_t;
struct xcb_special_event;

namespace brevane {

// Puts a widget's new look on the screen at the display's next refresh and stamps it with the
// X server's time of that refresh. The widget is rendered into a pixmap of the server's, which
// the Present extension copies onto the window's own X window at the refresh; its
// PresentCompleteNotify carries the time (UST, microseconds of CLOCK_MONOTONIC) and the frame
// counter (MSC). The call returns once that event is in, so nothing the toolkit draws later can
// come first. Where Present is missing (another platform, an old server), fails, or stamps on
// another clock, the widget is repainted and stamped at the hand-over as before (presentNow),
// and Present is not tried again on that window.
class FramePresenter {
public:
    explicit FramePresenter(const Clock& clock);
    ~FramePresenter();
    FramePresenter(const FramePresenter&) = delete;
    FramePresenter& operator=(const FramePresenter&) = delete;

    Presentation present(QWidget* area);
    // Why the window is not presented through Present; empty while it is, or before the first.
    const std::string& fallbackReason() const { return reason_; }

private:
    bool attach(QWidget* top);
    void detach();
    bool presentPixmap(QWidget* area, Presentation& shown);
    Presentation fallBack(QWidget* area, const char* reason);

    const Clock& clock_;
    xcb_connection_t* c_ = nullptr;
    xcb_special_event* events_ = nullptr;
    std::uint32_t window_ = 0, eventId_ = 0, gc_ = 0, serial_ = 0;
    std::uint8_t depth_ = 0;
    bool gaveUp_ = false;
    std::string reason_;
};

} // namespace brevane
