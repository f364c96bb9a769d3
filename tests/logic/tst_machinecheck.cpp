#include "app/MachineHandIn.h"
#include "fakes/Fakes.h"
#include "platform/audio/alsa/AlsaStamp.h"
#include "platform/audio/pipewire/GraphTime.h"
#include "platform/audio/pulse/PulseTime.h"
#include "shared/MachineResult.h"
#include "timing_check/MachineCheck.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QtEndian>
#include <QtTest>
#include <cmath>
#include <functional>
#include <numbers>
#include <random>

using namespace brevane;

namespace {

constexpr qint64 ms = 1'000'000;
constexpr qint64 stampNs = 10'000 * ms;
constexpr unsigned kRate = 48000;

// A made-up input around a stamp: frames from 250 ms before it to 320 ms after, each the sum of
// `shape` at its time since the event (event = stamp + lagMs, or before the stamp for a click)
// and noise of `noiseSd`, clipped to full scale as a sound card does.
using Shape = std::function<double(double sinceMs)>;
SignalWindow signal(double eventMs, const Shape& shape, double noiseSd = 0, double humLevel = 0)
{
    std::mt19937 random(7);
    std::normal_distribution<double> noise(0, noiseSd > 0 ? noiseSd : 1);
    SignalWindow w{stampNs - 250 * ms, kRate, {}};
    for (int i = 0; i < int(kRate * 0.57); ++i) {
        const double tMs = double(i) * 1000.0 / kRate - 250.0;
        double v = shape(tMs - eventMs) + (noiseSd > 0 ? noise(random) : 0);
        v += humLevel * std::sin(2 * std::numbers::pi * 50 * tMs / 1000);
        w.frames.push_back(float(std::clamp(v, -1.0, 1.0)));
    }
    return w;
}

Shape step(double level, double riseMs = 0, double decayMs = 0)
{
    return [=](double t) {
        if (t < 0)
            return 0.0;
        const double rise = riseMs > 0 ? 1 - std::exp(-t / riseMs) : 1.0;
        return level * rise * (decayMs > 0 ? std::exp(-t / decayMs) : 1.0);
    };
}

// The program's own tone (makeTone), from its first sample on.
Shape tone(double gain)
{
    static const std::vector<std::int16_t> samples = makeTone(kRate);
    return [gain](double t) {
        const auto i = std::ptrdiff_t(std::floor(t * kRate / 1000.0));
        return i < 0 || i >= std::ptrdiff_t(samples.size()) ? 0.0 : gain * samples[std::size_t(i)] / 32768.0;
    };
}

Shape click(double level)
{
    return [level](double t) {
        return t < 0 ? 0.0 : level * std::exp(-t / 1.5) * std::sin(2 * std::numbers::pi * 4.0 * t);
    };
}

struct OnsetCase {
    const char* name;
    CheckPart part;
    double eventMs; // after the stamp (before it: negative)
    Shape shape;
    double noiseSd = 0, hum = 0;
    OnsetVerdict verdict = OnsetVerdict::Found;
    double lagMs = 0, withinMs = 0.05; // the lag the part should give, and how closely
    bool clipped = false;
};

// A fake hand-in that keeps what it was given.
struct KeptHandIn final : HandIn {
    QList<std::pair<QString, QByteArray>> files;
    void handIn(const QString& name, const QByteArray& bytes) override { files.append({name, bytes}); }
    void finish() override { }
};

MachineResult sampleResult()
{
    MachineResult r;
    r.host = "pc-03";
    r.date = QDateTime::fromString("2026-12-09T14:03:00Z", Qt::ISODate);
    r.monitorMode = "1920x1080 at 60.00 Hz";
    r.displayStamps = "present";
    r.inputStamps = "kernel evdev for /dev/input/event5; XInput2 raw for any other device";
    r.soundStamps = "PipeWire graph";
    r.captureStamps = "PipeWire graph";
    r.lags = {{"screen", "", 20, 20, 24.31, 1.2, 27.02, ""},
              {"sound", "", 10, 10, 11.0, 0.1, 11.2, ""},
              {"mouse", "Logitech USB Optical Mouse", 20, 2, NAN, NAN, NAN, "the clicks are too faint (18 of 20)"}};
    return r;
}

} // namespace

