#pragma once
// The 16-colour palette. Element colours and highlight colours are palette numbers; this is
// the one table that turns a number into a screen colour, everywhere.

#include <QRgb>
#include <array>

namespace brevane {

inline constexpr std::array<QRgb, 16> kPalette{
    qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
    qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
    qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255),
};

// The simple test's panel between stimuli; a trigger colour equal to it would be invisible.
inline constexpr QRgb kSimplePanelAtRest = kPalette[15];

// Numbers outside 0..15 (a hand-edited file) wrap into the table rather than read past it.
constexpr QRgb paletteColour(int number)
{
    return kPalette[static_cast<unsigned>(number) % kPalette.size()];
}

} // namespace brevane
