#include "platform/print/PrintSelection.h"

#include <QCoreApplication>
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
    cmdAllCaption = AllSelected ? QCoreApplication::translate("frmPrint", "UnSelectAll")
                                : QCoreApplication::translate("frmPrint", "SelectAll");
}

bool PrintSelection::ok()
{
    PrintConfirmed = std::find(choice.ticked.begin(), choice.ticked.end(), true) != choice.ticked.end();
    if (!PrintConfirmed)
        prompt_.ask(Message{QCoreApplication::translate("frmPrint", "You must select atleast ONE set to Print"),
                            QCoreApplication::translate("frmPrint", "Printing Error")});
    return PrintConfirmed;
}

} // namespace brevane
