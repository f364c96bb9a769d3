#pragma once
// How long after the start of a refresh a monitor draws a given line of the screen. A monitor
// draws its picture line by line from the top, one line every htotal / dot clock (the mode's
// timings), so a stimulus whose top sits at row r of the monitor that shows it appears r line
// periods after the refresh's time. The window system hands its monitors over (their place on
// the screen and line period); scanOutDelayNs picks the one that shows the point.

#include <cstdint>
#include <vector>

namespace brevane {

struct ScanOutMonitor {
    int x = 0, y = 0, width = 0, height = 0; // the monitor's area of the screen, in pixels
    double linePeriodNs = 0;                 // 0: not known (a virtual screen has no scan-out)
};

// One line of a mode: its total width (blanking included) over the dot clock; 0 where either is 0.
double linePeriodNs(std::uint32_t htotal, std::uint64_t dotClockHz);

// From the start of the scan-out to the line at `screenY`, on the first monitor that holds the
// point (screenX, screenY); 0 where none does or its line period is not known.
std::int64_t scanOutDelayNs(const std::vector<ScanOutMonitor>& monitors, int screenX, int screenY);

// Pixels that reach the frame buffer at `ns` are on the glass at the next refresh: the first at
// or after `ns` on the grid through `refreshNs`, `periodNs` apart. `ns` itself where the period is
// not known (a virtual screen, whose frame buffer is what is seen).
std::int64_t nextRefreshNs(std::int64_t ns, std::int64_t refreshNs, std::int64_t periodNs);

} // namespace brevane
