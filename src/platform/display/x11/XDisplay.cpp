#include "platform/display/x11/XDisplay.h"
#include "platform/XcbReply.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <xcb/present.h>
#include <xcb/randr.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace brevane {

namespace {

XcbReply<xcb_get_property_reply_t> property(xcb_connection_t* c, xcb_window_t window, xcb_atom_t name, xcb_atom_t type)
{
    return XcbReply<xcb_get_property_reply_t>(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, name, type, 0, 256), nullptr));
}

QString windowName(xcb_connection_t* c, xcb_window_t window)
{
    for (auto [name, type] : {std::pair{internAtom(c, "_NET_WM_NAME"), internAtom(c, "UTF8_STRING")},
                              std::pair{xcb_atom_t(XCB_ATOM_WM_NAME), xcb_atom_t(XCB_ATOM_STRING)}}) {
        const auto p = property(c, window, name, type);
        if (p && xcb_get_property_value_length(p.get()) > 0)
            return QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(p.get())),
                                     xcb_get_property_value_length(p.get()));
    }
    return {};
}

// The owner of _NET_WM_CM_S<screen> composites the screen. picom and xcompmgr name the window
// that holds the selection; a window manager that composites itself (mutter) names its check window.
QString compositorName(xcb_connection_t* c, int screen, xcb_window_t root)
{
    XcbReply<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
        c, xcb_get_selection_owner(c, internAtom(c, "_NET_WM_CM_S" + std::to_string(screen))), nullptr));
    if (!owner || owner->owner == XCB_NONE)
        return {};
    QString name = windowName(c, owner->owner);
    if (const auto check = property(c, root, internAtom(c, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW);
        name.isEmpty() && check && xcb_get_property_value_length(check.get()) >= 4)
        name = windowName(c, *static_cast<const xcb_window_t*>(xcb_get_property_value(check.get())));
    return name.isEmpty() ? QCoreApplication::translate("XDisplay", "a compositing manager") : name;
}

bool hasExtension(xcb_connection_t* c, const char* name)
{
    XcbReply<xcb_query_extension_reply_t> r(
        xcb_query_extension_reply(c, xcb_query_extension(c, std::uint16_t(std::strlen(name)), name), nullptr));
    return r && r->present;
}

// XWayland names its outputs XWAYLAND0, XWAYLAND1...; newer ones also have an extension of that name.
bool xwaylandOutputs(xcb_connection_t* c, const xcb_randr_get_screen_resources_current_reply_t* resources)
{
    const xcb_randr_output_t* outputs = xcb_randr_get_screen_resources_current_outputs(resources);
    for (int i = 0; i < xcb_randr_get_screen_resources_current_outputs_length(resources); ++i) {
        XcbReply<xcb_randr_get_output_info_reply_t> output(xcb_randr_get_output_info_reply(
            c, xcb_randr_get_output_info(c, outputs[i], resources->config_timestamp), nullptr));
        if (output && xcb_randr_get_output_info_name_length(output.get()) >= 8 &&
            std::memcmp(xcb_randr_get_output_info_name(output.get()), "XWAYLAND", 8) == 0)
            return true;
    }
    return false;
}

// Every lit monitor with its mode's line period; the first one's refresh rate.
void readMonitors(xcb_connection_t* c, xcb_window_t root, DisplayFacts& facts)
{
    std::free(xcb_randr_query_version_reply(c, xcb_randr_query_version(c, 1, 3), nullptr));
    XcbReply<xcb_randr_get_screen_resources_current_reply_t> resources(
        xcb_randr_get_screen_resources_current_reply(c, xcb_randr_get_screen_resources_current(c, root), nullptr));
    if (!resources)
        return;
    facts.xwayland = facts.xwayland || xwaylandOutputs(c, resources.get());
    const xcb_randr_mode_info_t* modes = xcb_randr_get_screen_resources_current_modes(resources.get());
    const int modeCount = xcb_randr_get_screen_resources_current_modes_length(resources.get());
    const xcb_randr_crtc_t* crtcs = xcb_randr_get_screen_resources_current_crtcs(resources.get());
    for (int i = 0; i < xcb_randr_get_screen_resources_current_crtcs_length(resources.get()); ++i) {
        XcbReply<xcb_randr_get_crtc_info_reply_t> crtc(xcb_randr_get_crtc_info_reply(
            c, xcb_randr_get_crtc_info(c, crtcs[i], resources->config_timestamp), nullptr));
        if (!crtc || crtc->mode == XCB_NONE)
            continue;
        for (int m = 0; m < modeCount; ++m) {
            const xcb_randr_mode_info_t& mode = modes[m];
            if (mode.id != crtc->mode)
                continue;
            facts.monitors.push_back(
                {crtc->x, crtc->y, crtc->width, crtc->height, linePeriodNs(mode.htotal, mode.dot_clock)});
            if (facts.modeRateHz == 0 && mode.htotal && mode.vtotal)
                facts.modeRateHz = double(mode.dot_clock) / (double(mode.htotal) * double(mode.vtotal));
        }
    }
}

} // namespace

xcb_connection_t* xConnection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

DisplayFacts probeXDisplay()
{
    DisplayFacts facts;
    facts.platform = QGuiApplication::platformName();
    xcb_connection_t* c = xConnection();
    if (!c)
        return facts;
    const xcb_query_extension_reply_t* present = xcb_get_extension_data(c, &xcb_present_id);
    facts.present = present && present->present;
    facts.xwayland = hasExtension(c, "XWAYLAND");
    // Qt opens the display's default screen, the first on every single-screen server.
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    facts.compositor = compositorName(c, 0, root);
    if (hasExtension(c, "RANDR"))
        readMonitors(c, root, facts);
    return facts;
}

std::optional<std::uint32_t> rootPixel(xcb_connection_t* c, std::uint32_t root, int x, int y)
{
    XcbReply<xcb_get_image_reply_t> image(xcb_get_image_reply(
        c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, root, std::int16_t(x), std::int16_t(y), 1, 1, ~0u), nullptr));
    if (!image || image->depth < 24 || xcb_get_image_data_length(image.get()) < 4)
        return std::nullopt;
    std::uint32_t pixel = 0;
    std::memcpy(&pixel, xcb_get_image_data(image.get()), sizeof pixel);
    return pixel & 0xffffff;
}

} // namespace brevane
