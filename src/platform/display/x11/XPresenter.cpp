#include "platform/display/x11/XPresenter.h"
#include "platform/XcbReply.h"
#include "platform/display/x11/ScreenFlush.h"
#include "platform/display/x11/XDisplay.h"

#include <QImage>
#include <QWidget>
#include <xcb/present.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <thread>

namespace brevane {

namespace {

// Longer than a few refreshes of the slowest display: a server that has not completed the
// presentation by then is not going to soon, and the frame is repainted instead.
constexpr std::int64_t kCompletionTimeoutNs = 150'000'000;
// A compositor that waits for the refresh shows a frame one or two refreshes after its copy.
constexpr std::int64_t kReadbackTimeoutNs = 100'000'000;
// A completion time further than this from our clock is not on CLOCK_MONOTONIC (a remote server).
constexpr std::int64_t kSameClockNs = 1'000'000'000;
constexpr auto kPollPause = std::chrono::microseconds(200);

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

// Reads the screen's pixel until it is `expected`, from `sinceNs` (the frame's completion: no
// compositor can show it sooner) to `deadlineNs`. The change lies between the last reading that
// showed another pixel and the first that showed this one, each counted at the middle of its
// request and reply, as the benchmark's photodiode does: returns the middle of the two, or 0
// where the pixel did not change in time.
std::int64_t readBackChange(xcb_connection_t* c, const Clock& clock, std::uint32_t root, QPoint point,
                            std::uint32_t expected, std::int64_t sinceNs, std::int64_t deadlineNs)
{
    std::int64_t lastOther = sinceNs;
    for (;;) {
        const std::int64_t asked = clock.nowNs();
        const auto pixel = rootPixel(c, root, point.x(), point.y());
        const std::int64_t answered = clock.nowNs();
        if (!pixel)
            return 0;
        const std::int64_t at = asked + (answered - asked) / 2;
        if (*pixel == expected)
            return lastOther + (std::max(at, lastOther) - lastOther) / 2;
        lastOther = at;
        if (answered > deadlineNs)
            return 0;
        std::this_thread::sleep_for(kPollPause);
    }
}

} // namespace

// Where the frame lands on the screen (root coordinates), and the pixel its middle shows now and
// will show once the frame is on the screen.
struct XPresenter::Spot {
    QPoint topLeft, middle;
    std::uint32_t expected = 0;
    std::optional<std::uint32_t> before;
};

XPresenter::Spot XPresenter::locate(QPoint atPixels, const QImage& image) const
{
    Spot spot;
    XcbReply<xcb_translate_coordinates_reply_t> onRoot(xcb_translate_coordinates_reply(
        c_, xcb_translate_coordinates(c_, window_, root_, std::int16_t(atPixels.x()), std::int16_t(atPixels.y())),
        nullptr));
    if (onRoot)
        spot.topLeft = QPoint(onRoot->dst_x, onRoot->dst_y);
    const QPoint middle(image.width() / 2, image.height() / 2);
    spot.middle = spot.topLeft + middle;
    spot.expected = image.pixel(middle) & 0xffffff;
    if (readsBack())
        spot.before = rootPixel(c_, root_, spot.middle.x(), spot.middle.y());
    return spot;
}

bool XPresenter::readsBack() const
{
    return !facts_.compositor.isEmpty() && !facts_.xwayland;
}

XPresenter::XPresenter(const Clock& clock)
    : clock_(clock)
    , retry_(clock)
{
}

XPresenter::~XPresenter()
{
    detach();
}

void XPresenter::detach()
{
    if (!c_)
        return;
    frameSync_.detach();
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

bool XPresenter::attach(QWidget* top)
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
    facts_ = probeXDisplay();
    XcbReply<xcb_present_query_version_reply_t> version(
        facts_.present ? xcb_present_query_version_reply(c, xcb_present_query_version(c, 1, 0), nullptr) : nullptr);
    if (!version) {
        reason_ = "the X server has no Present extension";
        return false;
    }
    XcbReply<xcb_get_geometry_reply_t> geometry(xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
    XcbReply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr));
    if (!geometry || !attributes || !takesRgb32(c, geometry->depth, attributes->visual)) {
        reason_ = "the window's pixel format is not 32-bit RGB";
        return false;
    }
    c_ = c;
    window_ = window;
    root_ = geometry->root;
    depth_ = geometry->depth;
    eventId_ = xcb_generate_id(c);
    xcb_present_select_input(c, eventId_, window, XCB_PRESENT_EVENT_MASK_COMPLETE_NOTIFY);
    // Our completion events go to a queue of their own: the toolkit never sees them.
    events_ = xcb_register_for_special_xge(c, &xcb_present_id, eventId_, nullptr);
    gc_ = xcb_generate_id(c);
    xcb_create_gc(c, gc_, window, 0, nullptr);
    if (readsBack())
        frameSync_.attach(c, window, root_);
    return true;
}

Presentation XPresenter::fallBack(QWidget* area, bool presentFailed)
{
    detach();
    Presentation shown = presentNow(area, clock_);
    if (presentFailed)
        shown.flags |= StampFallback;
    return shown;
}

Presentation XPresenter::present(QWidget* area)
{
    if (!retry_.mayTry())
        return fallBack(area, !retry_.gaveUp());
    if (!attach(area->window())) {
        retry_.failed(true);
        return fallBack(area, false);
    }
    Presentation shown;
    if (!presentPixmap(area, shown)) {
        retry_.failed(false);
        return fallBack(area, true);
    }
    retry_.succeeded();
    reason_.clear();
    // The toolkit still holds the old look; it repaints the widget as usual, to the same pixels.
    area->update();
    return shown;
}

