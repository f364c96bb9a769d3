#include "shared/DataFile.h"
#include "shared/SetBlocks.h"
#include "shared/ValueCodec.h"

namespace brevane {

int DataFileFormat::lines() const
{
    return kSetCount * (counts ? kChoiceSetLines : kSimpleSetLines);
}

bool writeDataFile(QIODevice& out, const DataFileFormat& format, const StoreHalf& half)
{
    ValueWriter writer(out);
    return writeSets(writer, half.sets, format.counts ? half.counts : nullptr);
}

bool readDataFile(QIODevice& in, const DataFileFormat& format, StoreHalf& half)
{
    SetData sets = half.sets; // runs 11..20 are in no file and stay as they are
    OutcomeCounts counts = half.counts ? *half.counts : OutcomeCounts{};
    ValueReader reader(in);
    if (!readSets(reader, sets, format.counts ? &counts : nullptr))
        return false;
    half.sets = std::move(sets);
    if (format.counts && half.counts)
        *half.counts = counts;
    return true;
}

} // namespace brevane
