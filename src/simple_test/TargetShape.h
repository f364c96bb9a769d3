#pragma once
#include <QWidget>

namespace reflex {

// A response target drawn on the window surface. It takes no input: a press on it is a press
// on the window itself.
class TargetShape : public QWidget {
    Q_OBJECT
public:
    explicit TargetShape(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace reflex
