#include "app/DataCommands.h"
#include "shared/TestList.h"

namespace brevane {

bool clearAllData(AppState& state, Prompt& prompt)
{
    const Message question{QStringLiteral("Are you sure you want to DELETE ALL DATA ?"),
                           QStringLiteral("Delete All Data"), MsgButtons::YesNo, MsgIcon::Critical, true};
    if (prompt.ask(question) != MsgAnswer::Yes)
        return false;
    for (const TestDescriptor* test : testList())
        clearAllSets(test->half(state));
    return true;
}

} // namespace brevane
