#pragma once
// The X server's side of the display: what it tells of when frames are shown (Present, XWayland,
// a compositing manager, the monitors' modes), and the screen's pixels as a student sees them.
// XPresenter probes it when it takes on a window, probeDisplay (DisplayProbe.h) for the session.

#include "platform/display/DisplayStamps.h"

#include <cstdint>
#include <optional>

struct xcb_connection_t;

namespace brevane {

// Qt's X connection; nullptr on another platform.
xcb_connection_t* xConnection();

// The facts of the X server Qt runs on; only the platform's name off X.
DisplayFacts probeXDisplay();

// One pixel of the root window, 0xRRGGBB, as the screen shows it: what a compositor painted, not
// the window's own buffer. Nothing where it cannot be read.
std::optional<std::uint32_t> rootPixel(xcb_connection_t* c, std::uint32_t root, int x, int y);

} // namespace brevane
