#include "shared/TestWindow.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>

namespace reflex {

TestWindow::TestWindow(const Clock& clock, QWidget* parent)
    : QWidget(parent)
    , clock_(clock)
    , pressStamper_(clock)
{
}

void TestWindow::mousePressEvent(QMouseEvent* event)
{
    // Stamp before anything else: the handler's own work is not the student's time.
    const std::int64_t stamp = clock_.nowNs();
    // The display box and the targets are transparent to the mouse, so they are not found
    // here: a press on them is a press on the window. Every other control takes it.
    if (childAt(event->position().toPoint()))
        return;
    pressed(pressStamper_.stamp(stamp, *event));
}

void TestWindow::done()
{
    storeComment();
    emit doneRequested();
}

void TestWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (event->spontaneous() && exitAllowed())
        done();
}

void TestWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    pressStamper_.listen(true);
    if (startButton()->isEnabled())
        startButton()->setFocus();
}

void TestWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    pressStamper_.listen(false);
}

TargetOutline::TargetOutline(bool round, QWidget* parent)
    : QWidget(parent)
    , round_(round)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TargetOutline::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, round_);
    p.setPen(QPen(palette().color(QPalette::WindowText), 2));
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    if (round_)
        p.drawEllipse(r);
    else
        p.drawRect(r);
}

} // namespace reflex
