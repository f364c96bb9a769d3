#include "config/MasterVolume.h"
#include "config/SettingsModule.h"
#include "config/frmCfg.h"
#include "config/frmColorSelect.h"
#include "fakes/Fakes.h"
#include "platform/AlsaMixer.h"
#include "widgets/Controls.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <numeric>

using namespace reflex;
using namespace reflex::fakes;

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

    // The dialog opens on the page asked for with the stored settings; Cancel drops what was
    // typed and hands back to the window that opened it.
    void moduleOpensOnPageAndLeaves()
    {
        FakePlatform fp;
        AppState state;
        state.Config = ReflexConfig{};
        RecordingShell shell;
        SettingsModule module({state, fp.platform, shell}, std::make_unique<FakeMixer>());
        QWidget opener;
        int returned = 0;
        for (int page : {2, 0}) {
            module.open({Destination::Settings, &opener, [&] { ++returned; }, page});
            QCOMPARE(shell.shown, module.window());
            QCOMPARE(child<QTabWidget>(module.window(), "SSTab1")->currentIndex(), page);
            QCOMPARE(child<QLineEdit>(module.window(), "txtNumberRunCount")->text(), QStringLiteral("10"));
            module.window()->editor().leave(SettingsField::NumberRunCount, "12");
            QTest::mouseClick(child(module.window(), "cmdCancel"), Qt::LeftButton);
            QVERIFY(returned == (page ? 1 : 2) && shell.shown == &opener && state.Config == ReflexConfig{});
        }
    }
};

QTEST_MAIN(TestCfg)
#include "tst_cfg.moc"
