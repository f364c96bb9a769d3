// Every window in every shipped language, as the program shows a translation (LanguageLayout giving a
// longer text a smaller font): no text wider than its control (labels, buttons, check and option
// boxes, group titles, tabs) where the English one fits, none cut short, mnemonics unique within a
// window, every picture-only button and text field named for a screen reader, and right-to-left
// languages mirroring the dialogs but not the test windows' stimuli.
#include "app/Application.h"
#include "app/Windows.h"
#include "complex_test/ChoiceTestModule.h"
#include "config/SettingsModule.h"
#include "config/frmColorSelect.h"
#include "platform/print/QtPrinting.h"
#include "shared/Language.h"
#include "shared/LanguageLayout.h"
#include "shared/ResultsModule.h"
#include "shared/ResultsWindow.h"
#include "simple_test/SimpleTestModule.h"
#include "simple_test/frmReflex.h"
#include "timing_check/TimingCheckWindow.h"
#include "widgets/Windows.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace brevane;
using namespace brevane::fakes;

namespace {

QString plain(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

// "window/control" for every text that does not fit its control (with what it needs, for the translator).
QStringList clipped(QWidget* window, QStringList* needs)
{
    QStringList out;
    const auto add = [&](QWidget* w, const QString& text, int wanted, int room) {
        out << window->objectName() + u'/' + w->objectName();
        *needs << QStringLiteral("%1/%2 \"%3\": %4 px of %5")
                      .arg(window->objectName(), w->objectName(), text)
                      .arg(wanted)
                      .arg(room);
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        const QFontMetrics fm = w->fontMetrics();
        if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().isEmpty() && l->pixmap().isNull()) {
            const QRect room = l->contentsRect();
            const int wanted = l->wordWrap() ? l->heightForWidth(room.width())
                                             : fm.boundingRect(room, int(l->alignment()), plain(l->text())).width();
            if (wanted > (l->wordWrap() ? room.height() + 2 : room.width()))
                add(l, l->text(), wanted, l->wordWrap() ? room.height() : room.width());
        } else if (auto* b = qobject_cast<QAbstractButton*>(w);
                   b && !b->text().isEmpty() && !qobject_cast<QTabBar*>(w->parentWidget())) {
            const int indicator = qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b) ? 20 : 8;
            const int icon = b->icon().isNull() ? 0 : b->iconSize().width() + 4;
            const int wanted = fm.horizontalAdvance(plain(b->text())) + indicator + icon;
            if (wanted > b->width())
                add(b, b->text(), wanted, b->width());
        } else if (auto* g = qobject_cast<QGroupBox*>(w); g && !g->title().isEmpty()) {
            if (const int wanted = fm.horizontalAdvance(plain(g->title())) + 16; wanted > g->width())
                add(g, g->title(), wanted, g->width());
        } else if (auto* t = qobject_cast<QTabBar*>(w)) {
            if (t->sizeHint().width() > t->width()) // every tab at its whole text
                add(t, t->tabText(t->currentIndex()), t->sizeHint().width(), t->width());
        }
    }
    return out;
}

// "window: &X twice" for every mnemonic two visible buttons of a window share.
QStringList sharedMnemonics(QWidget* window)
{
    QStringList out;
    QHash<QKeySequence, QString> taken;
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        const QKeySequence key = QKeySequence::mnemonic(b->text());
        if (!b->isVisibleTo(window) || key.isEmpty())
            continue;
        if (taken.contains(key))
            out << window->objectName() + QStringLiteral(": ") + taken[key] + QStringLiteral(" and ") + b->text();
        taken.insert(key, b->text());
    }
    return out;
}

struct Survey {
    QStringList clipped, needs, mnemonics, elided;
    QStringList rightToLeft; // windows laid out right to left
};

