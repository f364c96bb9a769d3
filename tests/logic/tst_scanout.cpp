#include "fakes/Fakes.h"
#include "platform/display/ScanOut.h"
#include "platform/display/x11/FrameTimings.h"

using namespace brevane;

namespace {
// 1920x1080 at 60 Hz (CEA: 2200 dots a line at 148.5 MHz, 14.81 µs); a 2560x1440 at 60 Hz (2720
// dots at 241.5 MHz, 11.26 µs) to the right of it, and a 1280x1024 at 60 Hz (1688 dots at 108 MHz,
// 15.63 µs) below it.
const ScanOutMonitor k60{0, 0, 1920, 1080, linePeriodNs(2200, 148'500'000)};
const ScanOutMonitor kRight{1920, 0, 2560, 1440, linePeriodNs(2720, 241'500'000)};
const ScanOutMonitor kBelow{0, 1080, 1280, 1024, linePeriodNs(1688, 108'000'000)};

struct PanelCase {
    const char* name;
    std::vector<ScanOutMonitor> monitors;
    QPoint panel;
    qint64 expectedNs;
};
struct TimingsCase {
    const char* name;
    FrameTimingsWords words; // drawn low, drawn high, offset, refresh
    qint64 presentedNs, refreshNs;
};
} // namespace

class TestScanOut : public QObject {
    Q_OBJECT
private slots:
    // The panel's top line appears its row on its own monitor times the line period after the
    // start of the scan-out: line 450 of a 60 Hz monitor about 6.7 ms.
    void delayToPanelTop_data()
    {
        const std::vector<ScanOutMonitor> one{k60}, three{k60, kRight, kBelow};
        // clang-format off
        fakes::addRows<PanelCase>({
            {"60 Hz, top line", one, {700, 0}, 0},
            {"60 Hz, line 450", one, {700, 450}, 6'666'667},
            {"second monitor to the right, line 450", three, {2500, 450}, 5'068'323},
            {"second monitor below, its line 300", three, {100, 1380}, 4'688'889},
            {"beside the monitor below: no monitor", three, {1500, 1380}, 0},
            {"virtual screen: no line period", {{0, 0, 1024, 768, 0}}, {300, 400}, 0},
            {"mode without a dot clock", {{0, 0, 1024, 768, linePeriodNs(1344, 0)}}, {300, 400}, 0},
        });
        // clang-format on
    }
    void delayToPanelTop()
    {
        QFETCH(PanelCase, row);
        QCOMPARE(qint64(scanOutDelayNs(row.monitors, row.panel.x(), row.panel.y())), row.expectedNs);
    }

    // A change read back from the frame buffer reaches the glass at the next refresh; on a
    // virtual screen (no period) the frame buffer is what is seen.
    void changeGoesOnTheNextRefresh()
    {
        constexpr qint64 refresh = 5'000'000'000, period = 16'666'667;
        struct Row {
            qint64 changeNs, periodNs, expectedNs;
        };
        for (const Row& r :
             {Row{refresh, period, refresh}, Row{refresh + 1, period, refresh + period},
              Row{refresh + 2 * period - 5, period, refresh + 2 * period},
              Row{refresh - period - 3, period, refresh - period}, Row{refresh + 700'000, 0, refresh + 700'000}})
            QCOMPARE(qint64(nextRefreshNs(r.changeNs, refresh, r.periodNs)), r.expectedNs);
    }

    // A compositor's frame timings: the frame is on the glass the offset after the drawn time,
    // whose microseconds come in two halves; an offset of 0 or of the most negative value says
    // the compositor does not know (mutter drawing in software), and no time is made up.
    void frameTimings_data()
    {
        // clang-format off
        fakes::addRows<TimingsCase>({
            {"60 Hz, shown 5.2 ms after drawing", {5'000'000, 0, 5'200, 16'667}, 5'005'200'000, 16'667'000},
            {"drawn time past 32 bits", {1'497'805'570, 1, 1'000, 6'944}, 5'792'773'866'000, 6'944'000},
            {"negative offset", {5'000'000, 0, quint32(-300), 0}, 4'999'700'000, 0},
            {"offset 0: unknown", {5'000'000, 0, 0, 0}, 0, 0},
            {"most negative offset: unknown", {5'000'000, 0, 0x8000'0000u, 16'667}, 0, 16'667'000},
            {"no drawn time", {0, 0, 5'200, 16'667}, 0, 16'667'000},
        });
        // clang-format on
    }
    void frameTimings()
    {
        QFETCH(TimingsCase, row);
        const FrameTime time = frameTimingsTime(row.words);
        QCOMPARE(qint64(time.presentedNs), row.presentedNs);
        QCOMPARE(qint64(time.refreshNs), row.refreshNs);
    }
};

QTEST_MAIN(TestScanOut)
#include "tst_scanout.moc"
