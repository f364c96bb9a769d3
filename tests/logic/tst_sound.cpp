// The tone's routes through a sound server: when the first frame of a buffer is heard, by
// PipeWire's and PulseAudio's timing of the stream; the tone spliced into a stream running on
// silence; and the audio-visual stimulus, which counts from the earlier of its two onsets.
#include "fakes/Fakes.h"
#include "platform/audio/ToneSplicer.h"
#include "platform/audio/pipewire/GraphTime.h"
#include "platform/audio/pulse/PulseTime.h"
#include "shared/TestCore.h"

using namespace brevane;

namespace {
constexpr qint64 ms = 1'000'000;

struct GraphCase {
    const char* name;
    GraphTime time;
    qint64 expected;
};
struct PulseCase {
    const char* name;
    PulseTime time;
    qint64 expected;
    PulseTime placedBy = {}; // an older answer
};
// Buffers of 240 frames at 48 kHz (5 ms) from 1 s on; the tone asked for at `atNs`.
struct SpliceCase {
    const char* name;
    qint64 atNs;
    qint64 firstNs; // of the first buffer; 0: no graph clock yet
    int buffer;     // the buffer the tone starts in
    int frame;      // and its frame there
    qint64 stamp;   // 0: unknown
};
struct AvCase {
    const char* name;
    Presentation shown;
    ToneStamp tone;
    qint64 ns, lag;
    ToneSource source;
};
} // namespace

