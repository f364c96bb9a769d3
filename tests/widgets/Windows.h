#pragma once
// What the window tests share: controls found by name, the one shown window, the test rows, the
// accessibility check and a shell that records what it is asked.
#include "complex_test/ChoiceEngine.h"
#include "fakes/Fakes.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QTabBar>
#include <algorithm>

namespace brevane::fakes {

// A control by object name; a missing one stops the test at once with its name.
template <typename T = QWidget> inline T* child(QWidget* w, const char* name)
{
    T* c = w->findChild<T*>(QLatin1String(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

// Offers only the settings dialog, and that only while `settings` is set.
struct RecordingShell final : Shell {
    void show(QWidget* window) override { shown = window; }
    bool offers(Destination d) const override { return d == Destination::Settings && settings; }
    void open(OpenRequest request) override { opened.append(request); }
    bool settings = true;
    QWidget* shown = nullptr;
    QList<OpenRequest> opened;
};

inline void testRows(bool withSimple)
{
    QTest::addColumn<int>("test"); // a ChoiceStyle, or -1 for the simple test
    if (withSimple)
        QTest::newRow("simple") << -1;
    QTest::newRow("colour") << int(ChoiceStyle::Color);
    QTest::newRow("number") << int(ChoiceStyle::Number);
}

inline bool onlyVisible(QWidget* window)
{
    return window && window->isVisible() &&
           std::ranges::count_if(QApplication::topLevelWidgets(), &QWidget::isVisible) == 1;
}

// Every picture-only button and text field has a name a screen reader says.
inline void checkNamed()
{
    for (QWidget* w : QApplication::allWidgets()) {
        const auto* button = qobject_cast<QAbstractButton*>(w);
        const bool picture = button && button->text().isEmpty() && !qobject_cast<QTabBar*>(w->parentWidget());
        if (qobject_cast<QLineEdit*>(w) || picture) // its own name or its label's; a picture's tip says it too
            QVERIFY2(!QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty() &&
                         (!picture || !w->toolTip().isEmpty()),
                     qPrintable(w->objectName()));
    }
}

} // namespace brevane::fakes
