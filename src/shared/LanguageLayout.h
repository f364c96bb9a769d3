#pragma once
// The windows are laid out by fixed geometry for their English texts, left to right. For a
// translation LanguageLayout watches every window as it first shows:
// - a text that does not fit its control gets the room it needs from its font, down to four
//   fifths of its size; one that does not fit even so is elided, with its whole text as the
//   control's tooltip and accessible description (a translation may run longer: German and
//   Russian by about a third);
// - right to left (Arabic, Hebrew) a window placed by fixed geometry is mirrored as Qt mirrors
//   the windows it lays out itself. A window that keeps left to right (the test windows, whose
//   targets and pointer placement must not move) is left as it is.
// The program installs it for a translation only, so the English windows are as they were.

#include <QObject>

class QWidget;

namespace brevane {

inline constexpr char kElidedProperty[] = "brevaneElided";     // set on a control whose text was elided
inline constexpr char kMirroredProperty[] = "brevaneMirrored"; // set on a window once mirrored

class LanguageLayout final : public QObject {
public:
    using QObject::QObject;
    // Fits the texts of `window` and its controls now.
    static void fit(QWidget* window);
    // Mirrors the fixed places of `window`'s controls (once) where it runs right to left.
    static void mirror(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace brevane
