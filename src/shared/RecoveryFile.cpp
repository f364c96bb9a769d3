#include "shared/RecoveryFile.h"

#include "shared/SetBlocks.h"
#include "shared/TestList.h"
#include "shared/ValueCodec.h"

namespace brevane {

bool writeRecovery(QIODevice& device, const AppState& state)
{
    ValueWriter out(device);
    for (const TestDescriptor* test : testList())
        if (test->inRecoveryFile && !writeSets(out, test->setsOf(state), test->countsOf(state)))
            return false;
    return true;
}

bool readRecovery(QIODevice& device, AppState& state)
{
    ValueReader in(device);
    for (const TestDescriptor* test : testList())
        if (test->inRecoveryFile && !readSets(in, test->sets(state), test->counts(state)))
            return false;
    return true;
}

} // namespace brevane
