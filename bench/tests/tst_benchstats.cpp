#include "fakes/Rows.h"
#include "lib/Records.h"

#include <QTest>

using namespace timing;

namespace {

struct SummaryCase {
    const char* name;
    std::vector<double> values;
    std::size_t n;
    double mean, sd, min, max, p1, p99;
};

// A stimulus the program stamped `stimulusMs` after the onset and `pressMs` after the press was
// sent, and stored as `storedMs`, with a true delay of 300 ms.
Stimulus stamped(double stimulusMs, double pressMs, double storedMs, std::int64_t bracketNs, const char* source)
{
    Stimulus s;
    s.onsetNs = 2'000'000'000;
    s.bracketNs = bracketNs;
    s.sentNs = s.onsetNs + 300'000'000;
    s.trueMs = 300;
    s.storedMs = storedMs;
    s.progStimulusNs = s.onsetNs + std::int64_t(stimulusMs * 1e6);
    s.progPressNs = s.sentNs + std::int64_t(pressMs * 1e6);
    s.progSource = source;
    s.progHandOverNs = s.onsetNs - 16'000'000;
    return s;
}

} // namespace

class TestBenchStats : public QObject {
    Q_OBJECT
private slots:
    // Every row of the report: n, mean, sample standard deviation, extremes and the percentiles
    // interpolated between order statistics.
    void summarises_data()
    {
        // clang-format off
        brevane::fakes::addRows<SummaryCase>({
            {"none", {}, 0, NAN, NAN, NAN, NAN, NAN, NAN},
            {"one value", {0.4}, 1, 0.4, 0, 0.4, 0.4, 0.4, 0.4},
            {"four, unsorted", {4, 1, 3, 2}, 4, 2.5, std::sqrt(5.0 / 3), 1, 4, 1.03, 3.97},
            {"errors of both signs", {-0.5, -2, 0.25}, 3, -0.75, std::sqrt(2.625 / 2), -2, 0.25, -1.97, 0.235},
        });
        // clang-format on
    }
    void summarises()
    {
        QFETCH(SummaryCase, row);
        const Summary s = summarise(row.values);
        QCOMPARE(s.n, row.n);
        QCOMPARE(s.mean, row.mean);
        QCOMPARE(s.sd, row.sd);
        QCOMPARE(s.min, row.min);
        QCOMPARE(s.max, row.max);
        QCOMPARE(s.p1, row.p1);
        QCOMPARE(s.p99, row.p99);
    }

    void countsWhatLiesBeyondALimit()
    {
        QCOMPARE(countBeyond({-1.0, 1.0, 0.999}, 1.0), 0); // the limit itself is within
        QCOMPARE(countBeyond({1.0001, -1.2, 0.3}, 1.0), 2);
        QCOMPARE(summarise({-1.5, 0.5}).maxAbs(), 1.5);
    }

    // The figures of a condition: each error with its sign (a late stimulus stamp is a positive
    // stimulus side and shortens the time), the stimuli without a trace in the stored figures
    // only, and the hand-over stamps of display-stamped stimuli only.
    void figuresOfACondition()
    {
        Condition c;
        c.stimuli = {stamped(0.2, 0.3, 300, 100'000, "present"), stamped(-0.05, 1.5, 302, 150'000, "handover")};
        Stimulus untraced;
        untraced.trueMs = 250.4;
        untraced.storedMs = 250;
        untraced.bracketNs = 900'000;
        c.stimuli.push_back(untraced);
        const Figures f = figuresOf(c, 1000);
        QCOMPARE(f.stored.n, std::size_t(3));
        QCOMPARE(f.stored.mean, (0 + 2 - 0.4) / 3);
        QCOMPARE(f.trace.n, std::size_t(2));
        QCOMPARE(f.trace.mean, (0.1 + 1.55) / 2);
        QCOMPARE(f.stimulusSide.mean, (0.2 - 0.05) / 2);
        QCOMPARE(f.pressSide.mean, (0.3 + 1.5) / 2);
        QCOMPARE(f.rounding.mean, (-0.1 + 0.45) / 2);
        QCOMPARE(f.bracket.n, std::size_t(3));
        QCOMPARE(f.tightStimulusSide.n, std::size_t(2));
        QCOMPARE(f.handOverSide.n, std::size_t(1));
        QCOMPARE(f.handOverSide.mean, -16.0);
        QCOMPARE(f.insideBracket, 1); // 0.2 ms late with a bracket of 0.1: outside
        QCOMPARE(f.bracketed, 2);
        QCOMPARE(f.sources, std::string("handover 1, present 1"));
        QCOMPARE(f.counts.size(), std::size_t(1));
        QCOMPARE(f.counts[0].n, 1); // +1.55 ms
    }

    // The refresh grid through the Present stamps: every other frame shown, one completed 3 ms
    // late by the server, a stimulus of another source left out.
    void fitsTheRefreshGrid()
    {
        constexpr double period = 1e9 / 60;
        std::vector<Stimulus> stimuli(9);
        for (std::size_t i = 0; i < stimuli.size(); ++i) {
            stimuli[i].progSource = i == 4 ? "handover" : "present";
            stimuli[i].progMsc = 1000 + 2 * i;
            stimuli[i].progStimulusNs = 7'000'000'000 + std::int64_t(double(2 * i) * period) + (i == 6 ? 3'000'000 : 0);
        }
        std::vector<double> after;
        QVERIFY(std::fabs(fitRefreshGrid(stimuli, after) - period / 1e6) < 1e-6);
        QCOMPARE(after.size(), std::size_t(8));
        for (std::size_t k = 0; k < after.size(); ++k)
            QVERIFY2(std::fabs(after[k] - (k == 5 ? 3.0 : 0.0)) < 1e-5, qPrintable(QString::number(after[k])));
        stimuli.resize(2); // two Present stamps are no grid
        QVERIFY(std::isnan(fitRefreshGrid(stimuli, after)) && after.empty());
    }

    // The X server's millisecond of a press against the one it was sent in, across the wrap of
    // the server's 32-bit time.
    void serverLagAcrossTheWrap()
    {
        Stimulus s;
        s.sentNs = std::int64_t(4294967295) * 1'000'000 + 400'000;
        for (auto [serverMs, lag] : {std::pair{4294967295u, 0}, {0u, 1}, {1u, 2}}) {
            s.serverMs = serverMs;
            QCOMPARE(serverLagMs(s), lag);
        }
    }
};

QTEST_APPLESS_MAIN(TestBenchStats)
#include "tst_benchstats.moc"
