// A choice test module: its window opened, Options through the shell and back.
#include "complex_test/ChoiceTestModule.h"
#include "complex_test/ChoiceWindow.h"
#include "config/SettingsModule.h"
#include "config/frmCfg.h"
#include "widgets/Windows.h"

#include <QLabel>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace brevane;
using namespace brevane::fakes;

class TestComplexTest : public QObject {
    Q_OBJECT
private slots:
    // Opened on set 1, Display off without a results window. Options opens the settings on the
    // test's page with the stored settings; Cancel drops what was typed and hands back, and the
    // window re-reads the length and the trigger picture (SOUNDS.ICO from the start directory).
    // Only the colour window keeps a comment as its box loses the focus.
    void choiceModuleWiring_data() { testRows(false); }
    void choiceModuleWiring()
    {
        QFETCH(int, test);
        const bool colour = test == int(ChoiceStyle::Color);
        QTemporaryDir dir;
        QImage red(16, 16, QImage::Format_ARGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(dir.filePath(QStringLiteral("sounds.ico")), "ICO"));
        AppState state;
        state.Config = ReflexConfig{};
        state.StartDirectory = dir.path();
        FakePlatform fp;
        RecordingShell shell;
        FakeSeriesRecorder series;
        ChoiceTestModule module({state, fp.platform, shell, series}, colour ? kColorTest : kNumberTest,
                                ChoiceStyle(test));
        module.preload();
        state.CurrentSet = 7; // after the window's own start
        module.open({module.destinations().at(0), nullptr, {}, 0});
        ChoiceWindow* w = module.window();
        QVERIFY(shell.shown == w && state.CurrentSet == 1 && !child(w, "cmdDisplay")->isEnabled());
        auto* icon = child<QLabel>(w, "picTriggerOnDisplay");

        auto* comment = child<QLineEdit>(w, "txtSetComment");
        comment->setText(QStringLiteral("typed"));
        QFocusEvent out(QEvent::FocusOut);
        QCoreApplication::sendEvent(comment, &out);
        QCOMPARE((colour ? state.Color : state.Number).SetComment[0], colour ? QStringLiteral("typed") : QString());

        QTest::mouseClick(child(w, "cmdConfigure"), Qt::LeftButton);
        QVERIFY(shell.opened.size() == 1 && shell.opened[0].destination == Destination::Settings);
        SettingsModule settings({state, fp.platform, shell, series});
        settings.open(shell.opened[0]); // as the shell routes it
        frmCfg* dialog = settings.window();
        // The 75 the slider shows at first is on the device (75 % of 0..65535).
        QVERIFY(child<QSlider>(dialog, "VolSlider")->value() == 75 && fp.mixer.values == QList<long>{49151});
        const auto* runs = child<QLineEdit>(dialog, "txtNormRunCount");
        QCOMPARE(child<QTabWidget>(dialog, "SSTab1")->currentIndex(), colour ? 1 : 2);
        QVERIFY(shell.shown == dialog && runs->text() == "10");
        dialog->editor().leave(SettingsField::NormRunCount, "12");
        ChoiceConfigBlock& b = colour ? state.Config.Color : state.Config.Number; // as if stored meanwhile
        b.RunCount = 4;
        b.TriggerOn = 0;
        QTest::mouseClick(child(dialog, "cmdCancel"), Qt::LeftButton);
        QVERIFY(shell.shown == w && state.Config.Normal.RunCount == 10);
        QCOMPARE(child<QLabel>(w, "lblRunCountNumber")->text(), QStringLiteral("   04"));
        QCOMPARE(std::pair(icon->accessibleName(), icon->pixmap().toImage().pixelColor(16, 16)),
                 std::pair(QString("With Sound"), QColor(Qt::red)));
        settings.open(shell.opened[0]);
        QCOMPARE(runs->text(), QStringLiteral("10")); // what is stored, not what was typed

        shell.settings = false;
        module.open({module.destinations().at(0), nullptr, {}, 0});
        QVERIFY(!child(w, "cmdConfigure")->isEnabled());
    }
};

QTEST_MAIN(TestComplexTest)
#include "tst_complextest.moc"
