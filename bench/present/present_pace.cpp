// How an X server paces its refreshes as the Present extension reports them: a small window is
// presented a new pixmap for every frame (the next one after the last completion), and each
// PresentCompleteNotify's frame counter (MSC) and time (UST, microseconds of CLOCK_MONOTONIC)
// are read. Prints the refresh interval fitted over all frames, how far each completion lies
// from that grid, and how long the event took to reach this client.
//
//   build/bench/present_pace [frames]      (DISPLAY must name the server; default 300 frames)
#include <xcb/present.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

long long nowUs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000000LL + t.tv_nsec / 1000;
}

struct Frame {
    double msc, ust, receivedUs;
};

} // namespace

int main(int argc, char** argv)
{
    const int frames = argc > 1 ? std::atoi(argv[1]) : 300;
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return std::fprintf(stderr, "present_pace: no X server\n"), 1;
    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &xcb_present_id);
    if (!ext || !ext->present)
        return std::fprintf(stderr, "present_pace: the X server has no Present extension\n"), 1;
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t window = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 64, 64, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      screen->root_visual, 0, nullptr);
    xcb_map_window(c, window);
    const std::uint32_t eventId = xcb_generate_id(c);
    xcb_present_select_input(c, eventId, window, XCB_PRESENT_EVENT_MASK_COMPLETE_NOTIFY);
    xcb_special_event_t* events = xcb_register_for_special_xge(c, &xcb_present_id, eventId, nullptr);
    const xcb_gcontext_t gc = xcb_generate_id(c);
    xcb_create_gc(c, gc, window, 0, nullptr);

    std::vector<Frame> seen;
    std::uint64_t next = 0;
    for (int i = 0; i < frames + 1; ++i) {
        const xcb_pixmap_t pixmap = xcb_generate_id(c);
        xcb_create_pixmap(c, screen->root_depth, pixmap, window, 64, 64);
        const std::uint32_t colour = (i & 1) ? 0xc00000 : 0xffffff;
        xcb_change_gc(c, gc, XCB_GC_FOREGROUND, &colour);
        const xcb_rectangle_t all{0, 0, 64, 64};
        xcb_poly_fill_rectangle(c, pixmap, gc, 1, &all);
        xcb_present_pixmap(c, window, pixmap, std::uint32_t(i), 0, 0, 0, 0, 0, 0, 0, XCB_PRESENT_OPTION_NONE, next, 0,
                           0, 0, nullptr);
        xcb_free_pixmap(c, pixmap);
        xcb_flush(c);
        for (;;) {
            xcb_generic_event_t* event = xcb_wait_for_special_event(c, events);
            if (!event)
                return std::fprintf(stderr, "present_pace: connection lost\n"), 1;
            const auto* done = reinterpret_cast<const xcb_present_complete_notify_event_t*>(event);
            const bool ours = done->event_type == XCB_PRESENT_COMPLETE_NOTIFY && done->serial == std::uint32_t(i);
            if (ours) {
                if (i > 0) // the first only finds the grid
                    seen.push_back({double(done->msc), double(done->ust), double(nowUs())});
                next = done->msc + 1;
            }
            std::free(event);
            if (ours)
                break;
        }
    }
    // Least squares of UST on MSC; then every completion against that grid.
    double n = double(seen.size()), sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (const Frame& f : seen) {
        const double x = f.msc - seen[0].msc, y = f.ust - seen[0].ust;
        sx += x, sy += y, sxx += x * x, sxy += x * y;
    }
    const double slope = (n * sxy - sx * sy) / (n * sxx - sx * sx), intercept = (sy - slope * sx) / n;
    std::vector<double> off, late;
    int skipped = 0;
    for (std::size_t i = 0; i < seen.size(); ++i) {
        off.push_back(seen[i].ust - seen[0].ust - (intercept + slope * (seen[i].msc - seen[0].msc)));
        late.push_back(seen[i].receivedUs - seen[i].ust);
        skipped += i > 0 && seen[i].msc - seen[i - 1].msc > 1 ? 1 : 0;
    }
    const double earliest = *std::min_element(off.begin(), off.end());
    double sum = 0, sq = 0;
    for (double& o : off) {
        o -= earliest;
        sum += o;
    }
    const double mean = sum / n;
    for (double o : off)
        sq += (o - mean) * (o - mean);
    std::sort(off.begin(), off.end());
    std::sort(late.begin(), late.end());
    std::printf("%zu frames presented one per refresh (%d came a frame or more late)\n"
                "refresh interval (UST on MSC, least squares): %.3f us = %.4f Hz\n"
                "completion after the grid's earliest (us): mean %.0f, sd %.0f, median %.0f, 99th %.0f, max %.0f\n"
                "event received after its UST (us): median %.0f, max %.0f\n",
                seen.size(), skipped, slope, 1e6 / slope, mean, std::sqrt(sq / (n - 1)), off[off.size() / 2],
                off[std::size_t(0.99 * double(off.size() - 1))], off.back(), late[late.size() / 2], late.back());
    xcb_disconnect(c);
    return 0;
}
