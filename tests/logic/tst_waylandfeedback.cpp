#include "fakes/Fakes.h"
#include "platform/display/wayland/WaylandFeedback.h"

using namespace brevane;

namespace {
constexpr qint64 ms = 1'000'000, handed = 7000 * ms, confirmed = handed + 150'000;
constexpr std::uint32_t kHardware = StampVsync | StampHardwareClock | StampHardwareCompletion;

struct FeedbackCase {
    const char* name;
    PresentedEvent event; // seconds, nanoseconds, refresh, sequence, kinds
    ClockLink clock;      // linked, offset, spread
    StampSource source;
    qint64 stamp;
    bool exact;
    std::uint32_t flags;
};

struct ScanOutCase {
    const char* name;
    std::uint32_t refreshNs, kinds;
    int outputHeight, panelTop;
    qint64 expected;
};
} // namespace

class TestWaylandFeedback : public QObject {
    Q_OBJECT
private slots:
    // The presented event's time, brought onto our clock, is the stamp, with its frame counter and
    // kinds; exact only where the hardware signalled the frame. A compositor clock we cannot read, or read only
    // loosely, leaves the hand-over, estimated and marked as a fallback.
    void presented_data()
    {
        const PresentedEvent at7016{7, 16 * ms, 16'666'667, 421, kHardware | StampZeroCopy};
        // clang-format off
        fakes::addRows<FeedbackCase>({
            {"CLOCK_MONOTONIC, kinds kept", at7016, {true, 0, 0}, StampSource::Feedback, 7016 * ms, true,
             kHardware | StampZeroCopy},
            {"the compositor's own time: estimated", {7, 16 * ms, 0, 0, 0}, {true, 0, 0}, StampSource::Feedback, 7016 * ms,
             false, 0},
            {"vsync and hw_clock without hw_completion", {7, 16 * ms, 0, 0, StampVsync | StampHardwareClock}, {true, 0, 0},
             StampSource::Feedback, 7016 * ms, false, StampVsync | StampHardwareClock},
            {"another clock, linked closely", at7016, {true, -2500 * ms, 3000}, StampSource::Feedback, 4516 * ms, true,
             kHardware | StampZeroCopy},
            {"seconds beyond 32 bits", {(std::uint64_t(1) << 32) + 7, 0, 0, 0, StampHardwareCompletion},
             {true, -(std::int64_t(1) << 32) * 1000 * ms, 0}, StampSource::Feedback, 7000 * ms, true,
             StampHardwareCompletion},
            {"another clock, read too loosely", at7016, {true, -2500 * ms, kClockLinkLimitNs + 1}, StampSource::HandOver,
             handed, false, StampFallback},
            {"a clock not readable here", at7016, {}, StampSource::HandOver, handed, false, StampFallback},
        });
        // clang-format on
    }
    void presented()
    {
        QFETCH(FeedbackCase, row);
        Presentation shown{handed, confirmed};
        takePresented(shown, row.event, row.clock);
        const StampTrace trace = shown.trace();
        QCOMPARE(shown.source(), row.source);
        QCOMPARE(shown.stampNs(), row.stamp);
        QCOMPARE(trace.exact, row.exact);
        QCOMPARE(trace.flags, row.flags);
        QCOMPARE(trace.msc, row.source == StampSource::Feedback ? row.event.sequence : 0);
        QCOMPARE(trace.handOverNs, handed); // kept beside the feedback's stamp, for the benchmark
    }

    // A discarded feedback or none in time: the hand-over, or the clock where the compositor
    // never confirmed the commit, estimated and marked.
    void fallback()
    {
        for (const qint64 reply : {confirmed, qint64(0)}) {
            Presentation shown{handed, reply};
            takeFallback(shown);
            QCOMPARE(shown.source(), reply ? StampSource::HandOver : StampSource::Clock);
            QVERIFY(!shown.trace().exact);
            QCOMPARE(shown.trace().flags, std::uint32_t(StampFallback));
        }
    }

    // Only a hardware time of the refresh's start (vsync and hw_clock) waits for the scan-out to
    // reach the panel; a line takes the refresh over the output's height.
    void scanOut_data()
    {
        const std::uint32_t start = StampVsync | StampHardwareClock;
        fakes::addRows<ScanOutCase>({
            {"60 Hz, 1080 lines, row 450", 16'666'667, start, 1080, 450, 6'944'445},
            {"144 Hz, 1080 lines, row 450", 6'944'444, start | StampHardwareCompletion, 1080, 450, 2'893'518},
            {"software time", 16'666'667, 0, 1080, 450, 0},
            {"vsync without the hardware clock", 16'666'667, StampVsync, 1080, 450, 0},
            {"no steady refresh", 0, start, 1080, 450, 0},
            {"panel below the output", 16'666'667, start, 1080, 1200, 0},
        });
    }
    void scanOut()
    {
        QFETCH(ScanOutCase, row);
        QCOMPARE(waylandScanOutNs({0, 0, row.refreshNs, 0, row.kinds}, row.outputHeight, row.panelTop), row.expected);
    }

    // Our own clock links as it is; another readable one is set against it within a few
    // microseconds; an unknown clock does not link.
    void clockLink()
    {
        const ClockLink mono = linkClock(CLOCK_MONOTONIC);
        QVERIFY(mono.linked && mono.offsetNs == 0 && mono.spreadNs == 0);
        const ClockLink raw = linkClock(CLOCK_MONOTONIC_RAW);
        QVERIFY(raw.linked && raw.spreadNs >= 0);
        timespec t{}, ours{};
        clock_gettime(CLOCK_MONOTONIC_RAW, &t);
        clock_gettime(CLOCK_MONOTONIC, &ours);
        const qint64 converted = qint64(t.tv_sec) * 1000 * ms + t.tv_nsec + raw.offsetNs;
        QVERIFY(std::llabs(converted - (qint64(ours.tv_sec) * 1000 * ms + ours.tv_nsec)) < 50 * ms);
        QVERIFY(!linkClock(clockid_t(4242)).linked);
    }
};

QTEST_MAIN(TestWaylandFeedback)
#include "tst_waylandfeedback.moc"
