#include "lib/Probe.h"

#include <cstring>
#include <stdexcept>

namespace timing {

namespace {

// Whether any channel of two 0xRRGGBB values differs by more than `step`.
bool differs(std::uint32_t a, std::uint32_t b, int step)
{
    for (int shift = 0; shift < 24; shift += 8) {
        const int d = int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF);
        if (d > step || d < -step)
            return true;
    }
    return false;
}

std::uint32_t channel(std::uint32_t pixel, std::uint32_t mask)
{
    if (!mask)
        return 0;
    int shift = 0;
    while (!((mask >> shift) & 1))
        ++shift;
    return ((pixel & mask) >> shift) & 0xFF;
}

} // namespace

Onset onsetBetween(const Grab& lastAtRest, const Grab& firstChanged)
{
    return {lastAtRest.midNs() + (firstChanged.midNs() - lastAtRest.midNs()) / 2,
            (firstChanged.backNs - lastAtRest.sentNs) / 2};
}

std::uint32_t Picture::pixel(int x, int y) const
{
    std::uint32_t v = 0;
    std::memcpy(&v, data + std::size_t(y) * bytesPerLine + std::size_t(x) * 4, sizeof v);
    return v & 0xFFFFFFu;
}

std::uint32_t Picture::rgb(int x, int y) const
{
    const std::uint32_t p = pixel(x, y);
    return (channel(p, redMask) << 16) | (channel(p, greenMask) << 8) | channel(p, blueMask);
}

std::vector<std::uint32_t> restingPicture(const Picture& p)
{
    std::vector<std::uint32_t> resting(std::size_t(p.width) * std::size_t(p.height));
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            resting[std::size_t(y) * std::size_t(p.width) + std::size_t(x)] = p.pixel(x, y);
    return resting;
}

bool mostlyChanged(const Picture& p, const std::vector<std::uint32_t>& resting)
{
    if (resting.empty() || resting.size() != std::size_t(p.width) * std::size_t(p.height))
        throw std::logic_error("the photodiode has no resting picture of its area");
    const std::size_t total = resting.size();
    const std::size_t half = total / 2;
    std::size_t changed = 0, same = 0;
    constexpr int kStep = 64;
    for (int y = 0; y < p.height; ++y) {
        const std::uint32_t* rest = resting.data() + std::size_t(y) * std::size_t(p.width);
        for (int x = 0; x < p.width; ++x) {
            const std::uint32_t now = p.pixel(x, y);
            if (now != rest[x] && differs(now, rest[x], kStep)) {
                if (++changed > half)
                    return true;
            } else if (++same >= total - half) {
                return false;
            }
        }
    }
    return false;
}

std::uint32_t centreColour(const Picture& p)
{
    return p.rgb(p.width / 2, p.height / 2);
}

std::size_t pixelsOfColour(const Picture& p, std::uint32_t rgb)
{
    std::size_t n = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            n += p.rgb(x, y) == rgb ? 1 : 0;
    return n;
}

bool sameColour(std::uint32_t a, std::uint32_t b)
{
    return !differs(a, b, 24);
}

} // namespace timing
