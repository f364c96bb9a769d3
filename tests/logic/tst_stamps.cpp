#include "fakes/Fakes.h"
#include "platform/audio/alsa/AlsaStamp.h"
#include "platform/display/DisplayStamps.h"
#include "platform/display/PresentRetry.h"
#include "platform/display/Presentation.h"
#include "platform/input/PressStampMatcher.h"
#include "platform/input/ServerClock.h"
#include "platform/input/evdev/EvdevPresses.h"

#include <QTemporaryDir>
#include <atomic>
#include <fcntl.h>
#include <linux/input.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace brevane;

namespace {
constexpr qint64 ms = 1'000'000, handler = 5000 * ms + 900'000;
constexpr qint64 late = 5003 * ms + 900'000, wrap = (qint64(1) << 32) * ms; // the server's 32-bit counter wrapped

using Source = PressSource;
const std::string mouse = "/dev/input/event5", other = "/dev/input/event7", pad = "/dev/input/event9";
struct StampCase {
    const char* name;
    QList<RawPress> raw;       // server ms, arrival ns, device node, button, mapped button
    QList<KernelPress> kernel; // device node, button, the kernel's stamp
    PressStamp expected;
    qint64 handlerNs = handler; // the handler's own stamp
    uint serverMs = 5000;
    bool available = true; // XInput 2
    qint64 slackNs = 0;
    unsigned button = 1;                          // the window's event's, after the map
    std::optional<bool> sameClock = std::nullopt; // the input thread's probe of the server's clock
};

// A tone of 7200 frames at 48 kHz written to a stopped stream from 10 s to 10.0002 s; the status
// 0.1 ms later has 12 frames played (0.25 ms) and the device 96 frames (2 ms) past its buffer.
constexpr qint64 wrote = 10'000 * ms, status = wrote + 300'000;
PcmReport pcm()
{
    PcmReport r{wrote, wrote + 200'000, 48000, 7200, true, true, status, wrote + 150'000, 250'000, true};
    r.delayFrames = 7200 - 12 + 96, r.bufferFrames = 14400, r.availFrames = 14400 - (7200 - 12);
    return r;
}
struct ToneCase {
    const char* name;
    std::function<void(PcmReport&)> change;
    qint64 expected;
    ToneSource source;
};

} // namespace

Q_DECLARE_METATYPE(brevane::ServerTimeProbe)

class TestStamps : public QObject {
    Q_OBJECT
private slots:
    // The kernel's presses and the input thread's raw presses (server time, arrival) against the
    // handler's stamp of the press it sees with a server time: the latest kernel press up to the
    // end of the server's millisecond (plus the coarse clock's lag) and not 64 ms before it, else
    // the raw press, else the handler's. One more than the server's millisecond past the server's
    // time takes the middle of it; stamps of a server on another clock are left alone.
    void pressStamp_data()
    {
        const qint64 raw = 5000 * ms + 600'000, kernel = 4999 * ms + 400'000;
        const auto left = [](std::uint32_t at, qint64 ns, std::string node = mouse) {
            return RawPress{at, ns, node, 1, 1};
        };
        // clang-format off
        fakes::addRows<StampCase>({
            {"only another press (1 ms earlier): the handler's", {left(4999, 4999 * ms + 100'000)}, {}, {handler}},
            {"arrived earlier: the earliest of three with that time",
             {left(5000, raw), left(5000, 5000 * ms + 300'000), left(5000, 5000 * ms + 700'000)}, {},
             {5000 * ms + 300'000, Source::Raw}},
            {"arrived after the handler ran: not this press", {left(5000, handler + 100'000)}, {}, {handler}},
            {"over a second earlier: an older press", {left(5000, handler - 2000 * ms)}, {}, {handler}},
            {"held up 3 ms: the middle of the server's millisecond", {}, {}, {5000 * ms + 500'000, Source::Server},
             late, 5000, false},
            {"coarse server clock: the middle of its two milliseconds", {}, {}, {5001 * ms, Source::Server}, late, 5000,
             true, ms},
            {"raw press on time: its arrival", {left(5000, 5000 * ms + 900'000)}, {}, {5000 * ms + 900'000, Source::Raw},
             late},
            {"raw press 1 ms past the server's time: not bounded", {left(5000, 5001 * ms)}, {}, {5001 * ms, Source::Raw},
             late},
            {"raw press late by 3 ms: the server's time", {left(5000, 5003 * ms + 200'000)}, {},
             {5000 * ms + 500'000, Source::Server}, late},
            {"probe confirmed the clock: bounded", {left(5000, 5003 * ms)}, {}, {5000 * ms + 500'000, Source::Server},
             late, 5000, true, 0, 1, true},
            {"probe found another clock: nothing bounded, no kernel match", {left(5000, 5003 * ms)},
             {{mouse, 1, 5000 * ms + 200'000}}, {5003 * ms, Source::Raw}, late, 5000, true, 0, 1, false},
            {"a press that came before its server time: another clock from then on",
             {left(5001, 5000 * ms + 200'000), left(5000, 5003 * ms)}, {}, {5003 * ms, Source::Raw}, late},
            {"server on another clock", {left(123, 5000 * ms)}, {{mouse, 1, 4999 * ms}}, {5000 * ms}, 5000 * ms, 123},
            {"server stamp ahead of the stamp", {}, {}, {5000 * ms}, 5000 * ms, 5002},
            {"across the wrap", {}, {}, {wrap - 500'000, Source::Server}, wrap + 1 * ms + 500'000, 0xFFFFFFFFu},
            {"across the wrap, on time", {}, {}, {wrap + 500'000}, wrap + 500'000, 0},
            {"kernel: the latest up to the millisecond's end", {left(5000, raw)},
             {{mouse, 1, 4950 * ms}, {mouse, 1, 5000 * ms + 200'000}, {mouse, 1, 5001 * ms + 100'000}},
             {5000 * ms + 200'000, Source::Kernel}},
            {"kernel 70 ms before: another press", {left(5000, raw)}, {{mouse, 1, 4930 * ms}}, {raw, Source::Raw}},
            {"kernel, coarse server clock", {left(5000, 5002 * ms)}, {{mouse, 1, 5001 * ms + 500'000}},
             {5001 * ms + 500'000, Source::Kernel}, late, 5000, true, ms},
            {"two devices: the other mouse's later press is not this one", {left(5000, raw, other)},
             {{other, 1, 4980 * ms}, {mouse, 1, kernel}}, {4980 * ms, Source::Kernel}},
            {"two buttons: the right button's later press is not this left one", {left(5000, raw)},
             {{mouse, 1, 4990 * ms}, {mouse, 3, kernel}}, {4990 * ms, Source::Kernel}},
            {"left-handed: the device's button 3 is the window's left", {{5000, raw, mouse, 3, 1}},
             {{mouse, 1, 4990 * ms}, {mouse, 3, kernel}}, {kernel, Source::Kernel}},
            {"two buttons in one millisecond: the event's button's raw press", {{5000, raw, mouse, 3, 3},
             {5000, 5000 * ms + 800'000, mouse, 1, 1}}, {}, {5000 * ms + 800'000, Source::Raw}},
            {"a tap: the touchpad sent no kernel button", {left(5000, raw, pad)}, {{mouse, 1, kernel}}, {raw, Source::Raw}},
            {"XTest: no device node", {left(5000, raw, "")}, {{mouse, 1, kernel}}, {raw, Source::Raw}},
        });
        // clang-format on
    }
    void pressStamp()
    {
        QFETCH(StampCase, row);
        fakes::FakeRawPressSource source;
        fakes::FakeKernelPressSource kernel;
        source.available = row.available;
        source.sameClock = row.sameClock;
        PressStampMatcher matcher(row.slackNs);
        std::string why;
        QVERIFY(matcher.attach(source) == row.available && matcher.usesRawPresses() == row.available);
        QVERIFY(matcher.attach(kernel, why));
        QCOMPARE(QString::fromStdString(matcher.fallbackReason()), row.available ? "" : "no XInput 2");
        for (const RawPress& press : row.raw)
            source.sink(press);
        for (const KernelPress& press : row.kernel)
            kernel.sink(press);
        const PressStamp got = matcher.stamp(row.handlerNs, row.serverMs, row.button);
        QCOMPARE(got.ns, row.expected.ns);
        QCOMPARE(pressSourceName(got.source), pressSourceName(row.expected.source));
    }

    // The input thread's start-up questions of the server's time, each between two readings of the
    // program's clock: the server's millisecond must lie between them, to the coarse clock's lag.
    void serverClockProbe_data()
    {
        QTest::addColumn<QList<ServerTimeProbe>>("probes");
        QTest::addColumn<qint64>("slackNs");
        QTest::addColumn<bool>("same");
        const auto at = [](qint64 before, qint64 after, std::uint32_t serverMs) {
            return ServerTimeProbe{before, after, serverMs};
        };
        QTest::newRow("on the clock") << QList{at(5000 * ms + 200'000, 5000 * ms + 400'000, 5000),
                                               at(5007 * ms + 900'000, 5008 * ms + 100'000, 5008)}
                                      << qint64(0) << true;
        QTest::newRow("the millisecond before the request: behind")
            << QList{at(5001 * ms + 100'000, 5001 * ms + 300'000, 5000)} << qint64(0) << false;
        QTest::newRow("coarse clock, a millisecond behind")
            << QList{at(5001 * ms + 100'000, 5001 * ms + 300'000, 5000)} << ms << true;
        QTest::newRow("another machine's clock, 40 ms behind")
            << QList{at(5040 * ms + 100'000, 5040 * ms + 600'000, 5000)} << ms << false;
        QTest::newRow("ahead of the answer") << QList{at(5000 * ms, 5000 * ms + 400'000, 5001)} << ms << false;
        QTest::newRow("one answer of three off")
            << QList{at(5000 * ms, 5000 * ms + 400'000, 5000), at(6000 * ms, 6000 * ms + 400'000, 5990),
                     at(7000 * ms, 7000 * ms + 400'000, 7000)}
            << ms << false;
        QTest::newRow("across the 32-bit wrap")
            << QList{at(wrap - 300'000, wrap + 200'000, 0xFFFFFFFFu), at(wrap + 900'000, wrap + 1 * ms + 100'000, 1)}
            << qint64(0) << true;
        QTest::newRow("no answer") << QList<ServerTimeProbe>{} << ms << false;
    }
    void serverClockProbe()
    {
        QFETCH(QList<ServerTimeProbe>, probes);
        QFETCH(qint64, slackNs);
        QFETCH(bool, same);
        QCOMPARE(serverTimesOnProgramClock(std::span(probes.cbegin(), probes.cend()), slackNs), same);
    }

    // A mouse plugged in while the reader runs (a new event file in its folder) is read from then
    // on, its presses named by its node and X button; unplugged, it is forgotten.
    void evdevThreadReadsAPluggedInMouse()
    {
        QTemporaryDir dir;
        const QByteArray first = QFile::encodeName(dir.filePath("event0")),
                         plugged = QFile::encodeName(dir.filePath("event1"));
        QVERIFY(mkfifo(first.constData(), 0600) == 0);
        EvdevPressThread reader(dir.path().toStdString());
        QList<KernelPress> presses; // the reader's until it has counted both
        std::atomic<int> taken = 0;
        std::string why;
        QVERIFY(reader.start(
            [&](const KernelPress& p) {
                presses << p;
                ++taken;
            },
            why));
        QVERIFY(mkfifo(plugged.constData(), 0600) == 0);
        const int fd = open(plugged.constData(), O_WRONLY | O_CLOEXEC); // once the reader has opened it
        QVERIFY(fd >= 0);
        const input_event events[] = {{{7000, 5}, EV_KEY, BTN_RIGHT, 1}, {{7000, 9}, EV_KEY, BTN_SIDE, 1}};
        QVERIFY(write(fd, events, sizeof events) == ssize_t(sizeof events));
        QTRY_VERIFY_WITH_TIMEOUT(taken == 2, 5000);
        QVERIFY(QString::fromStdString(reader.devices()).contains("event1"));
        QCOMPARE(QString::fromStdString(presses[0].node), QString::fromLocal8Bit(plugged));
        QVERIFY(presses[0].button == 3 && presses[0].ns == 7'000'000'005'000 && presses[1].button == 8);
        close(fd);
        QTRY_VERIFY_WITH_TIMEOUT(!QString::fromStdString(reader.devices()).contains("event1"), 5000);
    }

    // The kernel's records as a pipe delivers them, one cut in two by the writes: the presses of
    // mouse buttons are taken with their stamps; releases, keys and motion are not; the end of
    // the stream is the device gone.
    void evdevReaderTakesButtonPresses()
    {
        const input_event events[] = {{{7000, 123}, EV_KEY, BTN_LEFT, 1},    {{7000, 123}, EV_SYN, SYN_REPORT, 0},
                                      {{7000, 90'000}, EV_KEY, BTN_LEFT, 0}, {{7000, 100'000}, EV_REL, REL_X, 3},
                                      {{7000, 200'000}, EV_KEY, KEY_A, 1},   {{7100, 1}, EV_KEY, BTN_RIGHT, 1},
                                      {{7200, 0}, EV_KEY, BTN_TOUCH, 1}};
        int fds[2];
        QVERIFY(pipe2(fds, O_NONBLOCK | O_CLOEXEC) == 0);
        EvdevPressReader reader(fds[0]);
        QList<qint64> presses;
        const auto press = [&](std::int64_t ns, unsigned code) { presses << ns + code; };
        const auto* bytes = reinterpret_cast<const char*>(events);
        const std::size_t cut = sizeof(input_event) * 5 + 7;
        QVERIFY(write(fds[1], bytes, cut) == ssize_t(cut) && reader.readAvailable(press));
        QVERIFY(write(fds[1], bytes + cut, sizeof events - cut) == ssize_t(sizeof events - cut));
        close(fds[1]);
        QVERIFY(!reader.readAvailable(press));
        close(fds[0]);
        QCOMPARE(presses, (QList<qint64>{7'000'000'123'000 + BTN_LEFT, 7'100'000'001'000 + BTN_RIGHT}));
    }

    // The first sample: the status's time less the stream time played, the trigger, or the time
    // of the status or of the write plus the delay ahead of the tone; the first three add the
    // device's latency past its buffer. A route that lands before the write (the delay of a
    // device that plays at once) or far off (another clock) gives way to the next.
    void toneStamp_data()
    {
        const qint64 first = status - 250'000 + 2 * ms;
        // clang-format off
        fakes::addRows<ToneCase>({
            {"audio timestamp", [](PcmReport&) {}, first, ToneSource::Audio},
            {"trigger", [](PcmReport& r) { r.audioValid = false; }, wrote + 150'000 + 2 * ms, ToneSource::Trigger},
            {"status delay", [](PcmReport& r) { r.audioValid = false, r.triggerNs = 0; }, first, ToneSource::Delay},
            {"another clock: the delay at the write",
             [](PcmReport& r) { r.monotonic = false, r.delayKnown = true, r.writeDelayFrames = 7200 + 96; },
             wrote + 200'000 + 2 * ms, ToneSource::Delay},
            {"stamps far off: the delay at the write",
             [](PcmReport& r) { r.statusNs = r.triggerNs = 1LL << 62, r.delayKnown = true, r.writeDelayFrames = 7200; },
             wrote + 200'000, ToneSource::Delay},
            {"silence ahead: the trigger plus 5 ms", [](PcmReport& r) { r.audioValid = false, r.leadFrames = 240; },
             wrote + 150'000 + 7 * ms, ToneSource::Trigger},
            {"silence ahead: the status delay counts it", [](PcmReport& r) {
                 r.audioValid = false, r.triggerNs = 0, r.leadFrames = 240, r.delayFrames += 240; },
             first + 5 * ms, ToneSource::Delay},
            {"a device that plays at once: the write",
             [](PcmReport& r) { r.status = false, r.delayKnown = true, r.writeDelayFrames = 0; }, wrote + 200'000,
             ToneSource::Write},
        });
        // clang-format on
    }
    void toneStamp()
    {
        QFETCH(ToneCase, row);
        PcmReport report = pcm();
        row.change(report);
        const ToneStamp got = brevane::toneStamp(report);
        QCOMPARE(got.ns, row.expected);
        QCOMPARE(toneSourceName(got.source), toneSourceName(row.source));
    }

    // A stimulus counts from the display's frame time where Present gave one, plus the scan-out to
    // the panel, which the trace keeps apart; otherwise from the hand-over of its pixels when the
    // server answered promptly, from the middle of the round trip when it was held up (the
    // uncertainty is half the trip), never exact and with no scan-out. The trace keeps the
    // hand-over stamp beside the frame's.
    void stimulusStamp()
    {
        struct Row {
            qint64 tripNs, presentedNs, stampNs, uncertaintyNs;
            StampSource source;
        };
        for (const Row& r : {Row{120'000, 0, 9000 * ms, 60'000, StampSource::HandOver},
                             Row{1'800'000, 0, 9000 * ms + 900'000, 900'000, StampSource::HandOver},
                             Row{1'800'000, 9012 * ms, 9015 * ms, -1, StampSource::Present}}) {
            const Presentation shown{9000 * ms, 9000 * ms + r.tripNs, r.presentedNs, 77, StampSource::Present, true,
                                     3 * ms};
            const StampTrace trace = shown.trace();
            QVERIFY(shown.stampNs() == r.stampNs && trace.uncertaintyNs == r.uncertaintyNs && trace.source == r.source);
            QVERIFY(trace.exact == (r.presentedNs != 0) && trace.scanOutNs == (r.presentedNs != 0 ? 3 * ms : 0));
            QCOMPARE(trace.handOverNs, r.tripNs > Presentation::kPromptReplyNs ? 9000 * ms + 900'000 : 9000 * ms);
        }
        QVERIFY(Presentation{}.source() == StampSource::Clock && Presentation{}.trace().handOverNs == 0);
    }

    // What the display tells decides the stamps' source, whether they are exact, and the line a
    // teacher reads where they are not; the trace names each stimulus's source the same way.
    void displayStampPlanAndNames()
    {
        struct Row {
            const char* name;
            DisplayFacts facts;
            const char* source; // the trace's word
            bool exact;
            const char* notice; // the start of the line; "" for none
        };
        // clang-format off
        const Row rows[] = {
            {"bare X server with Present", {"xcb", true, false, QString(), 0, {}}, "present", true, ""},
            {"X compositor: read back", {"xcb", true, false, QStringLiteral("picom"), 0, {}}, "readback", true, ""},
            {"XWayland", {"xcb", true, true, QStringLiteral("Mutter"), 0, {}}, "present", false,
             "XWayland shows the window"},
            {"X server without Present", {"xcb", false, false, QString(), 0, {}}, "handover", false,
             "The X server does not say"},
            {"native Wayland", {"wayland", false, false, QString(), 0, {}}, "clock", false,
             "The window system does not say"},
            {"no screen", {"offscreen", false, false, QString(), 0, {}}, "clock", false, ""},
        };
        // clang-format on
        for (const Row& r : rows) {
            const DisplayStampPlan plan = displayStampPlan(r.facts);
            QVERIFY2(stampSourceName(plan.source) == QByteArray(r.source) && plan.exact == r.exact, r.name);
            QVERIFY2(*r.notice ? plan.notice.startsWith(QLatin1String(r.notice)) &&
                                     plan.notice.endsWith(QLatin1String("times may be one frame long: see the guide"))
                               : plan.notice.isEmpty(),
                     r.name);
            QVERIFY2(stampWords(plan.source, plan.exact).endsWith(r.exact ? "(exact)" : "(estimated)"), r.name);
        }
        // A frame that fell back to the hand-over says so in its trace.
        Presentation fallback{9000 * ms, 9000 * ms + 100'000};
        fallback.flags = StampFallback;
        QCOMPARE(stampSourceName(fallback.trace().source), "handover");
        // A stamp found estimated only when shown gives the about box its line; an exact one, or
        // one no display gave (a tone alone), gives none.
        QVERIFY(estimatedStampNotice(fallback.trace()).startsWith("Some stimuli were stamped by the hand-over"));
        QCOMPARE(estimatedStampNotice({-1, StampSource::Feedback}), QLatin1String(kCompositorEstimatesNotice));
        QVERIFY(estimatedStampNotice({-1, StampSource::Feedback, 0, 0, true}).isEmpty());
        QVERIFY(estimatedStampNotice({-1, StampSource::Clock}).isEmpty());
    }

    // A frame the server did not complete in time sends the window to the hand-over for a pause
    // that doubles with each failure in a row; a completed frame ends the pause; a server without
    // Present is not asked again.
    void presentRetriesAfterTimeout()
    {
        enum Step { Fail, FailForGood, Succeed, Wait };
        struct Row {
            Step step;
            double ms; // Wait: how long
            bool mayTry;
        };
        const Row rows[] = {{Wait, 0, true},  {Fail, 0, false},    {Wait, 999, false},      {Wait, 1, true},
                            {Fail, 0, false}, {Wait, 1999, false}, {Wait, 1, true},         {Succeed, 0, true},
                            {Fail, 0, false}, {Wait, 1000, true},  {FailForGood, 0, false}, {Wait, 3'600'000, false}};
        fakes::FakeClock clock;
        PresentRetry retry(clock);
        int i = 0;
        for (const Row& r : rows) {
            if (r.step == Fail || r.step == FailForGood)
                retry.failed(r.step == FailForGood);
            else if (r.step == Succeed)
                retry.succeeded();
            clock.advanceMs(r.ms);
            QVERIFY2(retry.mayTry() == r.mayTry, qPrintable(QString::number(i++)));
        }
        QVERIFY(retry.gaveUp());
    }
};

QTEST_MAIN(TestStamps)
#include "tst_stamps.moc"
