#include "platform/display/x11/ScreenFlush.h"
#include "platform/display/x11/XDisplay.h"

#include <QWidget>
#include <xcb/xcb.h>

#include <cstdlib>

namespace brevane {

Presentation presentNow(QWidget* widget, const Clock& clock)
{
    widget->repaint(); // ends with the new pixels written to the server
    Presentation shown;
    xcb_connection_t* c = xConnection();
    if (!c)
        return shown;
    shown.handedNs = clock.nowNs();
    // Requests are handled in order, so once this reply is back the image is on screen.
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    shown.confirmedNs = clock.nowNs();
    return shown;
}

} // namespace brevane
