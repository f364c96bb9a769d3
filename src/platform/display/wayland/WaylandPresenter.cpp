#include "platform/display/wayland/WaylandPresenter.h"
#include "platform/display/DisplayStamps.h"
#include "platform/display/wayland/WaylandFeedback.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
// No public Qt API gives a window's wl_surface: Qt 6.8 has it only as the private
// QNativeInterface::Private::QWaylandWindow. Its platform native interface, a private header of
// every Qt 6, gives it by name; the package depends on the very Qt it was built with.
#include <qpa/qplatformnativeinterface.h>

#include <cstdio>
#include <cstring>
#include <poll.h>
#include <presentation-time-client.h>
#include <wayland-client.h>

namespace brevane {

namespace {

// As long as the X path waits for its completion: a few refreshes of the slowest display.
constexpr std::int64_t kFeedbackTimeoutNs = 150'000'000;
// The longest a wait sleeps before it looks at the clock again.
constexpr int kPollSliceMs = 5;

struct Pending {
    bool done = false;
    bool presented = false;
    PresentedEvent event;
};

void onSyncOutput(void*, struct wp_presentation_feedback*, wl_output*)
{
}

void onPresented(void* data, struct wp_presentation_feedback*, std::uint32_t secHi, std::uint32_t secLo,
                 std::uint32_t nsec, std::uint32_t refresh, std::uint32_t seqHi, std::uint32_t seqLo,
                 std::uint32_t flags)
{
    auto* pending = static_cast<Pending*>(data);
    pending->event = {(std::uint64_t(secHi) << 32) | secLo, nsec, refresh, (std::uint64_t(seqHi) << 32) | seqLo, flags};
    pending->presented = pending->done = true;
}

void onDiscarded(void* data, struct wp_presentation_feedback*)
{
    static_cast<Pending*>(data)->done = true;
}

const wp_presentation_feedback_listener kFeedbackListener{onSyncOutput, onPresented, onDiscarded};

QPlatformNativeInterface* nativeInterface()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"))
               ? QGuiApplication::platformNativeInterface()
               : nullptr;
}

// The toolkit's connection to the compositor: public from Qt 6.5 on (QWaylandApplication); Qt 6.4
// has no public way to it, so there it comes from the platform native interface too.
wl_display* toolkitDisplay()
{
#if BREVANE_QT_WAYLAND_APPLICATION
    auto* wayland = qGuiApp->nativeInterface<QNativeInterface::QWaylandApplication>();
    return wayland ? wayland->display() : nullptr;
#else
    QPlatformNativeInterface* native = nativeInterface();
    return native ? static_cast<wl_display*>(native->nativeResourceForIntegration(QByteArrayLiteral("wl_display")))
                  : nullptr;
#endif
}

} // namespace

// The compositor's presentation global, bound through a wrapper of the toolkit's display whose
// objects all report to our own queue.
struct WaylandPresenter::Connection {
    wl_display* display = nullptr;
    wl_event_queue* queue = nullptr;
    wl_display* wrapper = nullptr;
    wl_registry* registry = nullptr;
    wp_presentation* presentation = nullptr;
    clockid_t clock = CLOCK_MONOTONIC;
    ClockLink link;

    ~Connection()
    {
        if (presentation)
            wp_presentation_destroy(presentation);
        if (registry)
            wl_registry_destroy(registry);
        if (wrapper)
            wl_proxy_wrapper_destroy(wrapper);
        if (queue)
            wl_event_queue_destroy(queue);
        if (display)
            wl_display_flush(display);
    }
};

namespace {

void onGlobal(void* data, wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t)
{
    auto* c = static_cast<WaylandPresenter::Connection*>(data);
    if (!c->presentation && std::strcmp(interface, wp_presentation_interface.name) == 0)
        c->presentation =
            static_cast<wp_presentation*>(wl_registry_bind(registry, name, &wp_presentation_interface, 1));
}

void onGlobalRemove(void*, wl_registry*, std::uint32_t)
{
}

const wl_registry_listener kRegistryListener{onGlobal, onGlobalRemove};

void onClockId(void* data, wp_presentation*, std::uint32_t clock)
{
    static_cast<WaylandPresenter::Connection*>(data)->clock = clockid_t(clock);
}

const wp_presentation_listener kPresentationListener{onClockId};

void onSyncDone(void* data, wl_callback*, std::uint32_t)
{
    *static_cast<bool*>(data) = true;
}

const wl_callback_listener kSyncListener{onSyncDone};

} // namespace

WaylandPresenter::WaylandPresenter(const Clock& clock)
    : clock_(clock)
{
}

WaylandPresenter::~WaylandPresenter() = default;

