#include "fakes/Fakes.h"
#include "timing_check/TimingCheckWindow.h"

#include <QLabel>

using namespace reflex;

class TestTimingCheck : public QObject {
    Q_OBJECT
private slots:
    // Off X and without a sound device, every source names its fallback. Each frame waits out
    // its deadline on the clock, one refresh after the last; the patch turns every
    // half second of frames, and then the readout shows what the stamps measured.
    void framesKeepTheRefreshAndTheReadoutNamesTheFallbacks()
    {
        fakes::FakeClock clock;
        fakes::FakeTimerFactory timers;
        fakes::FakeBeeper beeper;
        beeper.device = false;
        TimingCheckWindow check(clock, timers, beeper);
        check.show();
        auto* readout = check.findChild<QLabel*>();
        QVERIFY(readout->text().contains("display repaint, input toolkit event, sound none"));
        const auto* patch = check.findChildren<QWidget*>().value(0);
        QCOMPARE(patch->accessibleName(), "Flashing patch");
        const std::int64_t start = clock.now;
        const int phase = TimingCheckWindow::framesPerPhase(60);
        QList<QColor> colours;
        for (int i = 0; i <= phase; ++i) {
            QVERIFY(timers.timers[0]->fire());
            colours << patch->palette().color(QPalette::Window);
        }
        QCOMPARE(clock.now - start, (phase + 1) * std::llround(1e9 / 60));
        QCOMPARE(colours.count(Qt::white), phase);
        QCOMPARE(colours.last(), QColor(Qt::black));
        QVERIFY2(readout->text().contains("Frames stamped at 60.00 Hz (one every 16.667 ms)") &&
                     readout->text().contains("SD 0.000 ms, worst 0.000 ms, 0 late of the last 30"),
                 qPrintable(readout->text()));
    }
};

QTEST_MAIN(TestTimingCheck)
#include "tst_timingcheck.moc"
