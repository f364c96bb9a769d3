#pragma once
#include "platform/display/Presentation.h"
#include "platform/services/Clock.h"

class QWidget;

namespace brevane {

// Paints `widget` now and returns only when the X server has taken the new pixels: the
// repaint is synchronous, and a round trip to the server follows. A stimulus is stamped from
// the returned times, so the measured time never includes the program's own drawing.
Presentation presentNow(QWidget* widget, const Clock& clock);

} // namespace brevane
