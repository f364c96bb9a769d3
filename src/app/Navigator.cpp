#include "app/Navigator.h"

#include <QGuiApplication>
#include <QScreen>

namespace brevane {

void Navigator::show(QWidget* window)
{
    if (current_ && current_ != window)
        current_->hide();
    current_ = window;
    centre(window);
    window->show();
    window->raise();
    window->activateWindow();
}

void Navigator::centre(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    window->move(area.x() + (area.width() - window->width()) / 2, area.y() + (area.height() - window->height()) / 2);
}

} // namespace brevane
