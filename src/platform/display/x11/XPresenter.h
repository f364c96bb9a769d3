#pragma once
#include "platform/display/DisplayStamps.h"
#include "platform/display/PresentRetry.h"
#include "platform/display/Presentation.h"
#include "platform/display/x11/XFrameSync.h"
#include "platform/services/Clock.h"

#include <cstdint>
#include <string>

#include <QPoint>

class QImage;
class QWidget;
struct xcb_connection_t;
struct xcb_special_event;

namespace brevane {

// Puts a widget's new look on an X server's screen at the display's next refresh and stamps it
// with the time it was shown. The widget is rendered, at the screen's own pixels, into a pixmap of the
// server's, which the Present extension copies onto the window's X window at the refresh; its
// PresentCompleteNotify carries the time (UST, microseconds of CLOCK_MONOTONIC) and the frame
// counter (MSC). The call returns once the frame is shown, so nothing the toolkit draws later can
// come first.
//
// Where a compositing manager shows the window, the copy only reaches the window's off-screen
// buffer, and the compositor paints it at a frame of its own: the presenter then reads the
// screen's pixel at the widget's middle until it changes (ScreenReadback) and stamps that, put
// on the refresh it reached the glass at. A compositor that reports its frames (XFrameSync) is
// told where the frame begins and ends, and its presentation time, where it knows one, is the
// stamp; the readback stays where it does not. Where it cannot tell (XWayland, a pixel the compositor
// never showed), the stamp is Present's and marked estimated. Every stamp adds the scan-out time
// to the widget's top line (ScanOut.h), kept apart in its trace.
//
// Where Present is missing (not an X session, an old server) the widget is repainted and
// stamped at the hand-over (presentNow); where it fails for a frame (not completed in time,
// skipped, refused), the same, marked as a fallback, and Present is tried again after a pause
// (PresentRetry).
class XPresenter {
public:
    explicit XPresenter(const Clock& clock);
    ~XPresenter();
    XPresenter(const XPresenter&) = delete;
    XPresenter& operator=(const XPresenter&) = delete;

    Presentation present(QWidget* area);
    // Why the last frame was not presented through Present; empty when it was, or before the first.
    const std::string& fallbackReason() const { return reason_; }

private:
    bool attach(QWidget* top);
    void detach();
    bool presentPixmap(QWidget* area, Presentation& shown);
    bool awaitCompletion(std::uint32_t serial, std::int64_t deadlineNs, Presentation& shown);
    struct Spot;
    Spot locate(QPoint atPixels, const QImage& image) const;
    bool readsBack() const;
    void placeOnScreen(const Spot& spot, Presentation& shown);
    void takeFrameTimings(Presentation& shown);
    Presentation fallBack(QWidget* area, bool presentFailed);

    const Clock& clock_;
    PresentRetry retry_;
    DisplayFacts facts_;
    xcb_connection_t* c_ = nullptr;
    xcb_special_event* events_ = nullptr;
    std::uint32_t window_ = 0, root_ = 0, eventId_ = 0, gc_ = 0, serial_ = 0;
    std::uint8_t depth_ = 0;
    bool warned_ = false;
    std::string reason_;
    XFrameSync frameSync_;
};

} // namespace brevane
