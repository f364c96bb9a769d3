#include "fakes/Fakes.h"
#include "platform/Presentation.h"
#include "platform/PressStamps.h"

#include <QTest>

using namespace reflex;

namespace {
constexpr qint64 ms = 1'000'000;
}

class TestStamps : public QObject {
    Q_OBJECT
private slots:
    // The input thread's raw presses (server time, arrival) against the handler's stamp of
    // the press it sees with server time 5000. Without XInput 2 the handler's stamp is used,
    // brought back to the server's millisecond.
    void rawPressIsMatchedByServerTime_data()
    {
        QTest::addColumn<bool>("available");
        QTest::addColumn<QList<qint64>>("raw"); // server ms, arrival ns, ...
        QTest::addColumn<qint64>("handlerNs");
        QTest::addColumn<qint64>("expected");
        const qint64 handler = 5000 * ms + 900'000, early = 5000 * ms + 200'000;
        QTest::newRow("arrived earlier: its stamp") << true << QList<qint64>{5000, early} << handler << early;
        QTest::newRow("only other presses: the handler's") << true << QList<qint64>{4000, 4000 * ms + 100'000}
                                                           << handler << handler;
        QTest::newRow("none at all: the handler's") << true << QList<qint64>{} << handler << handler;
        QTest::newRow("the earliest of two with that time")
            << true << QList<qint64>{5000, 5000 * ms + 600'000, 5000, 5000 * ms + 300'000} << handler << 5000 * ms + 300'000;
        QTest::newRow("arrived after the handler ran: not this press")
            << true << QList<qint64>{5000, handler + 100'000} << handler << handler;
        QTest::newRow("over a second earlier: an older press")
            << true << QList<qint64>{5000, handler - 2000 * ms} << handler << handler;
        QTest::newRow("held up: brought back to the server's millisecond")
            << true << QList<qint64>{4000, 1} << 5003 * ms + 900'000 << 5001 * ms;
        QTest::newRow("no XInput 2: the handler's") << false << QList<qint64>{5000, early} << handler << handler;
        QTest::newRow("no XInput 2, held up") << false << QList<qint64>{} << 5003 * ms + 900'000 << 5001 * ms;
    }
    void rawPressIsMatchedByServerTime()
    {
        QFETCH(bool, available);
        QFETCH(QList<qint64>, raw);
        QFETCH(qint64, handlerNs);
        QFETCH(qint64, expected);
        fakes::FakeRawPressSource source;
        source.available = available;
        PressStampMatcher matcher;
        QCOMPARE(matcher.attach(source), available);
        QCOMPARE(matcher.usesRawPresses(), available);
        QCOMPARE(QString::fromStdString(matcher.fallbackReason()), available ? "" : "no XInput 2");
        for (qsizetype i = 0; i + 1 < raw.size(); i += 2)
            source.press(std::uint32_t(raw[i]), raw[i + 1]);
        QCOMPARE(matcher.stamp(handlerNs, 5000), expected);
    }

    // The server's time is whole milliseconds of the same clock; a later stamp is brought back
    // to the end of the server's millisecond (plus the coarse clock's lag).
    void stampIsBroughtBackToTheServersMillisecond_data()
    {
        QTest::addColumn<qint64>("stampNs");
        QTest::addColumn<uint>("serverMs");
        QTest::addColumn<qint64>("slackNs");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("same millisecond: kept") << 5000 * ms + 300000 << 5000u << 0LL << 5000 * ms + 300000;
        QTest::newRow("held up 3 ms") << 5003 * ms + 900000 << 5000u << 0LL << 5001 * ms;
        QTest::newRow("coarse server clock adds its lag") << 5003 * ms + 900000 << 5000u << ms << 5002 * ms;
        QTest::newRow("server on another clock") << 5000 * ms << 123u << 0LL << 5000 * ms;
        QTest::newRow("server stamp ahead of the stamp") << 5000 * ms << 5002u << 0LL << 5000 * ms;
        const qint64 wrap = (qint64(1) << 32) * ms; // the server's 32-bit counter wrapped
        QTest::newRow("across the wrap") << wrap + 1 * ms + 500000 << 0xFFFFFFFFu << 0LL << wrap;
    }
    void stampIsBroughtBackToTheServersMillisecond()
    {
        QFETCH(qint64, stampNs);
        QFETCH(uint, serverMs);
        QFETCH(qint64, slackNs);
        QFETCH(qint64, expected);
        QCOMPARE(refinePressStamp(stampNs, serverMs, slackNs), expected);
    }

    // A stimulus counts from the hand-over of its pixels when the server answered promptly,
    // from the middle of the round trip when the server was held up; the uncertainty is half
    // the round trip.
    void stimulusStampIsTheHandOverUnlessTheReplyWasSlow_data()
    {
        QTest::addColumn<qint64>("roundTripNs");
        QTest::addColumn<qint64>("expectedAfterHandOverNs");
        QTest::newRow("prompt reply") << 120'000LL << 0LL;
        QTest::newRow("slow reply") << 1'800'000LL << 900'000LL;
    }
    void stimulusStampIsTheHandOverUnlessTheReplyWasSlow()
    {
        QFETCH(qint64, roundTripNs);
        QFETCH(qint64, expectedAfterHandOverNs);
        const Presentation shown{9000 * ms, 9000 * ms + roundTripNs};
        QVERIFY(shown.known() && !Presentation{}.known());
        QCOMPARE(shown.stampNs(), 9000 * ms + expectedAfterHandOverNs);
        QCOMPARE(shown.uncertaintyNs(), roundTripNs / 2);
    }
};

QTEST_MAIN(TestStamps)
#include "tst_stamps.moc"
