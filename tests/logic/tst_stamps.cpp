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
    // The input thread's raw presses (server time, arrival) against the handler's stamp of the
    // press it sees with a server time. Without XInput 2 the handler's stamp is used. Either is
    // brought back to the end of the server's millisecond (plus the coarse clock's lag); stamps
    // of a server on another clock are left alone.
    void pressStamp_data()
    {
        QTest::addColumn<bool>("available");
        QTest::addColumn<QList<qint64>>("raw"); // server ms, arrival ns, ...
        QTest::addColumn<qint64>("handlerNs");
        QTest::addColumn<uint>("serverMs");
        QTest::addColumn<qint64>("slackNs");
        QTest::addColumn<qint64>("expected");
        const qint64 handler = 5000 * ms + 900'000, early = 5000 * ms + 200'000, late = 5003 * ms + 900'000;
        const auto row = [](const char* name, bool available, QList<qint64> raw, qint64 handler, uint server,
                            qint64 slack, qint64 expected) {
            QTest::newRow(name) << available << raw << handler << server << slack << expected;
        };
        row("arrived earlier: its stamp", true, {5000, early}, handler, 5000, 0, early);
        row("only other presses: the handler's", true, {4000, 4000 * ms + 100'000}, handler, 5000, 0, handler);
        row("the earliest of two with that time", true, {5000, 5000 * ms + 600'000, 5000, 5000 * ms + 300'000},
            handler, 5000, 0, 5000 * ms + 300'000);
        row("arrived after the handler ran: not this press", true, {5000, handler + 100'000}, handler, 5000, 0, handler);
        row("over a second earlier: an older press", true, {5000, handler - 2000 * ms}, handler, 5000, 0, handler);
        row("no XInput 2: the handler's", false, {5000, early}, handler, 5000, 0, handler);
        row("held up 3 ms: back to the server's millisecond", false, {}, late, 5000, 0, 5001 * ms);
        row("coarse server clock adds its lag", true, {}, late, 5000, ms, 5002 * ms);
        row("server on another clock", true, {}, 5000 * ms, 123, 0, 5000 * ms);
        row("server stamp ahead of the stamp", true, {}, 5000 * ms, 5002, 0, 5000 * ms);
        const qint64 wrap = (qint64(1) << 32) * ms; // the server's 32-bit counter wrapped
        row("across the wrap", true, {}, wrap + 1 * ms + 500'000, 0xFFFFFFFFu, 0, wrap);
    }
    void pressStamp()
    {
        QFETCH(bool, available);
        QFETCH(QList<qint64>, raw);
        QFETCH(qint64, handlerNs);
        QFETCH(uint, serverMs);
        QFETCH(qint64, slackNs);
        QFETCH(qint64, expected);
        fakes::FakeRawPressSource source;
        source.available = available;
        PressStampMatcher matcher(slackNs);
        QVERIFY(matcher.attach(source) == available && matcher.usesRawPresses() == available);
        QCOMPARE(QString::fromStdString(matcher.fallbackReason()), available ? "" : "no XInput 2");
        for (qsizetype i = 0; i + 1 < raw.size(); i += 2)
            source.press(std::uint32_t(raw[i]), raw[i + 1]);
        QCOMPARE(matcher.stamp(handlerNs, serverMs), expected);
    }

    // A stimulus counts from the hand-over of its pixels when the server answered promptly,
    // from the middle of the round trip when it was held up; the uncertainty is half the trip.
    void stimulusStampIsTheHandOverUnlessTheReplyWasSlow()
    {
        QVERIFY(!Presentation{}.known());
        for (auto [tripNs, afterHandOverNs] : {std::pair(120'000LL, 0LL), std::pair(1'800'000LL, 900'000LL)}) {
            const Presentation shown{9000 * ms, 9000 * ms + tripNs};
            QVERIFY(shown.known() && shown.stampNs() == 9000 * ms + afterHandOverNs);
            QCOMPARE(shown.uncertaintyNs(), tripNs / 2);
        }
    }
};

QTEST_MAIN(TestStamps)
#include "tst_stamps.moc"
