#include "fakes/Rows.h"
#include "lib/Pairing.h"

#include <QTest>

using namespace timing;
using brevane::TimingTraceLine;

namespace {

constexpr std::int64_t kStampedLateNs = 300'000; // the program's press stamp after the press sent

// Four stimuli 1.5 s apart, each pressed 300 ms after its onset, as the benchmark saw them.
std::vector<Stimulus> fourStimuli()
{
    std::vector<Stimulus> runs;
    for (int i = 0; i < 4; ++i) {
        Stimulus s;
        s.run = i + 1;
        s.onsetNs = 1'000'000'000 + i * std::int64_t(1'500'000'000);
        s.sentNs = s.onsetNs + 300'000'000;
        s.followsPress = i > 0;
        runs.push_back(s);
    }
    return runs;
}

// The program's line for a press `lateNs` after the press of runs[stimulus] was sent (stimulus -1:
// before the first onset); its own line's press stamp also carries the run's number, so that the
// test tells which line a stimulus got.
TimingTraceLine line(const std::vector<Stimulus>& runs, int stimulus, std::int64_t lateNs)
{
    const Stimulus& s = runs[std::size_t(std::max(stimulus, 0))];
    const std::int64_t onset = stimulus < 0 ? s.onsetNs - 900'000'000 : s.onsetNs;
    const std::int64_t press = (stimulus < 0 ? onset + 100'000'000 : s.sentNs + lateNs) + s.run;
    return TimingTraceLine::parse(std::to_string(onset + 200'000) + " " + std::to_string(press) +
                                  " 40000 present 100 0 xi2 none exact 0 - 0");
}

struct PairingCase {
    const char* name;
    std::vector<std::pair<int, std::int64_t>> lines; // the stimulus each stamps, its press stamp after the sent
    std::vector<int> paired;                         // the runs that get their own line
    std::string warning;
};

struct FieldsCase {
    const char* name;
    const char* line;
    std::optional<std::int64_t> halfWidthNs;
    std::string source;
    std::optional<std::uint64_t> msc;
    std::optional<std::int64_t> handOverNs;
};

} // namespace

