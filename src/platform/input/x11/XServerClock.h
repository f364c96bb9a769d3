#pragma once
#include "platform/input/ServerClock.h"
#include "platform/services/Clock.h"

#include <vector>

namespace brevane {

// Asks the X server for its time `count` times on a connection of its own, each between two
// readings of `clock`: a change of a property of a window made for it, whose notification carries
// the server's time of the change. Empty where there is no X server.
std::vector<ServerTimeProbe> probeServerTime(const Clock& clock, int count = 5);

} // namespace brevane