// Every window of the program on fake services, each as it first shows.
void survey(Survey& s)
{
    const auto look = [&s](QWidget* w) {
        QCoreApplication::processEvents();
        s.clipped << clipped(w, &s.needs);
        s.mnemonics << sharedMnemonics(w);
        checkNamed();
        for (QWidget* c : w->findChildren<QWidget*>())
            if (c->property(kElidedProperty).toBool())
                s.elided << w->objectName() + u'/' + c->objectName() + QStringLiteral(" \"") + c->toolTip() + u'"';
        if (w->layoutDirection() == Qt::RightToLeft)
            s.rightToLeft << w->objectName();
    };
    QTemporaryDir dir;
    const auto back = qScopeGuard([start = QDir::currentPath()] { QDir::setCurrent(start); });
    QDir::setCurrent(dir.path());
    AppState state;
    FakePlatform fp;
    Application app{state, fp.platform, QString()};
    app.start();
    look(app.mainMenu());
    for (const char* button : {"cmdNormal", "cmdColors", "cmdNumbers"}) {
        QTest::mouseClick(child(app.mainMenu(), button), Qt::LeftButton);
        QWidget* test = app.currentWindow();
        look(test);
        QTest::mouseClick(child(test, "cmdDisplay"), Qt::LeftButton);
        // Behind the banner, which loads the simple test's window first.
        const QString name = test->objectName() == u"frmReflex" ? QStringLiteral("frmDisplay")
                                                                : test->objectName() + QStringLiteral("Display");
        QTRY_VERIFY_WITH_TIMEOUT(
            app.currentWindow() && app.currentWindow()->objectName() == name && app.currentWindow()->isVisible(), 5000);
        QWidget* results = app.currentWindow();
        for (QTabWidget* tabs : results->findChildren<QTabWidget*>())
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                look(results);
            }
        QTest::mouseClick(child(results, "cmdDisplayDone"), Qt::LeftButton);
        QTRY_VERIFY(app.currentWindow() == test);
        QTest::mouseClick(child(test, "cmdExit"), Qt::LeftButton);
    }
    QTest::mouseClick(child(app.mainMenu(), "cmdConfigure"), Qt::LeftButton);
    QWidget* settings = app.currentWindow();
    for (QTabWidget* tabs : settings->findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            look(settings);
        }
    frmAbout about(ProgramVersion{2, 0, 0}, QString());
    about.show();
    look(&about);
    frmColorSelect colours(state.ColorPalette, qRgb(192, 0, 0), 4);
    colours.show();
    look(&colours);
    PrintSelection selection(fp.prompt);
    frmPrint print(selection, [] {});
    print.show();
    look(&print);
    frmSplash splash(ProgramVersion{2, 0, 0});
    splash.show();
    splash.setStatus(QCoreApplication::translate("StartupSequence", "Initializing application ... Almost Done"));
    look(&splash);
    frmLoadDisplay banner;
    banner.show();
    look(&banner);
}

} // namespace

class TestTranslated : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { survey(english_); }

    void languages_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& code : availableLanguages({QStringLiteral(":/i18n")}))
            QTest::newRow(qPrintable(code)) << code;
    }
    void languages()
    {
        QFETCH(QString, language);
        const Translations translations(language, {QStringLiteral(":/i18n")});
        LanguageLayout fitter; // as the program runs a translation
        qApp->installEventFilter(&fitter);
        QVERIFY(translations.loaded());
        const Qt::LayoutDirection direction = QLocale(language).textDirection();
        QGuiApplication::setLayoutDirection(direction);
        const auto back = qScopeGuard([] {
            QGuiApplication::setLayoutDirection(Qt::LeftToRight);
            QLocale::setDefault(QLocale::c());
        });
        Survey s;
        survey(s);
        QStringList worse;
        for (qsizetype i = 0; i < s.clipped.size(); ++i)
            if (!english_.clipped.contains(s.clipped[i]))
                worse << s.needs[i];
        worse.removeDuplicates();
        QVERIFY2(worse.isEmpty(), qPrintable(language + QStringLiteral(" clips:\n") + worse.join(u'\n')));
        QVERIFY2(s.mnemonics.isEmpty(), qPrintable(s.mnemonics.join(u'\n')));
        // A smaller font may make room; a shipped translation needs no text cut short.
        s.elided.removeDuplicates();
        QVERIFY2(s.elided.isEmpty(), qPrintable(language + QStringLiteral(" elides:\n") + s.elided.join(u'\n')));
        // The dialogs follow the language; the test windows keep their stimuli where they are.
        QCOMPARE(s.rightToLeft.contains(QStringLiteral("frmMain")), direction == Qt::RightToLeft);
        for (const char* test : {"frmReflex", "frmColorReflex", "frmNumberReflex"})
            QVERIFY2(!s.rightToLeft.contains(QLatin1String(test)), test);
    }

private:
    Survey english_;
};

QTEST_MAIN(TestTranslated)
#include "tst_translated.moc"
