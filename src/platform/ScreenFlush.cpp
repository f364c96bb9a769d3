#include "platform/ScreenFlush.h"

#include <QGuiApplication>
#include <QWidget>
#include <xcb/xcb.h>

namespace reflex {

void presentNow(QWidget* widget)
{
    widget->repaint();
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return; // offscreen and other platforms: the repaint is all there is
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c)
        return;
    // Requests are handled in order, so once this reply is back the image is on screen.
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

} // namespace reflex
