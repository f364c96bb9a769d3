#pragma once
#include <QString>

namespace brevane {

// Where a stimulus stamp comes from. A display source gives the time the frame that showed the
// stimulus reached the screen: X Present (the X server's refresh, the pixel's time where nothing
// composites the window), a compositor's own frame time (_NET_WM_FRAME_TIMINGS), or the screen's
// pixel read back and put on the refresh it changed at; on Wayland, the compositor's presentation
// feedback for the commit that carried the stimulus. Without one the stamp is the hand-over of the
// pixels to the X server or the compositor, or the clock read after presenting (another platform,
// or a tone).
//
// Each source is named three ways, side by side in one table (StampSource.cpp): its word in the
// trace, its name in the timing check's readout, and a teacher's words for it. A new source is a
// value here and a row there.
enum class StampSource { Clock, HandOver, Present, FrameTimings, Readback, Feedback };

// The trace's word: "clock", "handover", "present", "frame-timings", "readback", "feedback".
const char* stampSourceName(StampSource source);

// The timing check's name: "repaint", "hand-over", "present", "compositor frame timings", "screen
// read back", "presentation feedback".
QString displayStampSourceName(StampSource source);

// A teacher's words for the source, with "(exact)" or "(estimated)": Present's differ by which.
QString stampWords(StampSource source, bool exact);

} // namespace brevane
