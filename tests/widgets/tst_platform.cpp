#include "fakes/Fakes.h"
#include "platform/InputStamp.h"
#include "platform/Platform.h"

#include <QTest>

using namespace reflex;

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void millisecondCounterWrapsModulo32Bits()
    {
        fakes::FakeClock clock;
        clock.now = (std::int64_t(1) << 32) * 1000000 - 5'000'000; // 5 ms before the wrap
        const std::uint32_t before = clock.timeGetTime();
        QCOMPARE(before, 0xFFFFFFFBu);
        clock.advanceMs(12);
        QCOMPARE(clock.timeGetTime(), 7u);
        QCOMPARE(Clock::elapsedMs(before, clock.timeGetTime()), 12u);
    }

    void pressStampIsBroughtBackToTheServersMillisecond_data()
    {
        QTest::addColumn<qint64>("handlerNs");
        QTest::addColumn<uint>("serverMs");
        QTest::addColumn<qint64>("slackNs");
        QTest::addColumn<qint64>("expected");
        const qint64 ms = 1000000;
        QTest::newRow("same millisecond: handler kept") << 5000 * ms + 300000 << 5000u << 0LL << 5000 * ms + 300000;
        QTest::newRow("next millisecond: end of the server's") << 5001 * ms + 200000 << 5000u << 0LL << 5001 * ms;
        QTest::newRow("held up 3 ms") << 5003 * ms + 900000 << 5000u << 0LL << 5001 * ms;
        QTest::newRow("coarse server clock adds its lag") << 5003 * ms + 900000 << 5000u << ms << 5002 * ms;
        QTest::newRow("server on another clock") << 5000 * ms << 123u << 0LL << 5000 * ms;
        QTest::newRow("server stamp ahead of the handler") << 5000 * ms << 5002u << 0LL << 5000 * ms;
        const qint64 wrap = (qint64(1) << 32) * ms; // the server's 32-bit counter wrapped
        QTest::newRow("across the wrap") << wrap + 1 * ms + 500000 << 0xFFFFFFFFu << 0LL << wrap;
    }
    void pressStampIsBroughtBackToTheServersMillisecond()
    {
        QFETCH(qint64, handlerNs);
        QFETCH(uint, serverMs);
        QFETCH(qint64, slackNs);
        QFETCH(qint64, expected);
        QCOMPARE(refinePressStamp(handlerNs, serverMs, slackNs), expected);
    }

    void versionTexts()
    {
        const ProgramVersion v{2, 0, 0};
        QCOMPARE(v.compact(), QStringLiteral("Version 2.00"));
        QCOMPARE(v.dotted(), QStringLiteral("2.0.0"));
        QCOMPARE((ProgramVersion{2, 1, 3}.compact()), QStringLiteral("Version 2.13"));
    }

    void commandLineIsTheWholeArgumentString()
    {
        QCOMPARE(commandLineString({"reflex"}), QString());
        QCOMPARE(commandLineString({"reflex", "my", "lab.cfg"}), QStringLiteral("my lab.cfg"));
    }

    void fileFilterPairsBecomeQtFilters()
    {
        QCOMPARE(QtFileChooser::toQtFilter("Config Files (*.cfg)|*.cfg"),
                 QStringLiteral("Config Files (*.cfg) (*.cfg)"));
        QCOMPARE(QtFileChooser::toQtFilter("Data|*.nrm|All|*.*"),
                 QStringLiteral("Data (*.nrm);;All (*.*)"));
    }

    void screenTwipsUseTheRealRatio()
    {
        ScreenMetrics m{800, 600, 15.0, 15.0};
        QCOMPARE(m.widthTwips(), 12000L);
        QCOMPARE(m.heightTwips(), 9000L);
        m.twipsPerPixelX = 1440.0 / 120.0; // 120 dpi
        QCOMPARE(m.widthTwips(), 9600L);
    }

    void preciseTimerFiresOnceEnabledAndNeverAtZero()
    {
        QtTimerFactory factory;
        auto timer = factory.createTimer();
        int fired = 0;
        timer->onTimer = [&] { ++fired; timer->setEnabled(false); };
        timer->setInterval(0);
        timer->setEnabled(true);
        QTest::qWait(30);
        QCOMPARE(fired, 0);
        timer->setInterval(5);
        QTRY_COMPARE_WITH_TIMEOUT(fired, 1, 1000);
        QVERIFY(!timer->isEnabled());
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
