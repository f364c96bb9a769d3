#include "platform/FrameTimings.h"
#include "platform/Presentation.h"
#include "platform/ScanOut.h"

#include <QTest>

using namespace brevane;

namespace {
// 1920x1080 at 60 Hz (CEA: 2200 dots a line at 148.5 MHz, 14.81 µs), at 144 Hz (2080 dots at
// 325.08 MHz, 6.40 µs); a 2560x1440 at 60 Hz (2720 dots at 241.5 MHz, 11.26 µs) to the right of
// the first, and a 1280x1024 at 60 Hz (1688 dots at 108 MHz, 15.63 µs) below it.
const ScanOutMonitor k60{0, 0, 1920, 1080, linePeriodNs(2200, 148'500'000)};
const ScanOutMonitor k144{0, 0, 1920, 1080, linePeriodNs(2080, 325'080'000)};
const ScanOutMonitor kRight{1920, 0, 2560, 1440, linePeriodNs(2720, 241'500'000)};
const ScanOutMonitor kBelow{0, 1080, 1280, 1024, linePeriodNs(1688, 108'000'000)};
} // namespace

Q_DECLARE_METATYPE(std::vector<brevane::ScanOutMonitor>)

class TestScanOut : public QObject {
    Q_OBJECT
private slots:
    // The panel's top line appears its row on its own monitor times the line period after the
    // start of the scan-out: line 450 of a 60 Hz monitor about 6.7 ms, of a 144 Hz one 2.9 ms.
    void delayToPanelTop_data()
    {
        QTest::addColumn<std::vector<ScanOutMonitor>>("monitors");
        QTest::addColumn<QPoint>("panel");
        QTest::addColumn<qint64>("expectedNs");
        const std::vector<ScanOutMonitor> three{k60, kRight, kBelow};
        QTest::newRow("60 Hz, top line") << std::vector{k60} << QPoint(700, 0) << qint64(0);
        QTest::newRow("60 Hz, line 450") << std::vector{k60} << QPoint(700, 450) << qint64(6'666'667);
        QTest::newRow("60 Hz, last line") << std::vector{k60} << QPoint(700, 1079) << qint64(15'985'185);
        QTest::newRow("144 Hz, line 450") << std::vector{k144} << QPoint(700, 450) << qint64(2'879'291);
        QTest::newRow("second monitor to the right, line 450") << three << QPoint(2500, 450) << qint64(5'068'323);
        QTest::newRow("second monitor below, its line 300") << three << QPoint(100, 1380) << qint64(4'688'889);
        QTest::newRow("beside the monitor below: no monitor") << three << QPoint(1500, 1380) << qint64(0);
        QTest::newRow("virtual screen: no line period")
            << std::vector{ScanOutMonitor{0, 0, 1024, 768, 0}} << QPoint(300, 400) << qint64(0);
        QTest::newRow("mode without a dot clock")
            << std::vector{ScanOutMonitor{0, 0, 1024, 768, linePeriodNs(1344, 0)}} << QPoint(300, 400) << qint64(0);
    }
    void delayToPanelTop()
    {
        QFETCH(std::vector<ScanOutMonitor>, monitors);
        QFETCH(QPoint, panel);
        QFETCH(qint64, expectedNs);
        QCOMPARE(qint64(scanOutDelayNs(monitors, panel.x(), panel.y())), expectedNs);
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

    // The stamp is the frame's time plus the scan-out; the trace keeps the scan-out apart, and a
    // hand-over stamp, which no frame time backs, has none.
    void stampAddsScanOut()
    {
        Presentation shown{1'000'000, 1'100'000, 17'000'000, 5, StampSource::Present, true, 6'666'667, 0};
        QCOMPARE(qint64(shown.stampNs()), qint64(23'666'667));
        QCOMPARE(qint64(shown.trace().scanOutNs), qint64(6'666'667));
        QVERIFY(shown.trace().exact);
        shown.presentedNs = 0;
        QCOMPARE(qint64(shown.stampNs()), qint64(1'000'000));
        QVERIFY(shown.trace().scanOutNs == 0 && !shown.trace().exact);
    }
    // A compositor's frame timings: the frame is on the glass the offset after the drawn time,
    // whose microseconds come in two halves; an offset of 0 or of the most negative value says
    // the compositor does not know (mutter drawing in software), and no time is made up.
    void frameTimings_data()
    {
        QTest::addColumn<quint32>("drawnLow");
        QTest::addColumn<quint32>("drawnHigh");
        QTest::addColumn<quint32>("offset");
        QTest::addColumn<quint32>("refresh");
        QTest::addColumn<qint64>("presentedNs");
        QTest::addColumn<qint64>("refreshNs");
        QTest::newRow("60 Hz, shown 5.2 ms after drawing")
            << 5'000'000u << 0u << 5'200u << 16'667u << qint64(5'005'200'000) << qint64(16'667'000);
        QTest::newRow("drawn time past 32 bits")
            << 1'497'805'570u << 1u << 1'000u << 6'944u << qint64(5'792'773'866'000) << qint64(6'944'000);
        QTest::newRow("negative offset") << 5'000'000u << 0u << quint32(-300) << 0u << qint64(4'999'700'000)
                                         << qint64(0);
        QTest::newRow("offset 0: unknown") << 5'000'000u << 0u << 0u << 0u << qint64(0) << qint64(0);
        QTest::newRow("most negative offset: unknown")
            << 5'000'000u << 0u << 0x8000'0000u << 16'667u << qint64(0) << qint64(16'667'000);
        QTest::newRow("no drawn time") << 0u << 0u << 5'200u << 16'667u << qint64(0) << qint64(16'667'000);
    }
    void frameTimings()
    {
        QFETCH(quint32, drawnLow);
        QFETCH(quint32, drawnHigh);
        QFETCH(quint32, offset);
        QFETCH(quint32, refresh);
        const FrameTime time = frameTimingsTime({drawnLow, drawnHigh, offset, refresh});
        QTEST(qint64(time.presentedNs), "presentedNs");
        QTEST(qint64(time.refreshNs), "refreshNs");
    }
};

QTEST_MAIN(TestScanOut)
#include "tst_scanout.moc"
