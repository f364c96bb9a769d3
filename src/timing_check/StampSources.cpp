#include "timing_check/StampSources.h"
#include "platform/display/StampSource.h"

#include <QGuiApplication>

namespace brevane {

StampSourceNames currentStampSourceNames(const Beeper& beeper, const PressStamper& presses)
{
    // presentNow confirms the hand-over with a round trip on X only.
    const bool onX = QGuiApplication::platformName() == QLatin1String("xcb");
    return {displayStampSourceName(onX ? StampSource::HandOver : StampSource::Clock), presses.sourceName(),
            beeper.hasDevice() ? QString::fromLatin1(toneRouteName(beeper.route())) : QStringLiteral("none")};
}

} // namespace brevane
