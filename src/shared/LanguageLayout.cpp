#include "shared/LanguageLayout.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>

namespace brevane {

namespace {

constexpr double kSmallest = 0.8; // of the control's own font size
constexpr double kStep = 0.05;

QString withoutMnemonic(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

// The width `text` needs in `w`'s font, and the width it has, for the controls that hold one line.
struct Room {
    QString text;
    int needs = 0;
    int has = 0;
};

Room roomOf(QWidget* w)
{
    const QFontMetrics fm = w->fontMetrics();
    if (auto* l = qobject_cast<QLabel*>(w); l && !l->wordWrap() && l->pixmap().isNull() && !l->text().isEmpty())
        return {l->text(), fm.boundingRect(l->contentsRect(), int(l->alignment()), l->text()).width(),
                l->contentsRect().width()};
    if (auto* b = qobject_cast<QAbstractButton*>(w); b && !b->text().isEmpty()) {
        const int indicator = qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b) ? 20 : 8;
        const int icon = b->icon().isNull() ? 0 : b->iconSize().width() + 4;
        return {b->text(), fm.horizontalAdvance(withoutMnemonic(b->text())) + indicator + icon, b->width()};
    }
    if (auto* g = qobject_cast<QGroupBox*>(w); g && !g->title().isEmpty())
        return {g->title(), fm.horizontalAdvance(withoutMnemonic(g->title())) + 16, g->width()};
    if (auto* t = qobject_cast<QTabBar*>(w); t && t->count() > 0)
        return {{}, t->sizeHint().width(), t->width()};
    return {};
}

// Smaller steps of the control's own font until the text fits; false where even the smallest is too big.
// A control with a style sheet of its own (the results windows' tab bars) gets the size through it:
// Qt 6.8 puts the sheet's font back over one set on the control.
bool shrink(QWidget* w, Room room)
{
    const QFont original = w->font();
    const QString sheet = w->styleSheet();
    for (double scale = 1 - kStep; room.needs > room.has && scale >= kSmallest - 1e-9; scale -= kStep) {
        QFont smaller = original;
        if (original.pointSizeF() > 0)
            smaller.setPointSizeF(original.pointSizeF() * scale);
        else
            smaller.setPixelSize(std::max(1, qRound(original.pixelSize() * scale)));
        if (sheet.isEmpty())
            w->setFont(smaller);
        else
            w->setStyleSheet(sheet + (original.pointSizeF() > 0
                                          ? QStringLiteral(" * { font-size: %1pt; }").arg(smaller.pointSizeF())
                                          : QStringLiteral(" * { font-size: %1px; }").arg(smaller.pixelSize())));
        room = roomOf(w);
    }
    return room.needs <= room.has;
}

void elide(QWidget* w, const Room& room)
{
    const QString whole = withoutMnemonic(room.text);
    const QString shown = w->fontMetrics().elidedText(whole, Qt::ElideRight, std::max(0, room.has - 8));
    if (auto* l = qobject_cast<QLabel*>(w))
        l->setText(shown);
    else if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->setText(shown);
    else if (auto* g = qobject_cast<QGroupBox*>(w))
        g->setTitle(shown);
    else
        return; // a tab bar elides its tabs itself
    w->setToolTip(whole);
    w->setAccessibleDescription(whole);
    w->setProperty(kElidedProperty, true);
}

} // namespace

void LanguageLayout::fit(QWidget* window)
{
    for (QWidget* w : window->findChildren<QWidget*>()) {
        // A control in a layout gets its room from the layout, which grows the window for it.
        const QWidget* parent = w->parentWidget();
        if (w->property(kElidedProperty).toBool() || qobject_cast<const QTabBar*>(parent) ||
            (parent && parent->layout()))
            continue;
        const Room room = roomOf(w);
        if (room.needs > room.has && !shrink(w, room))
            elide(w, roomOf(w));
    }
}

void LanguageLayout::mirror(QWidget* window)
{
    if (window->layoutDirection() != Qt::RightToLeft || window->property(kMirroredProperty).toBool())
        return;
    window->setProperty(kMirroredProperty, true);
    // Every control placed by hand, in every container placed by hand, keeps its distance from
    // the other edge. Its layout direction stays its own: a chart that keeps left to right is
    // moved, not turned.
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const QWidget* parent = w->parentWidget();
        if (!parent || parent->layout() || qobject_cast<const QTabBar*>(w) ||
            parent->layoutDirection() != Qt::RightToLeft || parent->inherits("QTabWidget") ||
            parent->inherits("QStackedWidget") || w->isWindow())
            continue;
        // A tab's page not shown yet has not been given its size: the stack's is the one it gets.
        const QWidget* stack = parent->parentWidget();
        const int width = stack && stack->inherits("QStackedWidget") ? stack->width() : parent->width();
        w->move(width - w->x() - w->width(), w->y());
    }
}

bool LanguageLayout::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType())
        if (auto* w = static_cast<QWidget*>(watched); w->isWindow()) {
            mirror(w);
            fit(w);
        }
    return QObject::eventFilter(watched, event);
}

} // namespace brevane
