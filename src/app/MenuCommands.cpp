#include "app/MenuCommands.h"

namespace brevane {

Message exitQuestion(bool dataNotSaved)
{
    QString text = QStringLiteral("Are you sure you want to exit?");
    if (dataNotSaved)
        text.prepend(QStringLiteral("Data NOT saved!\r"));
    return {text, QStringLiteral("Exit Orv Brevane 2"), MsgButtons::YesNo, MsgIcon::Critical, true};
}

} // namespace brevane
