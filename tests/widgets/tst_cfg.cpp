#include "config/SettingsModule.h"
#include "config/frmCfg.h"
#include "config/frmColorSelect.h"
#include "fakes/Fakes.h"
#include "platform/AlsaMixer.h"
#include "config/MasterVolume.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

using namespace reflex;
using namespace reflex::fakes;

namespace {

template <typename T = QWidget> T* child(QWidget* w, const char* name)
{
    T* c = w->findChild<T*>(QLatin1String(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

// A radio button takes clicks on its circle and caption, not on the rest of its row.
void clickOption(QWidget* w, const char* name)
{
    QWidget* b = child(w, name);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
}

QString accessibleName(QWidget* w)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
}

struct RecordingShell final : Shell {
    void show(QWidget* window) override { shown = window; }
    bool offers(Destination) const override { return true; }
    void open(OpenRequest) override {}
    void writeRecoveryFile() override {}
    ResponseTrace* responseTrace() override { return nullptr; }
    QWidget* shown = nullptr;
};

bool soundCardPresent()
{
    QFile cards(QStringLiteral("/proc/asound/cards"));
    return cards.open(QIODevice::ReadOnly) && !cards.readAll().contains("no soundcards");
}

} // namespace

class TestCfg : public QObject {
    Q_OBJECT
private slots:
    void alsaMixerWithoutCard_data()
    {
        QTest::addColumn<QByteArray>("card");
        QTest::newRow("no such card") << QByteArray("hw:CARD=NoSuchCard");
        QTest::newRow("default card") << QByteArray("default");
    }
    void alsaMixerWithoutCard()
    {
        QFETCH(QByteArray, card);
        if (card == "default" && soundCardPresent())
            QSKIP("this machine has a sound card; its volume is left alone");
        AlsaMixer mixer(card);
        QVERIFY(!SetMasterVolume(mixer, 50));
    }

    // Every control a user reaches has a name a screen reader can say; colour panels also
    // say what clicking them does.
    void everyControlIsNamed()
    {
        FakePlatform fp;
        FakeMixer mixer;
        AppState state;
        frmCfg w(state, fp.platform, mixer);
        for (QWidget* c : w.findChildren<QWidget*>()) {
            if (!qobject_cast<QLineEdit*>(c) && !qobject_cast<QAbstractButton*>(c))
                continue;
            QVERIFY2(!accessibleName(c).trimmed().isEmpty(), qPrintable(c->objectName()));
            if (c->objectName().startsWith("pnl") || c->objectName().endsWith("ColorBox"))
                QVERIFY2(!c->toolTip().isEmpty(), qPrintable(c->objectName()));
        }
        QCOMPARE(accessibleName(child(&w, "txtNormalFixedTimeInterval")),
                 child<QLabel>(&w, "lblNormalFixedTimeInterval")->text());
    }

    void fieldsAndOptionsAreWired()
    {
        FakePlatform fp;
        FakeMixer mixer;
        AppState state;
        state.Config = ReflexConfig{};
        frmCfg w(state, fp.platform, mixer);
        w.openOn(0);
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));

        auto* fixed = child<QLineEdit>(&w, "txtNormalFixedTimeInterval");
        auto* minimum = child<QLineEdit>(&w, "txtNormalMinimumTimeInterval");
        QVERIFY(!fixed->isEnabled());
        clickOption(&w, "optNormalIntervalTiming_1");
        QVERIFY(fixed->isEnabled());
        QVERIFY(!minimum->isEnabled());
        QVERIFY(!child(&w, "lblNormalMinimumTimeInterval")->isEnabled());

        // Leaving a field checks it: refused puts the value back with a beep.
        fixed->setFocus();
        QTest::keyClicks(fixed, "-5");
        child(&w, "txtNormRunCount")->setFocus();
        QCOMPARE(fixed->text(), "2000");
        QCOMPARE(fp.beeper.beeps, 1);
        fixed->setFocus();
        fixed->setText("2500.5");
        QTest::mouseClick(child(&w, "cmdOk"), Qt::LeftButton); // OK takes it through its check
        QCOMPARE(state.Config.Normal.FixedTimeInterval, 2500);
        QCOMPARE(state.Config.Normal.IntervalTiming, 1);

        // A run count that is not a number springs back as it is typed.
        auto* runs = child<QLineEdit>(&w, "txtColorRunCount");
        runs->setFocus();
        runs->selectAll();
        QTest::keyClicks(runs, "x");
        QCOMPARE(runs->text(), "10");

        clickOption(&w, "optColorTriggerOn_0");
        QVERIFY(child<QRadioButton>(&w, "optColorMakeSound_0")->isChecked());
        QVERIFY(!child(&w, "optColorMakeSound_1")->isEnabled());
    }

    void colourSelection_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<int>("selected");
        QTest::newRow("accepted untouched") << QList<int>{} << true << 6;
        QTest::newRow("accepted after clicks") << QList<int>{3, 12} << true << 12;
        QTest::newRow("cancelled") << QList<int>{3} << false << -1;
    }
    void colourSelection()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(bool, accept);
        QFETCH(int, selected);
        std::array<qint16, 16> palette{};
        for (int i = 0; i < 16; ++i)
            palette[i] = qint16(i);
        frmColorSelect d(palette, qRgb(192, 0, 0), 6);
        for (int i : clicks)
            child<QPushButton>(&d, qPrintable(QStringLiteral("ColorSelection_%1").arg(i)))->click();
        child<QPushButton>(&d, accept ? "cmdSelectColor" : "cmdCancelSelect")->click();
        QCOMPARE(d.SelectedColor(), selected);
    }

    void moduleOpensOnPageAndLeaves()
    {
        FakePlatform fp;
        AppState state;
        state.Config = ReflexConfig{};
        RecordingShell shell;
        SettingsModule module({state, fp.platform, shell}, std::make_unique<FakeMixer>());
        QWidget opener;
        int returned = 0;
        module.open({Destination::Settings, &opener, [&] { ++returned; }, 2});
        QCOMPARE(shell.shown, module.window());
        QCOMPARE(child<QTabWidget>(module.window(), "SSTab1")->currentIndex(), 2);
        child<QLineEdit>(module.window(), "txtNumberRunCount")->setText("12");
        module.window()->editor().leave(SettingsField::NumberRunCount, "12");
        QTest::mouseClick(child(module.window(), "cmdCancel"), Qt::LeftButton);
        QCOMPARE(returned, 1);
        QCOMPARE(shell.shown, &opener);
        QCOMPARE(state.Config, ReflexConfig{});

        module.open({Destination::Settings, &opener, [&] { ++returned; }, 0});
        QCOMPARE(child<QLineEdit>(module.window(), "txtNumberRunCount")->text(), "10");
        QCOMPARE(child<QTabWidget>(module.window(), "SSTab1")->currentIndex(), 0);
    }
};

QTEST_MAIN(TestCfg)
#include "tst_cfg.moc"
