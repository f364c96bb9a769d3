#include "platform/XPressStamper.h"
#include "platform/XInputPressThread.h"

#include <QGuiApplication>
#include <QInputEvent>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <mutex>

namespace reflex {

namespace {

// The server uses the coarse clock when its resolution is a millisecond or finer.
std::int64_t serverClockSlackNs()
{
    timespec res{};
    if (clock_getres(CLOCK_MONOTONIC_COARSE, &res) != 0)
        return 0;
    const std::int64_t ns = std::int64_t(res.tv_sec) * 1'000'000'000 + res.tv_nsec;
    return ns <= 1'000'000 ? ns : 0;
}

} // namespace

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
        sink_(static_cast<const xcb_button_press_event_t*>(message)->time, now);
    }
    return false;
}

XPressStamper::XPressStamper(const Clock& clock)
    : clock_(clock)
    , matcher_(serverClockSlackNs())
    , onX_(QGuiApplication::platformName() == QLatin1String("xcb"))
{
    if (!onX_)
        fallBack();
}

void XPressStamper::fallBack()
{
    static std::once_flag told;
    std::call_once(told, [this] {
        std::fprintf(stderr, "reflex: presses are stamped by the window's event handler (%s)\n",
                     onX_ ? matcher_.fallbackReason().c_str() : "not on an X server");
    });
    if (onX_ && !connection_) {
        connection_ = std::make_unique<XConnectionPressSource>(clock_);
        matcher_.attach(*connection_);
    }
}

void XPressStamper::listen(bool on)
{
    if (!on) {
        thread_.reset();
        return;
    }
    if (!onX_ || thread_ || connection_)
        return; // running, or it could not run before
    thread_ = std::make_unique<XInputPressThread>(clock_);
    if (!matcher_.attach(*thread_)) {
        thread_.reset();
        fallBack();
    }
}

XPressStamper::~XPressStamper()
{
    thread_.reset();
    connection_.reset();
}

std::int64_t XPressStamper::stamp(std::int64_t handlerNs, const QInputEvent& event) const
{
    if (!onX_)
        return handlerNs; // no X server time to go by
    return matcher_.stamp(handlerNs, static_cast<std::uint32_t>(event.timestamp()));
}

QString XPressStamper::sourceName() const
{
    if (thread_)
        return QStringLiteral("XInput2 raw");
    return connection_ ? QStringLiteral("X connection") : QStringLiteral("toolkit event");
}

} // namespace reflex