class TestSound : public QObject {
    Q_OBJECT
private slots:
    // The buffer being filled is heard after this cycle's quantum, the delay to the device (in
    // the graph's clock units, whatever its rate), the frames queued ahead and the resampler's.
    void pipewireGraphTime_data()
    {
        fakes::addRows<GraphCase>({
            {"nothing queued, no delay", {1000 * ms, 1, 48000, 0, 0, 0, 48000, 0}, 1000 * ms},
            {"after this cycle's quantum", {1000 * ms, 1, 48000, 0, 0, 0, 48000, 240}, 1005 * ms},
            {"a quantum to the device", {1000 * ms, 1, 48000, 240, 0, 0, 48000, 240}, 1010 * ms},
            {"a buffer queued ahead", {1000 * ms, 1, 48000, 240, 240, 0, 48000, 240}, 1015 * ms},
            {"graph at 44.1 kHz, stream at 48", {1000 * ms, 1, 44100, 441, 240, 24, 48000, 240}, 1020 * ms + 500'000},
            {"no clock yet", {0, 1, 48000, 256, 0, 0, 48000, 240}, 0},
            {"no rate yet", {1000 * ms, 0, 0, 256, 0, 0, 48000, 240}, 0},
        });
    }
    void pipewireGraphTime()
    {
        QFETCH(GraphCase, row);
        QCOMPARE(graphFirstFrameNs(row.time), row.expected);
    }

    // A byte is heard after what the server has not read yet and the sink's latency, counted from
    // the server's answer (its own time: the transport does not count); a byte already read,
    // that much earlier, unless the stream ran dry since. Not playing: not known. An older answer
    // dates it earlier where the stream played through since (a held-up answer dates late).
    void pulseTiming_data()
    {
        fakes::addRows<PulseCase>({
            {"all read, no sink latency", {1000 * ms, 9600, 9600, 0, true, 0, 96000}, 1000 * ms},
            {"10 ms not read, 20 ms in the sink", {1000 * ms, 8640, 9600, 20'000, true, 0, 96000}, 1030 * ms},
            {"read 2 ms before the answer", {1000 * ms, 9600, 9408, 20'000, true, 192, 96000}, 1018 * ms},
            {"read, then the stream ran dry", {1000 * ms, 9600, 9408, 20'000, true, 96, 96000}, 0},
            {"the stream not playing", {1000 * ms, 8640, 9600, 20'000, false, 0, 96000}, 0},
            {"no timing yet", {0, 8640, 9600, 20'000, true, 0, 96000}, 0},
            {"a held-up answer, played through since the older",
             {1003 * ms, 9600, 9408, 20'000, true, 9600, 96000},
             1018 * ms,
             {900 * ms, 0, 9408, 20'000, true, 0, 96000}},
            {"an older answer, run dry since",
             {1003 * ms, 9600, 9408, 20'000, true, 96, 96000},
             0,
             {900 * ms, 0, 9408, 20'000, true, 0, 96000}},
            {"an older answer, a gap since",
             {1003 * ms, 9600, 9408, 20'000, true, 1000, 96000},
             1021 * ms,
             {900 * ms, 0, 9408, 20'000, true, 0, 96000}},
        });
    }
    void pulseTiming()
    {
        QFETCH(PulseCase, row);
        QCOMPARE(pulseHeardNs(row.time, row.placedBy), row.expected);
    }

    // The tone starts on the first frame heard at or after the time asked for (never early),
    // on the next buffer's first frame when asked for none or too late, and is stamped there;
    // the rest of the stream is silence.
    void spliceIntoSilence_data()
    {
        const qint64 first = 1000 * ms;
        fakes::addRows<SpliceCase>({
            {"at once", 0, first, 0, 0, first},
            {"2 ms on: frame 96", first + 2 * ms, first, 0, 96, first + 2 * ms},
            {"between two frames: the later", first + 2 * ms + 1000, first, 0, 97,
             first + 97 * 1'000'000'000LL / 48000},
            {"8 ms on: the second buffer", first + 8 * ms, first, 1, 144, first + 8 * ms},
            {"asked too late: the first frame", first - 3 * ms, first, 0, 0, first},
            {"no graph clock: at once, unstamped", first + 2 * ms, 0, 0, 0, 0},
        });
    }
    void spliceIntoSilence()
    {
        QFETCH(SpliceCase, row);
        const fakes::FakeClock clock;
        ToneSplicer splicer(48000, clock);
        const std::vector<std::int16_t> tone = makeTone(48000);
        splicer.request(row.atNs);
        std::vector<std::int16_t> stream(240 * 3, 1);
        std::ptrdiff_t placedAt = -1; // in the stream, as fill says
        for (int b = 0; b < 3; ++b)
            if (const auto at = splicer.fill(stream.data() + 240 * b, 240, row.firstNs ? row.firstNs + b * 5 * ms : 0);
                at >= 0)
                placedAt = 240 * b + at;
        const auto start = std::size_t(row.buffer * 240 + row.frame);
        QCOMPARE(placedAt, std::ptrdiff_t(start));
        QVERIFY(std::all_of(stream.begin(), stream.begin() + qsizetype(start), [](auto s) { return s == 0; }));
        QVERIFY(std::equal(stream.begin() + qsizetype(start), stream.end(), tone.begin()));
        const ToneStamp stamp = splicer.placed(ToneSource::Graph, std::chrono::milliseconds(0));
        QCOMPARE(stamp.ns, row.stamp);
        QCOMPARE(stamp.known(), row.stamp != 0);
        QVERIFY(splicer.busy()); // 150 ms of tone are still to come
    }

    // A new tone cuts off one still playing; once played out the stream is silence again.
    void spliceCutsOffAndEnds()
    {
        const fakes::FakeClock clock;
        ToneSplicer splicer(48000, clock);
        const std::vector<std::int16_t> tone = makeTone(48000);
        std::vector<std::int16_t> buffer(512);
        splicer.request(0);
        splicer.fill(buffer.data(), 512, 1000 * ms);
        splicer.request(0);
        splicer.fill(buffer.data(), 512, 1000 * ms + 10 * ms);
        QVERIFY(std::equal(buffer.begin(), buffer.end(), tone.begin())); // from its start again
        QCOMPARE(splicer.placed(ToneSource::Graph, std::chrono::milliseconds(0)).ns, 1010 * ms);
        for (std::size_t played = 512; played < tone.size(); played += 512)
            splicer.fill(buffer.data(), 512, 0);
        QVERIFY(!splicer.busy());
        splicer.fill(buffer.data(), 512, 0);
        QVERIFY(std::all_of(buffer.begin(), buffer.end(), [](auto s) { return s == 0; }));
    }

    // A tone must be asked for as far ahead as from one fill to the first frame of the next is
    // heard, the most of the last fills; the gap before a stream started afresh is no fill's wait.
    void spliceLead()
    {
        fakes::FakeClock clock;
        ToneSplicer splicer(48000, clock);
        std::vector<std::int16_t> buffer(240);
        for (const qint64 t : {1000, 1005, 1014, 1015, 3000}) { // one fill held up 4 ms; a new stream
            clock.now = t * ms;
            splicer.fill(buffer.data(), 240, (t + 30) * ms);
        }
        QCOMPARE(splicer.leadNs(), 39 * ms);
    }

    // Picture and tone: the earlier onset counts, and the trace keeps the tone less the picture.
    // Without a known tone the hand-over counts; a tone alone counts from its first sample.
    void audioVisualOnset_data()
    {
        const Presentation present{9000 * ms, 9000 * ms + 100'000, 9012 * ms, 5};
        const Presentation handOver{9000 * ms, 9000 * ms + 100'000};
        // clang-format off
        fakes::addRows<AvCase>({
            {"tone 1.5 ms after the frame: the frame", present, {9013 * ms + 500'000, ToneSource::Graph}, 9012 * ms,
             1'500'000, ToneSource::Graph},
            {"tone 2 ms before the frame: the tone", present, {9010 * ms, ToneSource::Audio}, 9010 * ms, -2 * ms,
             ToneSource::Audio},
            {"hand-over and tone", handOver, {9001 * ms, ToneSource::Pulse}, 9000 * ms, ms, ToneSource::Pulse},
            {"tone unknown: the hand-over of both", present, {}, 9020 * ms, 0, ToneSource::None},
        });
        // clang-format on
    }
    void audioVisualOnset()
    {
        QFETCH(AvCase, row);
        const StimulusStamp s = stampStimulus(&row.shown, &row.tone, 9020 * ms);
        QCOMPARE(s.ns, row.ns);
        QCOMPARE(s.toneLagNs, row.lag);
        QCOMPARE(toneSourceName(s.tone), toneSourceName(row.source));
        if (row.tone.known())
            QCOMPARE(s.trace.source, row.shown.source());
        const ToneStamp alone{9015 * ms, ToneSource::Graph};
        QCOMPARE(stampStimulus(nullptr, &alone, 9020 * ms).ns, 9015 * ms);
    }
};

QTEST_MAIN(TestSound)
#include "tst_sound.moc"
