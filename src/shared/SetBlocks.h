#pragma once
// The set sections shared by recover.dat and the data files, in the encoding of ValueCodec.h:
//   simple sets  14 lines a set: runs 1..10, average, fastest, slowest, comment
//   choice sets  18 lines a set: runs 1..10, average, fastest, slowest, correct hits,
//                correct misses, incorrect hits, missed hits, comment
// Ten sets, 1..10 in order. Runs 11..20 are never written, so reading leaves them as they are.
// recover.dat is the simple block, then the colour block, then the number block; a .nrm file
// is one simple block and a .col file one choice block.

#include "shared/Stores.h"

namespace brevane {

class ValueReader;
class ValueWriter;

inline constexpr int kSimpleSetLines = 14;
inline constexpr int kChoiceSetLines = 18;

// Ten sets, with the four counts after the statistics when `counts` is given. Returns the
// writer's ok(): false once any line could not be written whole.
bool writeSets(ValueWriter& out, const SetData& sets, const OutcomeCounts* counts);

// Assigns every value as soon as it is read and returns false at the first missing or
// unreadable one; what was read before it stays. A caller that must not change the store on
// failure reads into a copy.
bool readSets(ValueReader& in, SetData& sets, OutcomeCounts* counts);

} // namespace brevane
