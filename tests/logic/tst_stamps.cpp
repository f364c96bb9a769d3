#include "fakes/Fakes.h"
#include "platform/Presentation.h"
#include "platform/PressStampMatcher.h"

using namespace reflex;

namespace {
constexpr qint64 ms = 1'000'000, handler = 5000 * ms + 900'000;
constexpr qint64 late = 5003 * ms + 900'000, wrap = (qint64(1) << 32) * ms; // the server's 32-bit counter wrapped

struct StampCase {
    const char* name;
    QList<std::pair<uint, qint64>> raw;   // server ms, arrival ns
    qint64 expected, handlerNs = handler; // the matched stamp; the handler's own
    uint serverMs = 5000;
    bool available = true; // XInput 2
    qint64 slackNs = 0;
};
} // namespace

class TestStamps : public QObject {
    Q_OBJECT
private slots:
    // The input thread's raw presses (server time, arrival) against the handler's stamp of the
    // press it sees with a server time. Without XInput 2 the handler's stamp is used. Either is
    // brought back to the end of the server's millisecond (plus the coarse clock's lag); stamps
    // of a server on another clock are left alone.
    void pressStamp_data()
    {
        fakes::addRows<StampCase>({
            {"only another press (1 ms earlier): the handler's", {{4999, 4999 * ms + 100'000}}, handler},
            {"arrived earlier: the earliest of three with that time",
             {{5000, 5000 * ms + 600'000}, {5000, 5000 * ms + 300'000}, {5000, 5000 * ms + 700'000}},
             5000 * ms + 300'000},
            {"arrived after the handler ran: not this press", {{5000, handler + 100'000}}, handler},
            {"over a second earlier: an older press", {{5000, handler - 2000 * ms}}, handler},
            {"held up 3 ms: back to the server's millisecond", {}, 5001 * ms, late, 5000, false},
            {"coarse server clock adds its lag", {}, 5002 * ms, late, 5000, true, ms},
            {"server on another clock", {}, 5000 * ms, 5000 * ms, 123},
            {"server stamp ahead of the stamp", {}, 5000 * ms, 5000 * ms, 5002},
            {"across the wrap", {}, wrap, wrap + 1 * ms + 500'000, 0xFFFFFFFFu},
        });
    }
    void pressStamp()
    {
        QFETCH(StampCase, row);
        fakes::FakeRawPressSource source;
        source.available = row.available;
        PressStampMatcher matcher(row.slackNs);
        QVERIFY(matcher.attach(source) == row.available && matcher.usesRawPresses() == row.available);
        QCOMPARE(QString::fromStdString(matcher.fallbackReason()), row.available ? "" : "no XInput 2");
        for (auto [serverMs, arrivedNs] : row.raw)
            source.press(serverMs, arrivedNs);
        QCOMPARE(matcher.stamp(row.handlerNs, row.serverMs), row.expected);
    }

    // A stimulus counts from the display's frame time where Present gave one; otherwise from the
    // hand-over of its pixels when the server answered promptly, from the middle of the round trip
    // when it was held up (the uncertainty is half the trip). The trace keeps the hand-over stamp
    // beside the frame's.
    void stimulusStamp()
    {
        struct Row {
            qint64 tripNs, presentedNs, stampNs, uncertaintyNs;
            StampSource source;
        };
        for (const Row& r : {Row{120'000, 0, 9000 * ms, 60'000, StampSource::HandOver},
                             Row{1'800'000, 0, 9000 * ms + 900'000, 900'000, StampSource::HandOver},
                             Row{1'800'000, 9012 * ms, 9012 * ms, -1, StampSource::Present}}) {
            const Presentation shown{9000 * ms, 9000 * ms + r.tripNs, r.presentedNs, 77};
            const StampTrace trace = shown.trace();
            QVERIFY(shown.stampNs() == r.stampNs && trace.uncertaintyNs == r.uncertaintyNs && trace.source == r.source);
            QCOMPARE(trace.handOverNs, r.tripNs > Presentation::kPromptReplyNs ? 9000 * ms + 900'000 : 9000 * ms);
        }
        QVERIFY(Presentation{}.source() == StampSource::Clock && Presentation{}.trace().handOverNs == 0);
    }
};

QTEST_MAIN(TestStamps)
#include "tst_stamps.moc"
