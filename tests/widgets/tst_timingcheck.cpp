#include "fakes/Fakes.h"
#include "platform/display/FramePresenter.h"
#include "platform/input/DevicePressStamper.h"
#include "shared/MachineResult.h"
#include "timing_check/FrameStatistics.h"
#include "timing_check/MachineCheckWindow.h"
#include "timing_check/TimingCheckWindow.h"

#include <QBuffer>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

using namespace brevane;

namespace {
struct FramesCase {
    const char* name;
    std::vector<double> intervalsMs; // between the stamps
    double periodMs, jitterMs, worstMs;
    int late;
};
// An input the test records into itself: blocks of 256 frames, each dated as a capture stream
// would, from `fromNs` for `ms`.
struct FakeCapture final : SoundCapture {
    bool start(Sink s, QString& why) override
    {
        return available ? (sink = std::move(s), true) : (why = "no input here", false);
    }
    void stop() override { sink = nullptr; }
    unsigned rate() const override { return 48000; }
    QString deviceName() const override { return "fake input"; }
    CaptureSource route() const override { return CaptureSource::Graph; }
    void record(std::int64_t fromNs, int ms, const std::function<double(std::int64_t ns)>& value) const
    {
        for (std::int64_t at = 0; at < std::int64_t(ms) * 48; at += 256) {
            CaptureBlock block{fromNs + at * 1'000'000'000 / 48000, CaptureSource::Graph, {}};
            for (std::int64_t k = 0; k < 256; ++k)
                block.frames.push_back(float(value(block.firstNs + k * 1'000'000'000 / 48000)));
            sink(block);
        }
    }
    bool available = true;
    Sink sink;
};

QPushButton* button(QWidget& window, const QString& name)
{
    for (QPushButton* b : window.findChildren<QPushButton*>())
        if (b->accessibleName() == name)
            return b;
    return nullptr;
}
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

    // Off X and without a sound device, every source names its fallback, the presenter saying why
    // and stamping by the clock every time. Each frame waits out its deadline on the clock, one
    // refresh after the last; the patch turns every half second of frames, and then the readout
    // shows what the stamps measured.
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
        QCOMPARE(presenter.fallbackReason(), std::string("not an X session"));
        QVERIFY2(readout->text().contains("Frames stamped at 60.00 Hz (one every 16.667 ms)") &&
                     readout->text().contains("SD 0.000 ms, worst 0.000 ms, 0 late of the last 30"),
                 qPrintable(readout->text()));
    }

    // The machine check as a teacher takes it, on fakes: the screen skipped, ten tones whose input
    // brings each back 12 ms after its stamp, the mouse skipped; Save keeps the result where the
    // about box and the summary read it, the sound's lag in it and where its stamps came from.
    void machineCheckTimesTheSoundAndKeepsTheResult()
    {
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        fakes::FakeClock clock;
        clock.now = 100'000'000'000;
        fakes::FakeTimerFactory timers;
        fakes::FakeBeeper beeper(&clock);
        beeper.tone = [&clock] { return ToneStamp{clock.now, ToneSource::Graph}; };
        FakeCapture capture;
        fakes::FakePresenter presenter;
        fakes::FakePressStamper presses;
        MachineCheckWindow check(clock, timers, beeper, capture, presenter, presses);
        check.show();
        QVERIFY(capture.sink);
        auto* guide = check.findChild<QLabel*>();
        QPushButton *start = button(check, "Start"), *skip = button(check, "Skip this part"),
                    *save = button(check, "Save the result");
        QVERIFY(start && skip && save && !save->isEnabled());
        start->click();
        QVERIFY(guide->text().startsWith("Screen: a photodiode") && guide->text().contains("BPW34"));
        skip->click();
        QVERIFY(guide->text().startsWith("Sound: the output looped to the input"));
        start->click();
        QCOMPARE(beeper.holds, 1);
        fakes::FakeTimer* ticker = timers.timers[0];
        const std::int64_t first = clock.now + 1'000'000'000;
        for (int k = 0; k < 10; ++k) {
            clock.advanceMs(1000);
            QVERIFY(ticker->fire());
        }
        QCOMPARE(beeper.beeps, 10);
        QCOMPARE(beeper.holds, 0);
        static const std::vector<std::int16_t> tone = makeTone(48000);
        capture.record(first - 300'000'000, 10'000, [&](std::int64_t ns) {
            const std::int64_t since = (ns - first) % 1'000'000'000 - 12'000'000; // 12 ms after each stamp
            const std::int64_t i = since * 48000 / 1'000'000'000;
            return ns >= first && i >= 0 && i < std::int64_t(tone.size()) ? tone[std::size_t(i)] / 32768.0 : 0.0;
        });
        QVERIFY(ticker->fire()); // the recording covers the last tone: the part ends
        QVERIFY2(guide->text().startsWith("sound: mean +12."), qPrintable(guide->text()));
        start->click(); // Next part
        QVERIFY(guide->text().startsWith("Mouse: each button's click") && guide->text().contains("0.03 ms"));
        skip->click();
        QVERIFY(save->isEnabled() && guide->text().contains("screen: skipped\nsound: mean +12."));
        save->click();
        QVERIFY2(guide->text().startsWith("Saved to "), qPrintable(guide->text()));
        QBuffer kept;
        kept.setData(fakes::readFile(config.filePath("Brevane/machine-check.txt")));
        kept.open(QIODevice::ReadOnly);
        QString why;
        const std::optional<MachineResult> result = readMachineResult(kept, why);
        QVERIFY2(result && result->lags.size() == 1, qPrintable(why));
        QCOMPARE(result->lags[0].part, "sound");
        QVERIFY(result->lags[0].measuredOk() && std::fabs(result->lags[0].meanMs - 12) < 0.4);
        QCOMPARE(result->soundStamps, "PipeWire graph");
        QCOMPARE(result->captureStamps, "PipeWire graph");
        qunsetenv("XDG_CONFIG_HOME");
    }

    // Without an input to record from, the check says so and starts nothing.
    void machineCheckWithoutAnInput()
    {
        fakes::FakeClock clock;
        fakes::FakeTimerFactory timers;
        fakes::FakeBeeper beeper;
        FakeCapture capture;
        capture.available = false;
        fakes::FakePresenter presenter;
        fakes::FakePressStamper presses;
        MachineCheckWindow check(clock, timers, beeper, capture, presenter, presses);
        check.show();
        QVERIFY(!button(check, "Start")->isEnabled());
        QVERIFY(check.findChild<QLabel*>()->text().startsWith("No input to record from: no input here."));
    }
};

QTEST_MAIN(TestTimingCheck)
#include "tst_timingcheck.moc"
