#include "config/MasterVolume.h"
#include "config/SettingsModule.h"
#include "config/frmCfg.h"
#include "config/frmColorSelect.h"
#include "fakes/Fakes.h"
#include "widgets/Controls.h"
#include "platform/AlsaMixer.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <numeric>

using namespace reflex;
using namespace reflex::fakes;

namespace {

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

} // namespace

class TestCfg : public QObject {
    Q_OBJECT
private slots:
    // The real mixer on a machine without a card: False, with nothing else to see.
    void alsaMixerWithoutCard()
    {
        AlsaMixer missing("hw:CARD=NoSuchCard");
        QVERIFY(!SetMasterVolume(missing, 50));
        QFile cards(QStringLiteral("/proc/asound/cards"));
        if (cards.open(QIODevice::ReadOnly) && !cards.readAll().contains("no soundcards"))
            QSKIP("this machine has a sound card; its volume is left alone");
        AlsaMixer system;
        QVERIFY(!SetMasterVolume(system, 50));
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

    // The colour dialog answers the colour it started on, the last one clicked, or -1.
    void colourSelection()
    {
        std::array<qint16, 16> palette{};
        std::iota(palette.begin(), palette.end(), qint16(0));
        using Case = std::tuple<QList<int>, const char*, int>;
        for (const auto& [clicks, button, selected] :
             {Case{{}, "cmdSelectColor", 6}, Case{{3, 12}, "cmdSelectColor", 12}, Case{{3}, "cmdCancelSelect", -1}}) {
            frmColorSelect d(palette, qRgb(192, 0, 0), 6);
            for (int i : clicks)
                child<QPushButton>(&d, qPrintable(QStringLiteral("ColorSelection_%1").arg(i)))->click();
            child<QPushButton>(&d, button)->click();
            QCOMPARE(d.SelectedColor(), selected);
        }
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
