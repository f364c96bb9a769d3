#include "simple_test/TargetShape.h"

#include <QPainter>

namespace reflex {

TargetShape::TargetShape(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TargetShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette().color(QPalette::WindowText), 2));
    p.drawEllipse(QRectF(rect()).adjusted(1, 1, -1, -1));
}

} // namespace reflex
