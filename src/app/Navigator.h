#pragma once
#include <QPointer>
#include <QWidget>

namespace brevane {

// Exactly one top-level window is shown and usable at a time. Going to another window hides
// the current one instead of opening a nested modal loop, so moving back and forth between
// windows any number of times never deepens the call stack.
class Navigator {
public:
    void show(QWidget* window);
    QWidget* current() const { return current_; }

    // Centres a window on the screen, as every window does when it appears.
    static void centre(QWidget* window);

private:
    QPointer<QWidget> current_;
};

} // namespace brevane
