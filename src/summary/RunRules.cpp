#include "summary/RunRules.h"
#include "shared/ResultsCsv.h"

#include <cmath>

namespace brevane::summary {

std::vector<StoredRun> storedRuns(const RunRow& runs, const std::optional<Outcomes>& outcomes)
{
    std::vector<StoredRun> out;
    int missed = outcomes ? outcomes->missedHits : 0;
    for (int run = 1; run <= kStoredRuns; ++run) {
        const float t = runs[run];
        if (!(t > 0))
            continue;
        const Outcome outcome = !outcomes                  ? Outcome::Press
                                : takeMissedHit(t, missed) ? Outcome::MissedHit
                                                           : Outcome::CorrectHit;
        out.push_back({run, wholeMilliseconds(t), outcome, Exclusion::None});
    }
    return out;
}

Exclusion fixedExclusion(const StoredRun& run, const RunRules& rules)
{
    if (run.outcome == Outcome::MissedHit)
        return Exclusion::MissedHit;
    if (run.rtMs < rules.anticipationMs)
        return Exclusion::Anticipation;
    if (run.rtMs > rules.lapseMs)
        return Exclusion::Lapse;
    return Exclusion::None;
}

double scaledMad(std::span<const double> values)
{
    const double centre = median(values);
    std::vector<double> deviations;
    deviations.reserve(values.size());
    for (double v : values)
        deviations.push_back(std::abs(v - centre));
    return 1.4826 * median(deviations);
}

Cut outlierCut(std::span<const double> values, OutlierRule rule)
{
    double centre = kNone, spread = kNone;
    if (rule == OutlierRule::Mad) {
        centre = median(values);
        spread = scaledMad(values);
    } else if (rule == OutlierRule::Sd) {
        centre = mean(values);
        spread = sampleSd(values);
    }
    if (!(spread > 0))
        return {};
    return {centre - RunRules::kCutWidth * spread, centre + RunRules::kCutWidth * spread};
}

CleanSet cleanSet(const std::vector<StoredRun>& runs)
{
    CleanSet out;
    std::vector<double> times;
    for (const StoredRun& run : runs) {
        switch (run.excluded) {
        case Exclusion::None:
            times.push_back(run.rtMs);
            break;
        case Exclusion::Anticipation:
            ++out.anticipations;
            break;
        case Exclusion::Lapse:
            ++out.lapses;
            break;
        case Exclusion::Outlier:
            ++out.outliers;
            break;
        case Exclusion::MissedHit:
            break;
        }
    }
    out.n = int(times.size());
    out.mean = mean(times);
    out.median = median(times);
    out.sd = sampleSd(times);
    return out;
}

QString outcomeName(Outcome outcome)
{
    switch (outcome) {
    case Outcome::CorrectHit:
        return QStringLiteral("correct hit");
    case Outcome::MissedHit:
        return QStringLiteral("missed hit");
    case Outcome::Press:
        break;
    }
    return QStringLiteral("press");
}

QString exclusionName(Exclusion exclusion)
{
    switch (exclusion) {
    case Exclusion::MissedHit:
        return QStringLiteral("missed hit");
    case Exclusion::Anticipation:
        return QStringLiteral("anticipation");
    case Exclusion::Lapse:
        return QStringLiteral("lapse");
    case Exclusion::Outlier:
        return QStringLiteral("outlier");
    case Exclusion::None:
        break;
    }
    return {};
}

QString ruleName(OutlierRule rule)
{
    return rule == OutlierRule::Mad  ? QStringLiteral("mad")
           : rule == OutlierRule::Sd ? QStringLiteral("sd")
                                     : QStringLiteral("none");
}

std::optional<OutlierRule> ruleNamed(const QString& name)
{
    for (OutlierRule rule : {OutlierRule::Mad, OutlierRule::Sd, OutlierRule::None})
        if (name == ruleName(rule))
            return rule;
    return std::nullopt;
}

} // namespace brevane::summary
