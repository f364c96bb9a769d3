#include "platform/display/wayland/WaylandProbe.h"

#include <cstdint>
#include <cstring>
#include <presentation-time-client.h>
#include <wayland-client.h>

namespace brevane {

namespace {

void onGlobal(void* data, wl_registry*, std::uint32_t, const char* interface, std::uint32_t)
{
    if (std::strcmp(interface, wp_presentation_interface.name) == 0)
        *static_cast<bool*>(data) = true;
}

void onGlobalRemove(void*, wl_registry*, std::uint32_t)
{
}

const wl_registry_listener kRegistryListener{onGlobal, onGlobalRemove};

} // namespace

bool compositorOffersPresentationFeedback()
{
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return false;
    bool offered = false;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kRegistryListener, &offered);
    if (wl_display_roundtrip(display) < 0)
        offered = false;
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return offered;
}

} // namespace brevane
