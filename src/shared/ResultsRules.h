#pragma once
// Rules every results window follows: how a time becomes a chart value and how a run is
// deleted.

#include "shared/Formats.h"
#include "shared/Stores.h"

#include <QString>

namespace brevane {

// A time in seconds as a chart value, 0..1000: whole milliseconds (0.234 s is 234), everything
// above one second drawn as one second, an empty run as 0.
int chartValue(float seconds);

// Deletes run `run` (1..10) of a set: runs run+1..10 move down one place and run 10 becomes
// empty. Runs 11..20 are never moved. Any other run number changes nothing.
void deleteRun(RunRow& runs, int run);

} // namespace brevane
