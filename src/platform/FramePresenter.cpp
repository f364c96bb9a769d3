#include "platform/FramePresenter.h"
#include "platform/ScreenFlush.h"

#include <QGuiApplication>
#include <QImage>
#include <QWidget>
#include <xcb/present.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>

namespace brevane {

namespace {

// Longer than a few refreshes of the slowest display: a server that has not completed the
// presentation by then is not going to, and the window goes back to the plain repaint.
constexpr std::int64_t kCompletionTimeoutNs = 150'000'000;
// A completion time further than this from our clock is not on CLOCK_MONOTONIC (a remote server).
constexpr std::int64_t kSameClockNs = 1'000'000'000;

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter>;

xcb_connection_t* xConnection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// The window's pixels must be what QImage::Format_RGB32 holds, byte for byte: 32 bits a pixel,
// least significant byte first, red green blue in the usual masks.
bool takesRgb32(xcb_connection_t* c, std::uint8_t depth, xcb_visualid_t visual)
{
    const xcb_setup_t* setup = xcb_get_setup(c);
    if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST || (depth != 24 && depth != 32))
        return false;
    bool bpp32 = false;
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f))
        bpp32 = bpp32 || (f.data->depth == depth && f.data->bits_per_pixel == 32);
    if (!bpp32)
        return false;
    for (auto s = xcb_setup_roots_iterator(setup); s.rem; xcb_screen_next(&s))
        for (auto d = xcb_screen_allowed_depths_iterator(s.data); d.rem; xcb_depth_next(&d))
            for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v))
                if (v.data->visual_id == visual)
                    return v.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR && v.data->red_mask == 0xff0000 &&
                           v.data->green_mask == 0x00ff00 && v.data->blue_mask == 0x0000ff;
    return false;
}

} // namespace

FramePresenter::FramePresenter(const Clock& clock)
    : clock_(clock)
{
}

FramePresenter::~FramePresenter()
{
    detach();
}

void FramePresenter::detach()
{
    if (!c_)
        return;
    if (events_)
        xcb_unregister_for_special_event(c_, events_);
    if (gc_)
        xcb_free_gc(c_, gc_);
    // The window may be gone already; the server then ignores the deselection.
    xcb_present_select_input(c_, eventId_, window_, 0);
    xcb_flush(c_);
    c_ = nullptr;
    events_ = nullptr;
    window_ = gc_ = eventId_ = 0;
}

bool FramePresenter::attach(QWidget* top)
{
    const auto window = std::uint32_t(top->winId());
    if (c_ && window == window_)
        return true;
    detach();
    xcb_connection_t* c = xConnection();
    if (!c) {
        reason_ = "not an X session";
        return false;
    }
    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &xcb_present_id);
    Reply<xcb_present_query_version_reply_t> version(
        ext && ext->present ? xcb_present_query_version_reply(c, xcb_present_query_version(c, 1, 0), nullptr)
                            : nullptr);
    if (!version) {
        reason_ = "the X server has no Present extension";
        return false;
    }
    Reply<xcb_get_geometry_reply_t> geometry(xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
    Reply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr));
    if (!geometry || !attributes || !takesRgb32(c, geometry->depth, attributes->visual)) {
        reason_ = "the window's pixel format is not 32-bit RGB";
        return false;
    }
    c_ = c;
    window_ = window;
    depth_ = geometry->depth;
    eventId_ = xcb_generate_id(c);
    xcb_present_select_input(c, eventId_, window, XCB_PRESENT_EVENT_MASK_COMPLETE_NOTIFY);
    // Our completion events go to a queue of their own: the toolkit never sees them.
    events_ = xcb_register_for_special_xge(c, &xcb_present_id, eventId_, nullptr);
    gc_ = xcb_generate_id(c);
    xcb_create_gc(c, gc_, window, 0, nullptr);
    return true;
}

