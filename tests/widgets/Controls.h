#pragma once
// What the window tests share: controls found by object name (a missing one stops the test at
// once with its name, rather than crashing on a null pointer later) and a shell that records.

#include "shared/Shell.h"

#include <QList>
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

// Offers only the settings dialog, and that only while `settings` is set.
struct RecordingShell final : Shell {
    void show(QWidget* window) override { shown = window; }
    bool offers(Destination d) const override { return d == Destination::Settings && settings; }
    void open(OpenRequest request) override { opened.append(request); }
    void writeRecoveryFile() override {}
    ResponseTrace* responseTrace() override { return nullptr; }
    bool settings = true;
    QWidget* shown = nullptr;
    QList<OpenRequest> opened;
};

} // namespace reflex::fakes
