#pragma once
// Finding a window's controls by their object names, as the window tests do: a missing control
// stops the test at once with its name, rather than crashing on a null pointer later.

#include <QPoint>
#include <QWidget>

namespace reflex::fakes {

template <typename T = QWidget>
T* child(QWidget* w, const char* name)
{
    T* c = w->findChild<T*>(QLatin1String(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

// The control's centre in the window's coordinates, where a press on it lands.
inline QPoint centreIn(QWidget* window, const char* name)
{
    QWidget* c = child(window, name);
    return c->mapTo(window, c->rect().center());
}

} // namespace reflex::fakes
