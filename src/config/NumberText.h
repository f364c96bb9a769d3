#pragma once
// What the settings dialog takes as a number: an optional sign, digits with an optional
// fraction (or a fraction alone) and an optional exponent, blanks allowed around it. Its
// value is rounded to the nearest integer, halves to the even neighbour.

#include <QString>
#include <optional>

namespace brevane {

double roundHalfEven(double value);

// The value of `text`, or std::nullopt when it is not a number.
std::optional<double> numberValue(const QString& text);

// The value rounded, or std::nullopt when `text` is not a number or its rounded value lies
// outside lo..hi.
std::optional<int> roundedNumberIn(const QString& text, int lo, int hi);

} // namespace brevane