class TestMachineCheck : public QObject {
    Q_OBJECT
private slots:
    // Each part's onset in made-up inputs with a known event, through the part's own windows: the
    // lag it gives, or why it gives none.
    void onsets_data()
    {
        using V = OnsetVerdict;
        using P = CheckPart;
        // clang-format off
        fakes::addRows<OnsetCase>({
            {"screen: a clean step", P::Screen, 23, step(0.3), 0, 0, V::Found, 23},
            {"screen: a falling step (a diode on a microphone input)", P::Screen, 23, step(-0.3), 0, 0, V::Found, 23},
            {"screen: mains hum", P::Screen, 23, step(0.3), 0.002, 0.03, V::Found, 23, 0.3},
            {"screen: a pixel rising over 1 ms, to a fifth of its change", P::Screen, 23, step(0.3, 1), 0, 0,
             V::Found, 23 + 0.223, 0.05},
            {"screen: an input that lets a step fade (AC coupled)", P::Screen, 23, step(0.4, 0, 8), 0.002, 0, V::Found,
             23, 0.1},
            {"screen: clipped", P::Screen, 23, step(1.6), 0.005, 0, V::Found, 23, 0.05, true},
            {"screen: a backlight flickering at 240 Hz",  P::Screen, 23,
             [](double t) { return t < 0 ? 0.0 : std::fmod(t, 1000.0 / 240) < 2.0 ? 0.3 : 0.02; }, 0.002, 0,
             V::Found, 23, 0.1},
            {"screen: a weak diode", P::Screen, 23, step(0.0008), 0, 0, V::Weak},
            {"screen: a weak diode in noise", P::Screen, 23, step(0.02), 0.01, 0, V::Noisy},
            {"screen: a missed flash", P::Screen, 23, step(0), 0.005, 0, V::Missed},
            {"sound: the tone looped back", P::Sound, 9, tone(0.8), 0.001, 0, V::Found, 9, 0.35},
            {"sound: the tone, faint but clear", P::Sound, 9, tone(0.05), 0.0005, 0, V::Found, 9, 0.35},
            {"sound: nothing came back", P::Sound, 9, step(0), 0.002, 0, V::Missed},
            {"mouse: a click 7 ms before its press stamp", P::Mouse, -7, click(0.5), 0.002, 0, V::Found, 7, 0.05},
            {"mouse: a click too far from the microphone", P::Mouse, -7, click(0.35), 0.03, 0, V::Noisy},
            {"mouse: no click heard", P::Mouse, -7, click(0.02), 0.03, 0, V::Missed},
        });
        // clang-format on
    }
    void onsets()
    {
        QFETCH(OnsetCase, row);
        const Onset o = findOnset(signal(row.eventMs, row.shape, row.noiseSd, row.hum), partSearch(row.part, stampNs));
        QCOMPARE(onsetVerdictName(o.verdict), onsetVerdictName(row.verdict));
        QCOMPARE(o.clipped, row.clipped);
        if (row.verdict != OnsetVerdict::Found)
            return;
        const double lag = partLagMs(row.part, stampNs, o.ns);
        QVERIFY2(std::fabs(lag - row.lagMs) <= row.withinMs, qPrintable(QString::number(lag, 'f', 3)));
    }

