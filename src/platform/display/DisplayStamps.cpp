#include "platform/display/DisplayStamps.h"

namespace brevane {

namespace {

const QString kOneFrame = QStringLiteral("; times may be one frame long: see the guide");

} // namespace

DisplayStampPlan displayStampPlan(const DisplayFacts& facts)
{
    // Whether the compositor's times are the hardware's shows only in each frame's report: where
    // they are its own estimate, WaylandPresenter says so at the first.
    if (facts.platform.startsWith(QLatin1String("wayland")) && facts.presentationFeedback)
        return {StampSource::Feedback, true, {}};
    if (facts.platform.startsWith(QLatin1String("wayland")))
        return {StampSource::Clock, false,
                QStringLiteral("The window system does not say when a frame is shown") + kOneFrame};
    if (facts.platform != QLatin1String("xcb"))
        return {StampSource::Clock, false, {}}; // no screen (offscreen): nothing for a teacher to know
    if (!facts.present)
        return {StampSource::HandOver, false,
                QStringLiteral("The X server does not say when a frame is shown") + kOneFrame};
    if (facts.xwayland)
        return {StampSource::Present, false,
                QStringLiteral("XWayland shows the window through the Wayland compositor") + kOneFrame};
    if (!facts.compositor.isEmpty())
        return {StampSource::Readback, true, {}};
    return {StampSource::Present, true, {}};
}

QString estimatedStampNotice(const StampTrace& stamp)
{
    if (stamp.exact || stamp.source == StampSource::Clock)
        return {};
    if (stamp.source == StampSource::Feedback)
        return QString::fromLatin1(kCompositorEstimatesNotice);
    return QStringLiteral("Some stimuli were stamped by ") + stampWords(stamp.source, false) + kOneFrame;
}

QString compositorWords(const DisplayFacts& facts)
{
    return facts.compositor.isEmpty() ? QStringLiteral("none") : facts.compositor;
}

QString modeRateWords(const DisplayFacts& facts)
{
    return facts.modeRateHz > 0 ? QStringLiteral("%1 Hz").arg(facts.modeRateHz, 0, 'f', 2)
                                : QStringLiteral("not reported (a virtual screen)");
}

} // namespace brevane
