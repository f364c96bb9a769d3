#include "platform/input/DevicePressStamper.h"
#include "platform/input/evdev/EvdevPresses.h"
#include "platform/input/x11/XConnectionPresses.h"
#include "platform/input/x11/XInputPressThread.h"

#include <QGuiApplication>
#include <QInputEvent>
#include <QMouseEvent>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <ctime>
#include <mutex>

namespace brevane {

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

// The X button of a mouse event as Qt's X platform numbers them: 1 to 3, then the back and
// forward buttons and the rest from 8 on (4 to 7 are the wheel); 0: not a mouse button.
unsigned xButton(const QInputEvent& event)
{
    if (event.type() != QEvent::MouseButtonPress && event.type() != QEvent::MouseButtonDblClick)
        return 0;
    const unsigned bits = static_cast<const QMouseEvent&>(event).button();
    switch (bits) {
    case Qt::LeftButton:
        return 1;
    case Qt::MiddleButton:
        return 2;
    case Qt::RightButton:
        return 3;
    default:
        return bits >= Qt::BackButton ? unsigned(std::countr_zero(bits)) + 5 : 0;
    }
}

} // namespace

DevicePressStamper::DevicePressStamper(const Clock& clock)
    : clock_(clock)
    , matcher_(serverClockSlackNs())
    , onX_(QGuiApplication::platformName() == QLatin1String("xcb"))
{
    if (!onX_)
        describeSources();
}

void DevicePressStamper::fallBack()
{
    if (onX_ && !connection_) {
        connection_ = std::make_unique<XConnectionPressSource>(clock_);
        matcher_.attach(*connection_);
    }
}

void DevicePressStamper::describeSources() const
{
    const std::string x = thread_       ? std::string("the XInput 2 input thread")
                          : connection_ ? "the X connection (" + matcher_.fallbackReason() + ")"
                                        : std::string("the window's event handler (not on an X server)");
    std::string sources = kernel_              ? "the kernel (" + kernel_->devices() + "), else by " + x
                          : kernelWhy_.empty() ? x
                                               : x + "; not by the kernel: " + kernelWhy_;
    if (onX_)
        sources += matcher_.serverClock().confirmed() ? "; bounded by the X server's time (its clock is the program's)"
                   : matcher_.serverClock().bounds()  ? "; bounded by the X server's time where within a second"
                                                      : "; the X server's clock is another: its time bounds no press";
    static std::once_flag told;
    std::call_once(told, [&sources] { std::fprintf(stderr, "brevane: presses are stamped by %s\n", sources.c_str()); });
}

void DevicePressStamper::listen(bool on)
{
    listeners_ = std::max(0, listeners_ + (on ? 1 : -1));
    if (listeners_ == 0) {
        kernel_.reset();
        thread_.reset();
        return;
    }
    if (!onX_ || thread_ || kernel_)
        return; // running, or no X time to match presses by
    // The devices are looked for at every start: a mouse plugged in meanwhile is read too.
    kernel_ = std::make_unique<EvdevPressThread>();
    if (!matcher_.attach(*kernel_, kernelWhy_))
        kernel_.reset();
    if (!connection_) {
        thread_ = std::make_unique<XInputPressThread>(clock_);
        if (!matcher_.attach(*thread_)) {
            thread_.reset();
            fallBack();
        }
    }
    describeSources();
}

DevicePressStamper::~DevicePressStamper()
{
    kernel_.reset();
    thread_.reset();
    connection_.reset();
}

PressStamp DevicePressStamper::stamp(std::int64_t handlerNs, const QInputEvent& event) const
{
    if (!onX_)
        return {handlerNs, PressSource::Handler}; // no X server time to go by
    return matcher_.stamp(handlerNs, static_cast<std::uint32_t>(event.timestamp()), xButton(event));
}

QString DevicePressStamper::sourceName() const
{
    QString x = thread_       ? QStringLiteral("XInput2 raw")
                : connection_ ? QStringLiteral("X connection")
                              : QStringLiteral("toolkit event");
    if (!kernel_)
        return x;
    return QStringLiteral("kernel evdev for %1; %2 for any other device")
        .arg(QString::fromStdString(kernel_->devices()), x);
}

} // namespace brevane
