#include "platform/InputStamp.h"

#include <QGuiApplication>
#include <QInputEvent>
#include <xcb/xcb.h>

#include <algorithm>
#include <ctime>

namespace reflex {

std::int64_t refinePressStamp(std::int64_t handlerNs, std::uint32_t serverMs, std::int64_t slackNs)
{
    constexpr std::int64_t kMs = 1'000'000;
    const std::int64_t handlerMs = handlerNs / kMs;
    const std::uint32_t behind = static_cast<std::uint32_t>(handlerMs) - serverMs;
    if (behind > 1000)
        return handlerNs;
    const std::int64_t serverEndNs = (handlerMs - behind + 1) * kMs + slackNs;
    return std::min(handlerNs, serverEndNs);
}

namespace {

// The server uses the coarse clock when its resolution is a millisecond or finer.
std::int64_t serverClockSlackNs()
{
    static const std::int64_t slack = [] {
        timespec res{};
        if (clock_getres(CLOCK_MONOTONIC_COARSE, &res) != 0)
            return std::int64_t(0);
        const std::int64_t ns = std::int64_t(res.tv_sec) * 1'000'000'000 + res.tv_nsec;
        return ns <= 1'000'000 ? ns : std::int64_t(0);
    }();
    return slack;
}

} // namespace

XPressStamper::XPressStamper(const Clock& clock)
    : clock_(clock)
{
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        QCoreApplication::instance()->installNativeEventFilter(this);
        installed_ = true;
    }
}

XPressStamper::~XPressStamper()
{
    if (installed_ && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool XPressStamper::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) == XCB_BUTTON_PRESS) {
        const std::int64_t now = clock_.nowNs();
        const auto* press = static_cast<const xcb_button_press_event_t*>(message);
        seen_[next_++ % seen_.size()] = {press->time, now};
    }
    return false;
}

std::int64_t XPressStamper::stamp(std::int64_t handlerNs, const QInputEvent& event) const
{
    if (!installed_)
        return handlerNs;
    const auto serverMs = static_cast<std::uint32_t>(event.timestamp());
    std::int64_t best = handlerNs;
    for (const Seen& s : seen_) {
        if (s.ns != 0 && s.serverMs == serverMs)
            best = std::min(best, s.ns);
    }
    return refinePressStamp(best, serverMs, serverClockSlackNs());
}

} // namespace reflex
