#include "platform/display/DisplayStamps.h"

#include <QCoreApplication>
#include <QLocale>

namespace brevane {

namespace {

QString oneFrame()
{
    return QCoreApplication::translate("DisplayStamps", "; times may be one frame long: see the guide");
}

} // namespace

DisplayStampPlan displayStampPlan(const DisplayFacts& facts)
{
    // Whether the compositor's times are the hardware's shows only in each frame's report: where
    // they are its own estimate, WaylandPresenter says so at the first.
    if (facts.platform.startsWith(QLatin1String("wayland")) && facts.presentationFeedback)
        return {StampSource::Feedback, true, {}};
    if (facts.platform.startsWith(QLatin1String("wayland")))
        return {StampSource::Clock, false,
                QCoreApplication::translate("DisplayStamps", "The window system does not say when a frame is shown") +
                    oneFrame()};
    if (facts.platform != QLatin1String("xcb"))
        return {StampSource::Clock, false, {}}; // no screen (offscreen): nothing for a teacher to know
    if (!facts.present)
        return {StampSource::HandOver, false,
                QCoreApplication::translate("DisplayStamps", "The X server does not say when a frame is shown") +
                    oneFrame()};
    if (facts.xwayland)
        return {
            StampSource::Present, false,
            QCoreApplication::translate("DisplayStamps", "XWayland shows the window through the Wayland compositor") +
                oneFrame()};
    if (!facts.compositor.isEmpty())
        return {StampSource::Readback, true, {}};
    return {StampSource::Present, true, {}};
}

QString estimatedStampNotice(const StampTrace& stamp)
{
    if (stamp.exact || stamp.source == StampSource::Clock)
        return {};
    if (stamp.source == StampSource::Feedback)
        return QCoreApplication::translate("DisplayStamps", kCompositorEstimatesNotice);
    return QCoreApplication::translate("DisplayStamps", "Some stimuli were stamped by %1")
               .arg(stampWords(stamp.source, false)) +
           oneFrame();
}

QString compositorWords(const DisplayFacts& facts)
{
    return facts.compositor.isEmpty() ? QCoreApplication::translate("DisplayStamps", "none") : facts.compositor;
}

QString modeRateWords(const DisplayFacts& facts)
{
    return facts.modeRateHz > 0
               ? QCoreApplication::translate("DisplayStamps", "%1 Hz").arg(QLocale().toString(facts.modeRateHz, 'f', 2))
               : QCoreApplication::translate("DisplayStamps", "not reported (a virtual screen)");
}

} // namespace brevane
