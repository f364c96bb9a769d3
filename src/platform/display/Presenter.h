#pragma once
// The display concern: when a stimulus frame reaches the screen. A window hands its stimulus area
// to the session's Presenter (FramePresenter: the facade over the x11/ and wayland/ presenters),
// which puts the new look on the screen and returns a Presentation: the frame's time as the best
// source on this desktop gives it (StampSource.h), with what it cost to get. probeDisplay
// (DisplayProbe.h) asks the window system what it can tell, and displayStampPlan (DisplayStamps.h)
// turns that into the stamps' source and a teacher's notice where they are not exact.

#include "platform/display/Presentation.h"

#include <string>

class QWidget;

namespace brevane {

// Puts a widget's new look on the screen and returns once it got there, stamped with when.
class Presenter {
public:
    virtual ~Presenter() = default;
    virtual Presentation present(QWidget* area) = 0;
    // Why the last frame has no display source's stamp; empty when it had one, or before the first.
    virtual std::string fallbackReason() const = 0;
};

} // namespace brevane
