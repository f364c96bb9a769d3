#pragma once
// The software photodiode every rig uses: reads an area of an X server's screen through MIT-SHM,
// each reading stamped by its request and its reply (CLOCK_MONOTONIC). What it makes of the pixels
// is bench/lib/Probe. timing_bench links it; the Python rigs load it as a library
// (PhotodiodeModule.cpp, bench/brevane_bench/photodiode.py).

#include "lib/Probe.h"

#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

#include <cstdint>
#include <vector>

namespace timing {

// Xlib hands every error of a process to one handler, which by default ends the process. Windows
// come and go while they are looked at (a message box closing between the listing and the
// query), so the benchmarks keep the error instead and read it back where it matters.
void recordXErrors();
int takeXError(); // the code of the last error since the last call, 0 if none

class Photodiode {
public:
    // `display` stays the caller's; throws if the area is not on the screen or MIT-SHM fails.
    Photodiode(Display* display, Rect screenArea);
    ~Photodiode();
    Photodiode(const Photodiode&) = delete;
    Photodiode& operator=(const Photodiode&) = delete;

    Grab grab();
    // Takes the current picture as the resting one.
    void keepAsReference();
    bool mostlyChanged() const;
    std::uint32_t centrePixel() const; // 0xRRGGBB of the last grab
    std::size_t pixelsOfColour(std::uint32_t rgb) const;
    const Rect& area() const { return area_; }

private:
    Picture picture() const;

    Display* dpy_;
    Rect area_;
    XImage* image_ = nullptr;
    XShmSegmentInfo shm_{};
    bool attached_ = false;
    std::vector<std::uint32_t> reference_;
};

} // namespace timing
