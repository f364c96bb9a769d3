#pragma once
// What the photodiode makes of its readings, apart from taking them (bench/photodiode reads the
// X server's screen): when a reading counts, where an onset lies between two readings, whether a
// picture has mostly changed from the resting one, and its colours. Every rig's photodiode is
// that one, so these decide every onset the benchmarks report.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace timing {

// An area of the screen, in pixels.
struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

// One reading: when the request left and when the reply was back. The server copied the pixels
// somewhere in between; the reading counts at the middle.
struct Grab {
    std::int64_t sentNs = 0;
    std::int64_t backNs = 0;
    std::int64_t midNs() const { return sentNs + (backNs - sentNs) / 2; }
};

// The colour changed after the last reading at rest began and before the first changed one was
// back: the onset is taken half-way between the two readings, and lies within +-bracketNs of it.
struct Onset {
    std::int64_t ns = 0;
    std::int64_t bracketNs = 0;
};
Onset onsetBetween(const Grab& lastAtRest, const Grab& firstChanged);

// A picture as the X server hands it over: 32-bit pixels, rows `bytesPerLine` apart, each colour
// channel where its mask says.
struct Picture {
    const unsigned char* data = nullptr;
    int width = 0;
    int height = 0;
    std::size_t bytesPerLine = 0;
    std::uint32_t redMask = 0xFF0000, greenMask = 0x00FF00, blueMask = 0x0000FF;

    std::uint32_t pixel(int x, int y) const; // the 24 colour bits as stored
    std::uint32_t rgb(int x, int y) const;   // 0xRRGGBB
};

// The picture's pixels, kept as the resting ones.
std::vector<std::uint32_t> restingPicture(const Picture& p);
// Whether more than half of the pixels differ clearly from the resting picture (a step of more
// than a quarter of the range in a channel: antialiased text flickers less, a colour change is
// far more). Counts only as far as needed to tell.
bool mostlyChanged(const Picture& p, const std::vector<std::uint32_t>& resting);
std::uint32_t centreColour(const Picture& p); // 0xRRGGBB
std::size_t pixelsOfColour(const Picture& p, std::uint32_t rgb);

// Two colours the photodiode read are one: exact on Xvfb, but a display with dithering or a
// colour-managed visual must not split one colour in two.
bool sameColour(std::uint32_t a, std::uint32_t b);

} // namespace timing
