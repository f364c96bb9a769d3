#include "shared/RecoveryFile.h"

#include "shared/SetBlocks.h"
#include "shared/ValueCodec.h"

namespace brevane {

bool writeRecovery(QIODevice& device, const AppState& state)
{
    ValueWriter out(device);
    return writeSets(out, state.Simple, nullptr) && writeSets(out, state.Color, &state.Color) &&
           writeSets(out, state.Number, &state.Number);
}

bool readRecovery(QIODevice& device, AppState& state)
{
    ValueReader in(device);
    return readSets(in, state.Simple, nullptr) && readSets(in, state.Color, &state.Color) &&
           readSets(in, state.Number, &state.Number);
}

} // namespace brevane
