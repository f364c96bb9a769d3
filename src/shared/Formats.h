#pragma once
// How times and counts are written wherever the program shows or prints them: the test
// windows' readouts, the results windows' cells and the reports.

#include <QString>

namespace brevane {

// A time in seconds: "0.234", with the decimal mark of the language shown ("0,234"). Files
// write their numbers themselves, always with the period.
QString formatSeconds(float seconds);

// A count with leading zeros to `digits` places: "07" on a test window, "007" in a results
// window and a report. A negative count (only a hand-edited file holds one) keeps its sign
// before the zeros.
QString formatCount(int count, int digits = 2);

// A number with the place of its sign: " 2", "-2".
QString withSignPosition(int n);

} // namespace brevane
