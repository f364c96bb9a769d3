#pragma once

namespace timing {

// Two benchmarks at once would each measure the other: the second waits (up to 20 minutes)
// for the first, on a lock held until this process ends.
void waitForOtherBenchmarks();

} // namespace timing
