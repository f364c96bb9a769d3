#include "fakes/Fakes.h"
#include "timing_check/FrameStatistics.h"

using namespace reflex;

namespace {
struct FramesCase {
    const char* name;
    std::vector<double> intervalsMs; // between the stamps
    double periodMs, jitterMs, worstMs;
    int late;
};
} // namespace

class TestFrameStatistics : public QObject {
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
            {"a single interval", {5}, 5, 0, 0, 0},
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
};

QTEST_MAIN(TestFrameStatistics)
#include "tst_framestatistics.moc"
