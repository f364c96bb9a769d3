// The photodiode for the Python rigs, as a library they load (bench/brevane_bench/photodiode.py):
// the same readings as timing_bench's, on an X connection of its own, behind a C interface.

#include "photodiode/Photodiode.h"

#include <cstdio>
#include <exception>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

struct Diode {
    Display* display = nullptr;
    std::unique_ptr<timing::Photodiode> photodiode;
    ~Diode()
    {
        photodiode.reset(); // detaches from the server before the connection goes
        if (display)
            XCloseDisplay(display);
    }
};

} // namespace

extern "C" {

// Null on failure, the reason in `error`.
void* bench_photodiode_open(const char* display, int x, int y, int w, int h, char* error, int errorSize)
{
    auto d = std::make_unique<Diode>();
    try {
        d->display = XOpenDisplay(display);
        if (!d->display)
            throw std::runtime_error(std::string("cannot open display ") + display);
        d->photodiode = std::make_unique<timing::Photodiode>(d->display, timing::Rect{x, y, w, h});
        return d.release();
    } catch (const std::exception& e) {
        std::snprintf(error, std::size_t(errorSize), "%s", e.what());
        return nullptr;
    }
}

void bench_photodiode_close(void* diode)
{
    delete static_cast<Diode*>(diode);
}

void bench_photodiode_grab(void* diode, std::int64_t* sentNs, std::int64_t* backNs)
{
    const timing::Grab g = static_cast<Diode*>(diode)->photodiode->grab();
    *sentNs = g.sentNs;
    *backNs = g.backNs;
}

std::uint32_t bench_photodiode_centre_pixel(void* diode)
{
    return static_cast<Diode*>(diode)->photodiode->centrePixel();
}

std::uint64_t bench_photodiode_pixels_of_colour(void* diode, std::uint32_t rgb)
{
    return static_cast<Diode*>(diode)->photodiode->pixelsOfColour(rgb);
}

} // extern "C"
