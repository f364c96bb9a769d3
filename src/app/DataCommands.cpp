#include "app/DataCommands.h"

namespace brevane {

bool clearAllData(AppState& state, Prompt& prompt)
{
    const Message question{QStringLiteral("Are you sure you want to DELETE ALL DATA ?"),
                           QStringLiteral("Delete All Data"), MsgButtons::YesNo, MsgIcon::Critical, true};
    if (prompt.ask(question) != MsgAnswer::Yes)
        return false;
    clearAllSets(state.Simple);
    clearAllSets(state.Color);
    clearAllSets(state.Number);
    return true;
}

} // namespace brevane
