#include "platform/display/DisplayProbe.h"
#include "platform/display/wayland/WaylandProbe.h"
#include "platform/display/x11/XDisplay.h"

#include <QGuiApplication>

namespace brevane {

DisplayFacts probeDisplay()
{
    if (xConnection())
        return probeXDisplay();
    DisplayFacts facts;
    facts.platform = QGuiApplication::platformName();
    facts.presentationFeedback =
        facts.platform.startsWith(QLatin1String("wayland")) && compositorOffersPresentationFeedback();
    return facts;
}

} // namespace brevane