    // Clicks recorded through PipeWire (tests/fixtures/machine/clicks.txt): the onset the mouse part
    // finds in real noise and hum is where the click's own shape fits the recording best, to its first
    // swing's rise to a fifth (0.01 ms).
    void onsetsInRecordedClicks()
    {
        const QStringList clips = QString::fromLatin1(fakes::fixture("machine/clicks.txt"))
                                      .split('\n', Qt::SkipEmptyParts)
                                      .filter(QRegularExpression("^click"));
        QCOMPARE(clips.size(), 3);
        std::vector<double> shape;
        for (int k = 0; k < 576; ++k)
            shape.push_back(click(1)(double(k) * 1000.0 / kRate));
        for (const QString& clip : clips) {
            const QByteArray raw = fakes::fixture(qPrintable("machine/" + clip.section(' ', 0, 0)));
            SignalWindow w{0, kRate, {}};
            for (qsizetype i = 0; i + 1 < raw.size(); i += 2)
                w.frames.push_back(float(qFromLittleEndian<qint16>(raw.constData() + i)) / 32768.0f);
            // The click's shape slid along the recording: where it fits best, to the frame.
            std::size_t best = 0;
            double bestScore = -1;
            for (std::size_t at = 0; at + shape.size() < w.frames.size(); ++at) {
                double score = 0;
                for (std::size_t k = 0; k < shape.size(); ++k)
                    score += w.frames[at + k] * shape[k];
                if (score > bestScore)
                    bestScore = score, best = at;
            }
            const std::int64_t fitNs = std::int64_t(best) * 1'000'000'000 / kRate;
            const Onset o = findOnset(w, partSearch(CheckPart::Mouse, fitNs + 7 * ms));
            QCOMPARE(onsetVerdictName(o.verdict), "found");
            QVERIFY2(std::llabs(o.ns - fitNs - 10'000) <= 30'000, qPrintable(QString::number(o.ns - fitNs)));
            QVERIFY(o.peak > 0.3 && o.rest < 0.05 && !o.clipped);
        }
    }

    void onsetOutsideTheRecording()
    {
        SignalWindow w = signal(23, step(0.3));
        w.frames.resize(w.frames.size() / 2); // ends before the search window does
        QCOMPARE(onsetVerdictName(findOnset(w, partSearch(CheckPart::Screen, stampNs)).verdict), "gap");
    }

    // The first frame of a capture block by each route's answers, as each backend fills them in.
    void captureClock_data()
    {
        QTest::addColumn<qint64>("got");
        QTest::addColumn<qint64>("expected");
        QTest::addColumn<QString>("source");
        // ALSA: 240 frames (5 ms) read from 10 s to 10.0001 s; 2400 frames read before them; the
        // status 0.05 ms later has 48 frames captured since (1 ms) and 2688 frames' stream time.
        AlsaCaptureReport a{10'000 * ms, 10'000 * ms + 100'000, 48000,      240,     2400, true,
                            true,        10'000 * ms + 150'000, 9'944 * ms, 56 * ms, true, 48};
        const auto row = [](const char* name, std::int64_t got, std::int64_t expected) {
            QTest::newRow(name) << qint64(got) << qint64(expected) << QString();
        };
        const auto alsaRow = [](const char* name, const AlsaCaptureReport& r, qint64 expected, const char* source) {
            const ToneStamp s = alsaCaptureFirstFrame(r);
            QTest::newRow(name) << qint64(s.ns) << expected << QString(toneSourceName(s.source)) + "=" + source;
        };
        alsaRow("alsa: audio timestamp", a, 10'000 * ms + 150'000 - 56 * ms + 50 * ms, "audio");
        AlsaCaptureReport late = a;
        late.audioNs = 50 * ms; // would put the block after the read returned
        alsaRow("alsa: audio timestamp too late: the delay", late, 10'000 * ms + 150'000 - 6 * ms, "delay");
        AlsaCaptureReport noAudio = a;
        noAudio.audioValid = false;
        alsaRow("alsa: no audio timestamp: the delay", noAudio, 10'000 * ms + 150'000 - 6 * ms, "delay");
        AlsaCaptureReport trigger = noAudio;
        trigger.statusNs = 0;
        alsaRow("alsa: no status time: the trigger", trigger, 9'944 * ms + 50 * ms, "trigger");
        AlsaCaptureReport wall = a;
        wall.monotonic = false;
        alsaRow("alsa: the wall clock: the read", wall, 10'000 * ms + 100'000 - 5 * ms, "write");
        // PipeWire: a source 256 frames (5.333 ms) behind the cycle; a monitor; a resampler's 48.
        const qint64 now = 20'000 * ms;
        QTest::newRow("pipewire: a source's delay")
            << qint64(graphCaptureFirstFrameNs({now, 1, 48000, 256, 0, 48000})) << now - 5'333'333 << QString();
        QTest::newRow("pipewire: a sink's monitor")
            << qint64(graphCaptureFirstFrameNs({now, 1, 48000, 0, 0, 48000})) << now << QString();
        QTest::newRow("pipewire: and the resampler's frames")
            << qint64(graphCaptureFirstFrameNs({now, 1, 48000, 256, 48, 48000})) << now - 6'333'333 << QString();
        QTest::newRow("pipewire: delay in nanoseconds")
            << qint64(graphCaptureFirstFrameNs({now, 1, 1'000'000'000, 2'500'000, 0, 44100})) << now - 2'500'000
            << QString();
        const qint64 last = now - 60 * ms; // the last block taken ended there
        QTest::newRow("pipewire: two buffers waiting, reaching back to the last block")
            << qint64(graphCaptureRunStartNs(last + 10'666'666, 512, last, 48000)) << last << QString();
        QTest::newRow("pipewire: a stalled reader's waiting buffers follow the last block")
            << qint64(graphCaptureRunStartNs(now, 512, last, 48000)) << last << QString();
        QTest::newRow("pipewire: one buffer, a gap: dated afresh")
            << qint64(graphCaptureRunStartNs(now, 0, last, 48000)) << now << QString();
        QTest::newRow("pipewire: no graph clock yet")
            << qint64(graphCaptureFirstFrameNs({0, 1, 48000, 256, 0, 48000})) << qint64(0) << QString();
        // PulseAudio: 192000 bytes a second; 96000 written (0.5 s) when the server answered at 30 s.
        const PulseCaptureTime source{30'000 * ms, 96000, 4000, 0, 192000};
        row("pulse: a source", pulseCaptureOriginNs(source), 30'000 * ms - 4 * ms - 500 * ms);
        row("pulse: a sink's monitor", pulseCaptureOriginNs(PulseCaptureTime{30'000 * ms, 96000, 4000, 25000, 192000}),
            30'000 * ms + 21 * ms - 500 * ms);
        const PulseCaptureTime held{30'103 * ms, 96000 + 19200, 4000, 0, 192000}; // answered 3 ms late
        const QList<PulseCaptureTime> answers{held, source};
        row("pulse: the earliest of the answers", pulseCaptureOriginNs(std::span(answers.cbegin(), answers.cend())),
            30'000 * ms - 4 * ms - 500 * ms);
        row("pulse: no answer", pulseCaptureOriginNs(PulseCaptureTime{0, 96000, 4000, 0, 192000}), 0);
    }
    void captureClock()
    {
        QFETCH(qint64, got);
        QFETCH(qint64, expected);
        QFETCH(QString, source);
        QCOMPARE(got, expected);
        if (!source.isEmpty())
            QCOMPARE(source.section('=', 0, 0), source.section('=', 1));
    }

    // A window of the recording lies on the grid of the block that holds the stamp it is cut around,
    // every block where its own time puts it (a block dated 0.02 ms late shifts no other); a lost
    // block is held over; a window the recording does not reach, or that lost more than a
    // twentieth, is none.
    void recordingWindows()
    {
        CaptureRecording recording(kRate);
        const auto blockNs = [](int b) { return stampNs - 250 * ms + b * 256 * 1'000'000'000LL / kRate; };
        for (int b = 0; b < 100; ++b)
            if (b != 60) // lost
                recording.add(
                    {blockNs(b) + (b % 3 == 2) * 20'000, CaptureSource::Graph, std::vector<float>(256, float(b))});
        const std::optional<SignalWindow> w = recording.window(stampNs - 200 * ms, stampNs + 100 * ms, blockNs(40));
        QVERIFY(w && w->rate == kRate);
        QVERIFY(w->startNs <= stampNs - 200 * ms && w->startNs > stampNs - 200 * ms - 21'000);
        const auto at = [&](std::int64_t ns) {
            return w->frames[std::size_t(std::llround(double(ns - w->startNs) * kRate / 1e9))];
        };
        QCOMPARE(at(blockNs(40)), 40.0f);
        QCOMPARE(at(blockNs(41) + 10'000), 40.0f); // block 41, dated late, starts a frame later
        QCOMPARE(at(blockNs(41) + 30'000), 41.0f);
        QCOMPARE(at(blockNs(60) + 100'000), 59.0f);                           // lost: held over
        QCOMPARE(at(blockNs(61)), 61.0f);                                     // and the next on time
        QVERIFY(!recording.window(stampNs - 300 * ms, stampNs, blockNs(40))); // before the recording began
        QVERIFY(!recording.window(stampNs, stampNs + 290 * ms, blockNs(40))); // past its end
        CaptureRecording broken(kRate);
        for (int b = 0; b < 100; ++b)
            if (b < 40 || b >= 43) // 16 ms lost
                broken.add({blockNs(b), CaptureSource::Graph, std::vector<float>(256, 0)});
        QVERIFY(broken.window(stampNs - 200 * ms, stampNs + 250 * ms, blockNs(30)));  // 4 % of the window
        QVERIFY(!broken.window(stampNs - 100 * ms, stampNs + 100 * ms, blockNs(30))); // 8 %
    }

    // The part's figures over its trials, or a refusal that says what to do about the commonest
    // failure.
    void summaries_data()
    {
        QTest::addColumn<int>("part");
        QTest::addColumn<QList<int>>("verdicts"); // OnsetVerdict per trial
        QTest::addColumn<QString>("refusal");     // a word the reason holds; empty: measured
        const int F = int(OnsetVerdict::Found), M = int(OnsetVerdict::Missed), W = int(OnsetVerdict::Weak),
                  N = int(OnsetVerdict::Noisy);
        QTest::newRow("all timed") << int(CheckPart::Screen) << QList<int>(20, F) << QString();
        QTest::newRow("a few flashes missed")
            << int(CheckPart::Screen) << (QList<int>(15, F) << M << M << M << M << M) << QString();
        QTest::newRow("most missed: is the diode on the patch")
            << int(CheckPart::Screen) << (QList<int>(10, F) << QList<int>(10, M)) << "diode on the patch";
        QTest::newRow("too faint clicks")
            << int(CheckPart::Mouse) << (QList<int>(5, F) << QList<int>(15, W)) << "too faint (15 of 20 trials)";
        QTest::newRow("noisy sound") << int(CheckPart::Sound) << (QList<int>(4, F) << QList<int>(6, N)) << "too noisy";
        QTest::newRow("four of four is too few") << int(CheckPart::Sound) << QList<int>(4, F) << "too few";
    }
    void summaries()
    {
        QFETCH(int, part);
        QFETCH(QList<int>, verdicts);
        QFETCH(QString, refusal);
        std::vector<Trial> trials;
        for (qsizetype i = 0; i < verdicts.size(); ++i)
            trials.push_back({OnsetVerdict(verdicts[i]), 20.0 + double(i % 5), false});
        const MachineLag lag = summariseTrials(CheckPart(part), {}, trials);
        QCOMPARE(lag.trials, int(verdicts.size()));
        QCOMPARE(lag.measured, int(verdicts.count(int(OnsetVerdict::Found))));
        QVERIFY2(refusal.isEmpty() ? lag.refused.isEmpty() : lag.refused.contains(refusal), qPrintable(lag.refused));
        if (!refusal.isEmpty())
            return;
        double sum = 0; // over the found trials' lags, 20 to 24 ms in turn
        for (qsizetype i = 0; i < verdicts.size(); ++i)
            sum += verdicts[i] == int(OnsetVerdict::Found) ? 20.0 + double(i % 5) : 0;
        QCOMPARE(lag.meanMs, sum / lag.measured);
        QCOMPARE(lag.worstMs, 24.0);
        QVERIFY(lag.sdMs > 1.3 && lag.sdMs < 1.6);
    }

    // The check from stamps to lags: a recording of twenty flashes 23 ms after their stamps, in
    // blocks as a capture stream delivers them; the mouse's clicks grouped by device.
    void partsFromARecording()
    {
        CaptureRecording recording(kRate);
        MachineCheck check(recording);
        check.begin(CheckPart::Screen);
        std::vector<float> frames;
        const qint64 start = stampNs - 500 * ms;
        for (int i = 0; i < int(kRate * 21); ++i) {
            const double tMs = double(i) * 1000.0 / kRate - 500.0;
            const double inPhase = std::fmod(tMs + 1000.0, 1000.0); // white from 23 ms after each stamp
            frames.push_back(float(inPhase >= 23 && inPhase < 523 ? 0.3 : 0.0));
        }
        for (std::size_t at = 0; at < frames.size(); at += 256)
            recording.add({start + qint64(at) * 1'000'000'000LL / kRate, CaptureSource::Graph,
                           std::vector<float>(frames.begin() + std::ptrdiff_t(at),
                                              frames.begin() + std::ptrdiff_t(std::min(frames.size(), at + 256)))});
        for (int k = 0; k < 20; ++k)
            check.stamped(stampNs + k * 1000 * ms);
        QVERIFY(check.recorded());
        const QList<MachineLag> screen = check.finish();
        QCOMPARE(screen.size(), 1);
        QVERIFY2(screen[0].measuredOk() && screen[0].measured == 20, qPrintable(screen[0].refused));
        QVERIFY(std::fabs(screen[0].meanMs - 23) < 0.05 && screen[0].sdMs < 0.05);

        check.begin(CheckPart::Mouse); // no clicks in this recording: each device refused on its own
        for (int k = 0; k < 6; ++k)
            check.stamped(stampNs + k * 1000 * ms + 600 * ms, k % 2 ? "Mouse A" : "Mouse B");
        const QList<MachineLag> mice = check.finish();
        QCOMPARE(mice.size(), 2);
        QCOMPARE(mice[0].device, "Mouse B");
        QVERIFY(!mice[0].refused.isEmpty() && mice[0].trials == 3);
        check.stamped(stampNs + 30'000 * ms);
        QVERIFY(!check.recorded()); // a stamp past the recording's end
    }

    // The kept result written and read back; a file that is not one refused with a reason.
    void resultFile()
    {
        const MachineResult r = sampleResult();
        QBuffer buffer;
        buffer.open(QIODevice::ReadWrite);
        QVERIFY(writeMachineResult(buffer, r));
        buffer.seek(0);
        QString why;
        const std::optional<MachineResult> back = readMachineResult(buffer, why);
        QVERIFY2(back, qPrintable(why));
        QCOMPARE(back->host, r.host);
        QCOMPARE(back->date, r.date);
        QCOMPARE(back->inputStamps, r.inputStamps);
        QCOMPARE(back->lags.size(), 3);
        QCOMPARE(back->lags[2].device, "Logitech USB Optical Mouse");
        QCOMPARE(back->lags[2].refused, r.lags[2].refused);
        QVERIFY(std::isnan(back->lags[2].meanMs) && back->lags[0].meanMs == 24.31);
        QCOMPARE(back->lag("mouse"), nullptr);
        QCOMPARE(machineLagsLine(*back), "screen +24.3 ms (SD 1.2), sound +11.0 ms (SD 0.1), mouse (Logitech USB "
                                         "Optical Mouse): not measured");
        for (const QByteArray& bad : {QByteArray("Reflex data\nhost: x\n"), QByteArray("Brevane machine check\n"),
                                      QByteArray("Brevane machine check\nhost: x\nlag: screen\t20\n")}) {
            QBuffer in;
            in.setData(bad);
            in.open(QIODevice::ReadOnly);
            QVERIFY(!readMachineResult(in, why) && !why.isEmpty());
        }
        QCOMPARE(handedInMachineFileName("lab pc/3"), "machine-lab_pc_3.txt");
    }

    // The machine's result goes in with the first file a student hands in, once a session.
    void handedInOnce()
    {
        auto kept = std::make_unique<KeptHandIn>();
        KeptHandIn& files = *kept;
        int asked = 0;
        MachineHandIn handIn(std::move(kept), [&asked] {
            ++asked;
            return std::pair{QString("machine-pc-03.txt"), QByteArray("Brevane machine check\n")};
        });
        handIn.handIn("anna.nrm", "a");
        handIn.handIn("recover.dat", "b");
        QCOMPARE(asked, 1);
        QCOMPARE(files.files.size(), 3);
        QCOMPARE(files.files[1].first, "machine-pc-03.txt");
    }
};

QTEST_GUILESS_MAIN(TestMachineCheck)
#include "tst_machinecheck.moc"
