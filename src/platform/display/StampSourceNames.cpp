#include "platform/display/StampSourceNames.h"
#include "platform/audio/Beeper.h"
#include "platform/input/x11/XPressStamper.h"

#include <QGuiApplication>

namespace brevane {

QString displayStampSourceName(StampSource source)
{
    switch (source) {
    case StampSource::Present:
        return QStringLiteral("present");
    case StampSource::FrameTimings:
        return QStringLiteral("compositor frame timings");
    case StampSource::Readback:
        return QStringLiteral("screen read back");
    case StampSource::Feedback:
        return QStringLiteral("presentation feedback");
    case StampSource::HandOver:
        return QStringLiteral("hand-over");
    case StampSource::Clock:
        break;
    }
    return QStringLiteral("repaint");
}

StampSourceNames currentStampSourceNames(const Beeper& beeper, const XPressStamper& presses)
{
    // presentNow confirms the hand-over with a round trip on X only.
    const bool onX = QGuiApplication::platformName() == QLatin1String("xcb");
    return {displayStampSourceName(onX ? StampSource::HandOver : StampSource::Clock), presses.sourceName(),
            beeper.hasDevice() ? QString::fromLatin1(toneRouteName(beeper.route())) : QStringLiteral("none")};
}

} // namespace brevane
