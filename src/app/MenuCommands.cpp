#include "app/MenuCommands.h"

#include <QCoreApplication>

namespace brevane {

Message exitQuestion(bool dataNotSaved)
{
    QString text = QCoreApplication::translate("frmMain", "Are you sure you want to exit?");
    if (dataNotSaved)
        text.prepend(QCoreApplication::translate("frmMain", "Data NOT saved!\r"));
    return {text, QCoreApplication::translate("frmMain", "Exit Orv Brevane 2"), MsgButtons::YesNo, MsgIcon::Critical,
            true};
}

} // namespace brevane
