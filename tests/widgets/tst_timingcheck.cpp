#include "fakes/Fakes.h"
#include "platform/display/FramePresenter.h"
#include "platform/input/DevicePressStamper.h"
#include "timing_check/FrameStatistics.h"
#include "timing_check/TimingCheckWindow.h"

#include <QLabel>

using namespace brevane;

namespace {
struct FramesCase {
    const char* name;
    std::vector<double> intervalsMs; // between the stamps
    double periodMs, jitterMs, worstMs;
    int late;
};
} // namespace

// The timing check: its frame statistics, a pure function of the stamps, and its window.
class TestTimingCheck : public QObject {
    Q_OBJECT
private slots:
    // The period is the median interval, so missed frames are counted as late rather than
    // lowering the refresh; the jitter and the worst distance are over the intervals on time.
    void statistics_data()
    {
        fakes::addRows<FramesCase>({
            {"steady 60 Hz", {16.5, 16.5, 16.5}, 16.5, 0, 0, 0},
            {"alternating around 10 ms", {9, 11, 9, 11}, 10, 1, 1, 0},
            {"a missed frame is late, not slower", {10, 10, 20, 10, 10}, 10, 0, 0, 1},
            {"one early, one late interval", {10, 10, 8, 12, 10}, 10, std::sqrt(1.6), 2, 0},
            {"one stamp: nothing measured", {}, 0, 0, 0, 0},
        });
    }
    void statistics()
    {
        QFETCH(FramesCase, row);
        std::vector<std::int64_t> stamps{123'000'000'000};
        for (double ms : row.intervalsMs)
            stamps.push_back(stamps.back() + std::int64_t(ms * 1e6));
        const FrameStatistics s = frameStatistics(stamps);
        QCOMPARE(s.intervals, int(row.intervalsMs.size()));
        QCOMPARE(s.periodMs, row.periodMs);
        QCOMPARE(s.refreshHz, row.periodMs > 0 ? 1000 / row.periodMs : 0);
        QVERIFY2(std::fabs(s.jitterMs - row.jitterMs) < 1e-9, qPrintable(QString::number(s.jitterMs)));
        QCOMPARE(s.worstMs, row.worstMs);
        QCOMPARE(s.late, row.late);
    }

    // Off X and without a sound device, every source names its fallback. Each frame waits out
    // its deadline on the clock, one refresh after the last; the patch turns every
    // half second of frames, and then the readout shows what the stamps measured.
    void framesKeepTheRefreshAndTheReadoutNamesTheFallbacks()
    {
        fakes::FakeClock clock;
        fakes::FakeTimerFactory timers;
        fakes::FakeBeeper beeper;
        beeper.device = false;
        FramePresenter presenter(clock);
        DevicePressStamper presses(clock);
        TimingCheckWindow check(clock, timers, beeper, presenter, presses);
        check.show();
        auto* readout = check.findChild<QLabel*>();
        QVERIFY(readout->text().contains("display repaint, input toolkit event, sound none"));
        const auto* patch = check.findChildren<QWidget*>().value(0);
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
