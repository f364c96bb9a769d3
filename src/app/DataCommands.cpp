#include "app/DataCommands.h"
#include "shared/TestList.h"

#include <QCoreApplication>

namespace brevane {

bool clearAllData(AppState& state, Prompt& prompt)
{
    const Message question{QCoreApplication::translate("frmMain", "Are you sure you want to DELETE ALL DATA ?"),
                           QCoreApplication::translate("frmMain", "Delete All Data"), MsgButtons::YesNo,
                           MsgIcon::Critical, true};
    if (prompt.ask(question) != MsgAnswer::Yes)
        return false;
    for (const TestDescriptor* test : testList())
        clearAllSets(test->half(state));
    return true;
}

} // namespace brevane
