#pragma once

class QWidget;

namespace reflex {

// Paints `widget` now and returns only when the X server has taken the new pixels: the
// repaint is synchronous, and a round trip to the server follows the flush. A stimulus is
// stamped after this, so the measured time never includes the program's own drawing.
void presentNow(QWidget* widget);

} // namespace reflex
