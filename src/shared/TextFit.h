#pragma once
// The windows are laid out by fixed geometry for their English texts; a translation may run
// longer (German and Russian by about a third). TextFit watches every window as it shows and
// gives a text that does not fit its control the room it needs from its font: down to four
// fifths of its size. A text that fits even so is elided, with its whole text as the control's
// tooltip and accessible description. The program installs it for a translation only, so the
// English windows are as they were.

#include <QObject>

class QWidget;

namespace brevane {

inline constexpr char kElidedProperty[] = "brevaneElided"; // set on a control whose text was elided

class TextFit final : public QObject {
public:
    using QObject::QObject;
    // Fits the texts of `window` and its controls now.
    static void fit(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace brevane