bool XPresenter::presentPixmap(QWidget* area, Presentation& shown)
{
    QWidget* top = area->window();
    // A scaled window's X window has the device's pixels: render at those.
    const qreal scale = top->devicePixelRatioF();
    const QPoint at = area->mapTo(top, QPoint(0, 0));
    const QPoint atPixels = (QPointF(at) * scale).toPoint();
    QImage image((QSizeF(area->size()) * scale).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
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
    const Spot spot = locate(atPixels, image);
    const std::uint32_t serial = ++serial_;
    // The frame begins before the copy and ends after it: the compositor shows none of it sooner,
    // and answers its end with the frame's times.
    if (frameSync_.attached())
        frameSync_.beginFrame();
    // Target frame 0 without the asynchronous option: the next refresh.
    const xcb_void_cookie_t request =
        xcb_present_pixmap_checked(c_, window_, pixmap, serial, 0, 0, std::int16_t(atPixels.x()),
                                   std::int16_t(atPixels.y()), 0, 0, 0, XCB_PRESENT_OPTION_NONE, 0, 0, 0, 0, nullptr);
    xcb_free_pixmap(c_, pixmap); // the server keeps it until the copy is done
    xcb_flush(c_);
    shown.handedNs = clock_.nowNs();
    if (XcbReply<xcb_generic_error_t> error{xcb_request_check(c_, request)}) {
        if (frameSync_.attached())
            frameSync_.endFrame();
        reason_ = "the X server refused the presentation";
        return false;
    }
    shown.confirmedNs = clock_.nowNs();
    const bool completed = awaitCompletion(serial, shown.handedNs + kCompletionTimeoutNs, shown);
    if (frameSync_.attached())
        frameSync_.endFrame();
    if (!completed)
        return false;
    placeOnScreen(spot, shown);
    return true;
}

bool XPresenter::awaitCompletion(std::uint32_t serial, std::int64_t deadlineNs, Presentation& shown)
{
    for (;;) {
        // The toolkit's reader thread takes the event off the connection and queues it for us.
        if (XcbReply<xcb_generic_event_t> event{xcb_poll_for_special_event(c_, events_)}) {
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
        if (clock_.nowNs() > deadlineNs) {
            reason_ = "the X server did not complete the presentation";
            return false;
        }
        std::this_thread::sleep_for(kPollPause);
    }
}

// Present's time is the pixel's where nothing composites the window. Under a compositor it is the
// copy to the window's buffer: the pixel is read back from the screen and its change put on the
// refresh it reached the glass at. The scan-out to the frame's top line comes on top.
void XPresenter::placeOnScreen(const Spot& spot, Presentation& shown)
{
    shown.presentedBy = StampSource::Present;
    shown.exact = !facts_.xwayland && facts_.compositor.isEmpty();
    const double periodNs = facts_.modeRateHz > 0 ? 1e9 / facts_.modeRateHz : 0;
    // A frame that changes nothing at the middle (the timing check's frames between two turns)
    // shows nothing to read back; it stays Present's, estimated, without a word.
    const bool changes = spot.before && *spot.before != spot.expected;
    if (readsBack() && changes) {
        const std::int64_t ust = shown.presentedNs;
        const std::int64_t changed =
            readBackChange(c_, clock_, root_, spot.middle, spot.expected, ust, clock_.nowNs() + kReadbackTimeoutNs);
        if (changed != 0) {
            shown.presentedNs = nextRefreshNs(changed, ust, std::llround(periodNs));
            shown.msc += periodNs > 0 ? std::uint64_t(std::llround(double(shown.presentedNs - ust) / periodNs)) : 0;
            shown.presentedBy = StampSource::Readback;
            shown.exact = true;
        }
    }
    takeFrameTimings(shown);
    if (readsBack() && (changes || !spot.before) && !shown.exact && !warned_) {
        warned_ = true;
        std::fprintf(stderr,
                     "brevane: %s shows the window and the screen could not be read back; times may be "
                     "one frame long: see the guide\n",
                     facts_.compositor.toLocal8Bit().constData());
    }
    shown.scanOutNs = scanOutDelayNs(facts_.monitors, spot.topLeft.x(), spot.topLeft.y());
}

// The compositor answers a frame's end once it has shown the frame: after the pixel, so the
// readback has its reading first. A presentation time it reports is the pixel's; where it knows
// none (it draws in software, as on a virtual screen) the readback's stamp stays.
void XPresenter::takeFrameTimings(Presentation& shown)
{
    FrameTime time;
    if (!frameSync_.attached() || !frameSync_.marked())
        return;
    if (!frameSync_.awaitTimings(clock_, clock_.nowNs() + kReadbackTimeoutNs, time)) {
        frameSync_.detach(); // a compositor that does not answer is not waited for again
        return;
    }
    if (time.presentedNs == 0 || std::llabs(time.drawnNs - clock_.nowNs()) > kSameClockNs)
        return;
    const std::int64_t ust = shown.presentedNs;
    shown.presentedNs = time.presentedNs;
    if (time.refreshNs > 0 && shown.presentedNs > ust)
        shown.msc += std::uint64_t((shown.presentedNs - ust + time.refreshNs / 2) / time.refreshNs);
    shown.presentedBy = StampSource::FrameTimings;
    shown.exact = true;
}

} // namespace brevane