Presentation FramePresenter::fallBack(QWidget* area, const char* reason)
{
    if (reason)
        reason_ = reason;
    gaveUp_ = true;
    detach();
    return presentNow(area, clock_);
}

Presentation FramePresenter::present(QWidget* area)
{
    QWidget* top = area->window();
    if (gaveUp_ || top->devicePixelRatioF() != 1.0 || !attach(top))
        return fallBack(area, top->devicePixelRatioF() != 1.0 ? "the window is scaled" : nullptr);
    Presentation shown;
    if (!presentPixmap(area, shown))
        return fallBack(area, nullptr);
    reason_.clear();
    // The toolkit still holds the old look; it repaints the widget as usual, to the same pixels.
    area->update();
    return shown;
}

bool FramePresenter::presentPixmap(QWidget* area, Presentation& shown)
{
    QWidget* top = area->window();
    const QPoint at = area->mapTo(top, QPoint(0, 0));
    QImage image(area->size(), QImage::Format_RGB32);
    top->render(&image, QPoint(), QRegion(QRect(at, area->size())),
                QWidget::DrawWindowBackground | QWidget::DrawChildren);

    const auto pixmap = xcb_generate_id(c_);
    xcb_create_pixmap(c_, depth_, pixmap, window_, std::uint16_t(image.width()), std::uint16_t(image.height()));
    // In bands, each within the largest request the server takes.
    const std::size_t line = std::size_t(image.bytesPerLine());
    const std::size_t maxBytes = std::size_t(xcb_get_maximum_request_length(c_)) * 4 - 64;
    const int band = std::max(1, int(maxBytes / line));
    for (int y = 0; y < image.height(); y += band) {
        const int rows = std::min(band, image.height() - y);
        xcb_put_image(c_, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, gc_, std::uint16_t(image.width()), std::uint16_t(rows), 0,
                      std::int16_t(y), 0, depth_, std::uint32_t(line * std::size_t(rows)), image.constScanLine(y));
    }
    const std::uint32_t serial = ++serial_;
    // Target frame 0 without the asynchronous option: the next refresh.
    const xcb_void_cookie_t request =
        xcb_present_pixmap_checked(c_, window_, pixmap, serial, 0, 0, std::int16_t(at.x()), std::int16_t(at.y()), 0, 0,
                                   0, XCB_PRESENT_OPTION_NONE, 0, 0, 0, 0, nullptr);
    xcb_free_pixmap(c_, pixmap); // the server keeps it until the copy is done
    xcb_flush(c_);
    shown.handedNs = clock_.nowNs();
    if (Reply<xcb_generic_error_t> error{xcb_request_check(c_, request)}) {
        reason_ = "the X server refused the presentation";
        return false;
    }
    shown.confirmedNs = clock_.nowNs();

    const std::int64_t deadline = shown.handedNs + kCompletionTimeoutNs;
    for (;;) {
        // The toolkit's reader thread takes the event off the connection and queues it for us.
        if (Reply<xcb_generic_event_t> event{xcb_poll_for_special_event(c_, events_)}) {
            const auto* done = reinterpret_cast<const xcb_present_complete_notify_event_t*>(event.get());
            if (done->event_type != XCB_PRESENT_COMPLETE_NOTIFY || done->kind != XCB_PRESENT_COMPLETE_KIND_PIXMAP ||
                done->serial != serial)
                continue; // one left over from a presentation given up on
            if (done->mode == XCB_PRESENT_COMPLETE_MODE_SKIP) {
                reason_ = "the X server skipped the frame";
                return false;
            }
            const std::int64_t ust = std::int64_t(done->ust) * 1000;
            if (std::llabs(ust - clock_.nowNs()) > kSameClockNs) {
                reason_ = "the X server's frame times are not on this machine's monotonic clock";
                return false;
            }
            shown.presentedNs = ust;
            shown.msc = done->msc;
            return true;
        }
        if (clock_.nowNs() > deadline) {
            reason_ = "the X server did not complete the presentation";
            return false;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
}

} // namespace brevane
