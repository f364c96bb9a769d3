#pragma once
// Which stored runs count as reaction times, by a stated rule. Every stored run of a set is one
// StoredRun with its outcome; a run is left out of the clean statistics as a missed hit (the
// stored 1.000 s of a trigger let pass: no reaction), an anticipation (under the anticipation
// limit: a press before the stimulus could be taken in), a lapse (over the lapse limit) or an
// outlier (beyond the robust cut over the student's other times of that test). Anticipations and
// lapses go first; the cut is then taken over what is left, which is also the sample of the
// distribution's shape (median, mean, ex-Gaussian). Pure functions over plain values.

#include "shared/Stores.h"
#include "summary/ClassStatistics.h"
#include "summary/ExGaussian.h"

#include <QString>
#include <limits>
#include <optional>
#include <span>
#include <vector>

namespace brevane::summary {

enum class OutlierRule { Mad, Sd, None };

struct RunRules {
    int anticipationMs = 100; // a time under this is an anticipation
    int lapseMs = 2000;       // a time over this is a lapse
    OutlierRule outliers = OutlierRule::Mad;
    static constexpr double kCutWidth = 3;     // median +- 3 scaled MADs, or mean +- 3 SD
    static constexpr int kFitMinimumRuns = 40; // four of a student's ten sets
};

enum class Outcome { Press, CorrectHit, MissedHit };
enum class Exclusion { None, MissedHit, Anticipation, Lapse, Outlier };

struct StoredRun {
    int run = 0;  // 1..10, its place in the set
    int rtMs = 0; // the stored time in whole milliseconds
    Outcome outcome = Outcome::Press;
    Exclusion excluded = Exclusion::None;
};

// Runs 1..10 that hold a time, in order. In a choice test a stored 1.000 s is a missed hit as far
// as the set's count of missed hits goes (takeMissedHit), as the set statistics take it; the rest
// are correct hits. Without counts (the simple test) every run is a press.
std::vector<StoredRun> storedRuns(const RunRow& runs, const std::optional<Outcomes>& outcomes);

// Missed hit, anticipation, lapse or none: the rules that need no other run.
Exclusion fixedExclusion(const StoredRun& run, const RunRules& rules);

// 1.4826 times the median absolute deviation: the SD's estimate for normal data that one slow
// run cannot move. NaN for no values.
double scaledMad(std::span<const double> values);

// The outlier cut over a student's times of one test: a time below low or above high is an
// outlier. Open (no cut) for rule None and where the spread is 0 or not defined, so that a
// student whose times are nearly all alike keeps them.
struct Cut {
    double low = -std::numeric_limits<double>::infinity();
    double high = std::numeric_limits<double>::infinity();
};
Cut outlierCut(std::span<const double> values, OutlierRule rule);

// A set's counts by rule and its statistics over the runs that count.
struct CleanSet {
    int anticipations = 0, lapses = 0, outliers = 0;
    int n = 0;
    double mean = kNone, median = kNone, sd = kNone;
};
CleanSet cleanSet(const std::vector<StoredRun>& runs);

// A student's times of one test by the rules: the counts over their sets; the clean mean, the
// mean of their clean set means as the raw mean is of the raw ones; and the shape over every
// reaction time but anticipations and lapses, pooled over their sets.
struct StudentShape {
    int anticipations = 0, lapses = 0, outliers = 0;
    Cut cut;
    double cleanMean = kNone;
    std::vector<double> countedMs; // the runs that count, in set and run order
    int shapeRuns = 0;
    double median = kNone, mean = kNone;
    ExGaussianFit fit;
};

// The class's numbers of one test by the rules.
struct ClassShape {
    int anticipations = 0, lapses = 0, outliers = 0;
    std::vector<double> countedMs;  // every run that counts, of every student
    std::vector<double> cleanMeans; // one per student who has one, in student order
    double cleanMean = kNone, cleanSd = kNone, cleanMedian = kNone;
    Interval cleanMinusSimple;
    int shapeStudents = 0;
    double median = kNone, mean = kNone; // the means of the students' shape medians and means
    int fitted = 0;                      // students whose fit converged
    ExGaussian fit;                      // the means of their parameters
    Interval muMinusSimple, tauMinusSimple;
};

// The words the tables and notes use: "press", "correct hit", "missed hit"; "", "missed hit",
// "anticipation", "lapse", "outlier"; "mad", "sd", "none".
QString outcomeName(Outcome outcome);
QString exclusionName(Exclusion exclusion);
QString ruleName(OutlierRule rule);
std::optional<OutlierRule> ruleNamed(const QString& name);

} // namespace brevane::summary
