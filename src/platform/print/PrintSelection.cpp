#include "platform/print/PrintSelection.h"

#include <algorithm>

namespace brevane {

void PrintSelection::present(const PrintChoice& preset)
{
    choice = preset;
    PrintConfirmed = false;
}

void PrintSelection::selectAll()
{
    AllSelected = !AllSelected;
    choice.ticked.fill(AllSelected);
    cmdAllCaption = AllSelected ? QStringLiteral("UnSelectAll") : QStringLiteral("SelectAll");
}

bool PrintSelection::ok()
{
    PrintConfirmed = std::find(choice.ticked.begin(), choice.ticked.end(), true) != choice.ticked.end();
    if (!PrintConfirmed)
        prompt_.ask(
            Message{QStringLiteral("You must select atleast ONE set to Print"), QStringLiteral("Printing Error")});
    return PrintConfirmed;
}

} // namespace brevane
