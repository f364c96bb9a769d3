#include "platform/input/x11/XConnectionPresses.h"

#include <QCoreApplication>
#include <xcb/xcb.h>

namespace brevane {

XConnectionPressSource::~XConnectionPressSource()
{
    if (sink_ && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool XConnectionPressSource::start(Sink sink, std::string&)
{
    sink_ = std::move(sink);
    QCoreApplication::instance()->installNativeEventFilter(this);
    return true;
}

bool XConnectionPressSource::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) == XCB_BUTTON_PRESS) {
        const std::int64_t now = clock_.nowNs();
        const auto* press = static_cast<const xcb_button_press_event_t*>(message);
        sink_({press->time, now, {}, 0, press->detail}); // no device: never matched to the kernel
    }
    return false;
}

} // namespace brevane
