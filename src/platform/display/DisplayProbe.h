#pragma once
#include "platform/display/DisplayStamps.h"

namespace brevane {

// The facts of the window system Qt runs on: an X server's extensions, compositor and monitors
// (x11/XDisplay.h), or whether a Wayland compositor reports its frames (wayland/WaylandProbe.h);
// only the platform's name elsewhere. Main, the about box and the timing check probe it for the
// session's line.
DisplayFacts probeDisplay();

} // namespace brevane
