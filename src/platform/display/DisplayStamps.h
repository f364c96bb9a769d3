#pragma once
// What the display tells of when a frame is on the screen, and so what the stimulus stamps can be
// on it. probeDisplay (DisplayProbe.h) asks the window system for DisplayFacts; displayStampPlan turns
// them into the source the stamps will have, whether they are exact, and, where they are not, the
// line that says so to a teacher: once on standard error, in the about box and in the timing check.

#include "platform/display/Presentation.h"
#include "platform/display/ScanOut.h"

#include <QString>
#include <vector>

namespace brevane {

struct DisplayFacts {
    QString platform;      // Qt's platform plugin: xcb, wayland, offscreen...
    bool present = false;  // the X server has the Present extension
    bool xwayland = false; // the X server is XWayland: its refresh is pretended
    QString compositor;    // the compositing manager that shows the windows; empty: none
    double modeRateHz = 0; // the refresh rate of the first monitor's mode; 0: not reported
    std::vector<ScanOutMonitor> monitors;
    bool presentationFeedback = false; // on Wayland: the compositor offers wp_presentation
};

struct DisplayStampPlan {
    StampSource source = StampSource::Clock;
    bool exact = false;
    QString notice; // what estimated stamps mean for the times; empty where they are exact
};

DisplayStampPlan displayStampPlan(const DisplayFacts& facts);

// Said once where a Wayland compositor's frame times turn out to be its own estimates.
inline constexpr const char* kCompositorEstimatesNotice = QT_TRANSLATE_NOOP(
    "DisplayStamps",
    "The Wayland compositor estimates when a frame is shown; times may be one frame long: see the guide");

// What a stimulus stamp that the display could not make exact costs the times, in a teacher's
// words; empty for an exact one and for a stamp no display gives (a tone alone, no screen).
QString estimatedStampNotice(const StampTrace& stamp);

// The timing check's words for the compositor ("none" without one) and the mode's rate ("not
// reported" where the screen gives no mode timings, as a virtual screen does).
QString compositorWords(const DisplayFacts& facts);
QString modeRateWords(const DisplayFacts& facts);

} // namespace brevane
