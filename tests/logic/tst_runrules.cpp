// Which stored runs count: each run's outcome from the stored times and the set's counts, the
// fixed limits at their edges, and the outlier cuts on values worked by hand.
#include "summary/RunRules.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace brevane;
using namespace brevane::summary;

using Runs = std::vector<StoredRun>;
constexpr double kOpen = std::numeric_limits<double>::infinity();

namespace {

RunRow row(std::initializer_list<float> times)
{
    RunRow runs{};
    std::copy(times.begin(), times.end(), &runs[1]);
    return runs;
}

} // namespace

class TestRunRules : public QObject {
    Q_OBJECT
private slots:
    // Only as many 1.000 s runs are missed hits as the set counts; an empty run has no row; runs
    // 11..20 are never stored.
    void outcomes_data()
    {
        QTest::addColumn<RunRow>("times");
        QTest::addColumn<int>("missed"); // -1: the simple test, no counts
        QTest::addColumn<QList<int>>("places");
        QTest::addColumn<QList<Outcome>>("outcomes");
        using enum Outcome;
        QTest::newRow("simple") << row({.25f, 0, .3f}) << -1 << QList{1, 3} << QList{Press, Press};
        QTest::newRow("a missed hit and a press at 1 s") << row({.4f, 1.0f, 1.0f, .5f}) << 1 << QList{1, 2, 3, 4}
                                                         << QList{CorrectHit, MissedHit, CorrectHit, CorrectHit};
        RunRow eleven = row({.3f});
        eleven[11] = .4f;
        QTest::newRow("run 11") << eleven << 0 << QList{1} << QList{CorrectHit};
    }
    void outcomes()
    {
        QFETCH(RunRow, times);
        QFETCH(int, missed);
        QFETCH(QList<int>, places);
        QFETCH(QList<Outcome>, outcomes);
        const Runs runs = storedRuns(times, missed < 0 ? std::nullopt : std::optional(Outcomes{0, 0, 0, missed}));
        QCOMPARE(qsizetype(runs.size()), places.size());
        for (std::size_t i = 0; i < runs.size(); ++i) {
            QCOMPARE(runs[i].run, places[qsizetype(i)]);
            QCOMPARE(runs[i].outcome, outcomes[qsizetype(i)]);
            QCOMPARE(runs[i].rtMs, int(std::lround(times[runs[i].run] * 1000.0)));
        }
    }

    // Under the anticipation limit (120 ms) and over the lapse limit (900 ms); the limits themselves
    // count; a missed hit, over the lapse limit, is a missed hit.
    void limits_data()
    {
        QTest::addColumn<int>("rtMs");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<Exclusion>("excluded");
        QTest::newRow("119") << 119 << Outcome::Press << Exclusion::Anticipation;
        QTest::newRow("120") << 120 << Outcome::Press << Exclusion::None;
        QTest::newRow("900") << 900 << Outcome::CorrectHit << Exclusion::None;
        QTest::newRow("901") << 901 << Outcome::CorrectHit << Exclusion::Lapse;
        QTest::newRow("missed hit") << 1000 << Outcome::MissedHit << Exclusion::MissedHit;
    }
    void limits()
    {
        QFETCH(int, rtMs);
        QFETCH(Outcome, outcome);
        QFETCH(Exclusion, excluded);
        QCOMPARE(fixedExclusion({1, rtMs, outcome}, {120, 900}), excluded);
    }

    // Worked by hand: {100, 200, 300, 1000} has median 250 and MAD 100, 148.26 scaled (the mean,
    // 400, and the mean deviation are far off); {1, 2, 3, 4, 10} has mean 4 and SD 3.5355. No
    // spread, or no rule, leaves the cut open.
    void cuts_data()
    {
        QTest::addColumn<std::vector<double>>("values");
        QTest::addColumn<OutlierRule>("rule");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::newRow("mad") << std::vector<double>{300, 1000, 100, 200} << OutlierRule::Mad << -194.78 << 694.78;
        QTest::newRow("sd") << std::vector<double>{1, 2, 3, 4, 10} << OutlierRule::Sd << -6.6066 << 14.6066;
        QTest::newRow("mad, alike") << std::vector<double>(5, 250.0) << OutlierRule::Mad << -kOpen << kOpen;
        QTest::newRow("sd, one") << std::vector<double>{250} << OutlierRule::Sd << -kOpen << kOpen;
        QTest::newRow("none") << std::vector<double>{1, 2, 300} << OutlierRule::None << -kOpen << kOpen;
    }
    void cuts()
    {
        QFETCH(std::vector<double>, values);
        QFETCH(OutlierRule, rule);
        QFETCH(double, low);
        QFETCH(double, high);
        const Cut cut = outlierCut(values, rule);
        QVERIFY2(std::abs(cut.low - low) < 1e-3 || cut.low == low, qPrintable(QString::number(cut.low)));
        QVERIFY2(std::abs(cut.high - high) < 1e-3 || cut.high == high, qPrintable(QString::number(cut.high)));
    }

    // A set's counts by reason and its statistics over what is left; a missed hit is in neither.
    void cleanSetCounts()
    {
        using enum Exclusion;
        const Runs runs{{1, 50, Outcome::Press, Anticipation},    {2, 300, Outcome::Press, None},
                        {3, 2500, Outcome::Press, Lapse},         {4, 700, Outcome::Press, Outlier},
                        {5, 1000, Outcome::MissedHit, MissedHit}, {6, 200, Outcome::Press, None}};
        const CleanSet c = cleanSet(runs);
        QCOMPARE(std::tuple(c.anticipations, c.lapses, c.outliers, c.n), std::tuple(1, 1, 1, 2));
        QCOMPARE(c.mean, 250.0);
        QCOMPARE(c.median, 250.0);
    }
};

QTEST_APPLESS_MAIN(TestRunRules)
#include "tst_runrules.moc"
