#pragma once
// frmPrint without its window: the title, the ten set boxes, Select All and the check that
// OK needs at least one ticked set. One object for the whole program, so that AllSelected,
// False when it is made, lasts from one Print to the next as the dialog's state.

#include "platform/print/Printer.h"
#include "platform/services/Prompt.h"
#include <QCoreApplication>

namespace brevane {

class PrintSelection {
public:
    explicit PrintSelection(Prompt& prompt)
        : prompt_(prompt)
    {
    }

    // The caller's preset, at every showing.
    void present(const PrintChoice& preset);
    // cmdAll: ticks all ten boxes, or clears them when all were ticked by it before.
    void selectAll();
    // cmdOk: true when the dialog may close; with no box ticked the user is told and it stays.
    bool ok();
    // cmdCancel
    void cancel() { PrintConfirmed = false; }

    PrintChoice choice;
    bool AllSelected = false;
    bool PrintConfirmed = false;
    QString cmdAllCaption = QCoreApplication::translate("frmPrint", "Select All");

private:
    Prompt& prompt_;
};

} // namespace brevane
