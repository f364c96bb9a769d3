#pragma once

namespace brevane {

// Whether the Wayland compositor of this session (WAYLAND_DISPLAY) offers presentation feedback
// (wp_presentation), which stamps a frame with the time it turned visible. Asked before the
// toolkit starts, on a connection of its own that is closed again; false where none answers.
bool compositorOffersPresentationFeedback();

} // namespace brevane
