#include "platform/StampSourceNames.h"
#include "platform/Beeper.h"
#include "platform/XPressStamper.h"

#include <QGuiApplication>

namespace reflex {

StampSourceNames currentStampSourceNames(const Beeper& beeper, const XPressStamper& presses)
{
    // presentNow confirms the hand-over with a round trip on X only.
    const bool onX = QGuiApplication::platformName() == QLatin1String("xcb");
    return {onX ? QStringLiteral("hand-over") : QStringLiteral("repaint"), presses.sourceName(),
            beeper.hasDevice() ? QStringLiteral("first sample") : QStringLiteral("none")};
}

} // namespace reflex
