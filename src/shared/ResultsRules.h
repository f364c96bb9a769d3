#pragma once
// Rules every results window follows: how a time becomes a chart value, how a run is
// deleted, how a time is written in a value cell.

#include "shared/Stores.h"

#include <QString>

namespace reflex {

// A time in seconds as a chart value, 0..1000: whole milliseconds (0.234 s is 234), everything
// above one second drawn as one second, an empty run as 0.
int chartValue(float seconds);

// Deletes run `run` (1..10) of a set: runs run+1..10 move down one place and run 10 becomes
// empty. Runs 11..20 are never moved. Any other run number changes nothing.
void deleteRun(RunRow& runs, int run);

// A time in a value cell, a report or a readout: "0.000".
QString formatSeconds(float seconds);

// A count with leading zeros to `digits` places: "007" in a results window and a report.
QString formatCount(int count, int digits);

} // namespace reflex