bool WaylandPresenter::available()
{
    if (tried_)
        return c_ != nullptr;
    tried_ = true;
    wl_display* display = toolkitDisplay();
    if (!display)
        return false;
    auto c = std::make_unique<Connection>();
    c->display = display;
    c->queue = wl_display_create_queue(display);
    c->wrapper = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(c->wrapper), c->queue);
    c->registry = wl_display_get_registry(c->wrapper);
    wl_registry_add_listener(c->registry, &kRegistryListener, c.get());
    // The globals, then the presentation's clock_id, which it sends as it is bound.
    if (wl_display_roundtrip_queue(display, c->queue) < 0 || !c->presentation)
        return false;
    wp_presentation_add_listener(c->presentation, &kPresentationListener, c.get());
    if (wl_display_roundtrip_queue(display, c->queue) < 0)
        return false;
    c->link = linkClock(c->clock);
    c_ = std::move(c);
    return true;
}

bool WaylandPresenter::waitFor(const bool& done, std::int64_t deadlineNs)
{
    // Reading is shared with the toolkit's own reader: whoever reads, the events of our queue stay
    // on it until we dispatch them.
    wl_display* display = c_->display;
    while (!done) {
        if (wl_display_prepare_read_queue(display, c_->queue) != 0) {
            wl_display_dispatch_queue_pending(display, c_->queue);
            continue;
        }
        wl_display_flush(display);
        const std::int64_t left = deadlineNs - clock_.nowNs();
        if (left <= 0) {
            wl_display_cancel_read(display);
            return false;
        }
        pollfd ready{wl_display_get_fd(display), POLLIN, 0};
        if (poll(&ready, 1, int(std::min<std::int64_t>(left / 1'000'000 + 1, kPollSliceMs))) > 0) {
            if (wl_display_read_events(display) < 0)
                return false;
        } else {
            wl_display_cancel_read(display);
        }
        if (wl_display_dispatch_queue_pending(display, c_->queue) < 0)
            return false;
    }
    return true;
}

Presentation WaylandPresenter::present(QWidget* area)
{
    Presentation shown;
    QWindow* window = area->window()->windowHandle();
    auto* surface =
        window && available()
            ? static_cast<wl_surface*>(nativeInterface()->nativeResourceForWindow(QByteArrayLiteral("surface"), window))
            : nullptr;
    if (!surface) {
        reason_ = "the window has no Wayland surface";
        area->repaint();
        shown.handedNs = clock_.nowNs();
        takeFallback(shown);
        return shown;
    }
    // The feedback applies to the surface's next commit: the one the repaint ends with.
    Pending pending;
    struct wp_presentation_feedback* feedback = wp_presentation_feedback(c_->presentation, surface);
    wp_presentation_feedback_add_listener(feedback, &kFeedbackListener, &pending);
    area->repaint();
    bool confirmed = false;
    wl_callback* sync = wl_display_sync(c_->wrapper);
    wl_callback_add_listener(sync, &kSyncListener, &confirmed);
    wl_display_flush(c_->display);
    shown.handedNs = clock_.nowNs();
    // The compositor has the commit once the sync is answered: the hand-over, should no feedback come.
    if (waitFor(confirmed, shown.handedNs + kFeedbackTimeoutNs))
        shown.confirmedNs = clock_.nowNs();
    wl_callback_destroy(sync);
    if (!waitFor(pending.done, shown.handedNs + kFeedbackTimeoutNs)) {
        reason_ = "the compositor did not report the frame in time";
        takeFallback(shown);
    } else if (!pending.presented) {
        reason_ = "the compositor discarded the frame";
        takeFallback(shown);
    } else {
        reason_.clear();
        takePresented(shown, pending.event, c_->link);
        if (shown.presentedNs == 0)
            reason_ = "the compositor's clock cannot be read here";
        else if (!shown.exact && !toldEstimated_) {
            toldEstimated_ = true;
            std::fprintf(stderr, "brevane: %s\n",
                         qPrintable(QCoreApplication::translate("DisplayStamps", kCompositorEstimatesNotice)));
        }
        // A compositor does not tell a client where it put the window: Qt's place for it is right
        // for a full-screen or maximised window, the panel's row in the window otherwise.
        const QScreen* screen = window->screen();
        const qreal scale = screen->devicePixelRatio();
        const int top = area->mapToGlobal(QPoint(0, 0)).y() - screen->geometry().y();
        shown.scanOutNs = waylandScanOutNs(pending.event, int(screen->geometry().height() * scale), int(top * scale));
    }
    // A feedback given up on is dropped with its events, should they still come.
    wp_presentation_feedback_destroy(feedback);
    return shown;
}

} // namespace brevane