class TestPairing : public QObject {
    Q_OBJECT
private slots:
    // A trace line belongs to the stimulus shown last before its press stamp: a line missing, or
    // one for a response the benchmark did not make, costs only its own stimulus, and the lines
    // after it still go with their own presses.
    void pairsEachLineWithThePressItStamped_data()
    {
        constexpr std::int64_t own = kStampedLateNs;
        const std::string one = "the trace holds 1 line for no press of the benchmark's";
        // clang-format off
        brevane::fakes::addRows<PairingCase>({
            {"one line a press", {{0, own}, {1, own}, {2, own}, {3, own}}, {1, 2, 3, 4}, ""},
            {"a press the program did not trace", {{0, own}, {2, own}, {3, own}}, {1, 3, 4},
             "the trace holds no line for press 2 of 4"},
            {"a line before the series' first stimulus", {{-1, own}, {0, own}, {1, own}, {2, own}, {3, own}},
             {1, 2, 3, 4}, one},
            {"a second response, later", {{0, own}, {1, own}, {1, 400'000'000}, {2, own}, {3, own}}, {1, 2, 3, 4}, one},
            {"a response before the press, traced first", {{0, own}, {1, -90'000'000}, {1, own}, {2, own}, {3, own}},
             {1, 2, 3, 4}, one},
            {"one missing and one extra: nothing shifts", {{0, own}, {0, 500'000'000}, {2, own}, {3, own}}, {1, 3, 4},
             "the trace holds no line for press 2 of 4; and 1 line for no press of the benchmark's"},
            {"no trace lines", {}, {}, "the trace holds no line for presses 1, 2, 3, 4 of 4"},
        });
        // clang-format on
    }
    void pairsEachLineWithThePressItStamped()
    {
        QFETCH(PairingCase, row);
        std::vector<Stimulus> runs = fourStimuli();
        std::vector<TimingTraceLine> lines;
        for (auto [stimulus, lateNs] : row.lines)
            lines.push_back(line(runs, stimulus, lateNs));
        QCOMPARE(pairTrace(lines, runs), row.warning);
        for (const Stimulus& s : runs) {
            const bool paired = std::find(row.paired.begin(), row.paired.end(), s.run) != row.paired.end();
            QCOMPARE(s.progPressNs, paired ? std::optional(s.sentNs + kStampedLateNs + s.run) : std::nullopt);
            QCOMPARE(s.progStimulusNs, paired ? std::optional(s.onsetNs + 200'000) : std::nullopt);
            // The program's interval needs its stamps of this stimulus and of the press before.
            const Stimulus* before = s.run > 1 ? &runs[std::size_t(s.run - 2)] : nullptr;
            if (paired && before && before->progPressNs)
                QCOMPARE(s.programIntervalMs, double(*s.progStimulusNs - *before->progPressNs) / 1e6);
            else
                QVERIFY(!s.programIntervalMs);
        }
    }

    // The fields are read by name; an older program's trace has only the first two, three or six.
    void readsTheFieldsByName_data()
    {
        // clang-format off
        brevane::fakes::addRows<FieldsCase>({
            {"every field", "1000200000 1300300000 45000 present 777 999000000 xi2 none exact 0 - 0",
             45000, "present", 777, 999000000},
            {"a hand-over stamp: no frame counter", "1000200000 1300300000 45000 handover 0 1000100000 xi2 none estimated 0 - 0",
             45000, "handover", std::nullopt, 1000100000},
            {"uncertainty not known, no hand-over", "1000200000 1300300000 -1 clock 0 0 evdev alsa estimated 0 - 0",
             std::nullopt, "clock", std::nullopt, std::nullopt},
            {"an older trace: two fields", "1000200000 1300300000", std::nullopt, "", std::nullopt, std::nullopt},
            {"an older trace: six fields", "1000200000 1300300000 45000 present 12 999000000\r",
             45000, "present", 12, 999000000},
        });
        // clang-format on
    }
    void readsTheFieldsByName()
    {
        QFETCH(FieldsCase, row);
        std::vector<Stimulus> runs(1);
        runs[0].onsetNs = 1'000'000'000;
        runs[0].sentNs = 1'300'000'000;
        QCOMPARE(pairTrace({TimingTraceLine::parse(row.line)}, runs), std::string());
        const Stimulus& s = runs[0];
        QCOMPARE(s.progStimulusNs, std::optional<std::int64_t>(1000200000));
        QCOMPARE(s.progPressNs, std::optional<std::int64_t>(1300300000));
        QCOMPARE(s.progStimulusHalfWidthNs, row.halfWidthNs);
        QCOMPARE(s.progSource, row.source);
        QCOMPARE(s.progMsc, row.msc);
        QCOMPARE(s.progHandOverNs, row.handOverNs);
    }

    // Numbers as the writer leaves them: the frame counter is unsigned 64-bit; a word is no number.
    void readsWordsAndNumbers()
    {
        const TimingTraceLine r =
            TimingTraceLine::parse("5 6 -1 present 18446744073709551615 7 xi2 none exact 0 - -15\n");
        QCOMPARE(r.number<std::uint64_t>("msc"), std::optional<std::uint64_t>(18446744073709551615u));
        QCOMPARE(r.number("tone_lag_ns"), std::optional<std::int64_t>(-15));
        QCOMPARE(r.number("source"), std::nullopt);
        QCOMPARE(TimingTraceLine::parse("5 6").word("source"), std::string_view());
    }

    // The recovery file: set 1's times in seconds, one a line, for the first ten runs; a choice
    // test's four counts; a line missing or not a number stops the benchmark with its number.
    void takesStoredTimesAndCounts()
    {
        std::vector<std::string> lines{"header", ".25", "1", ".3125", "7", "0", "12", "1"};
        std::vector<Stimulus> runs(3);
        takeStoredTimes(lines, 2, runs);
        QCOMPARE(runs[0].storedMs, std::optional(250.0));
        QCOMPARE(runs[1].storedMs, std::optional(1000.0));
        QCOMPARE(runs[2].storedMs, std::optional(312.5));
        ChoiceTally t;
        takeChoiceCounts(lines, 5, t);
        QCOMPARE((std::vector{t.correctHits, t.correctMisses, t.incorrectHits, t.missedHits}),
                 (std::vector{7, 0, 12, 1}));

        std::vector<Stimulus> twelve(12);
        lines.resize(20, ".2");
        takeStoredTimes(lines, 2, twelve);
        QVERIFY(twelve[9].storedMs && !twelve[10].storedMs);                           // only ten runs are stored
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, takeStoredTimes(lines, 1, runs)); // "header"
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, takeChoiceCounts(lines, 18, t));  // lines 18..21 of 20
    }
};

QTEST_APPLESS_MAIN(TestPairing)
#include "tst_pairing.moc"
