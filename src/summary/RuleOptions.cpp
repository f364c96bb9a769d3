#include "summary/RuleOptions.h"

#include <QCoreApplication>

namespace brevane::summary {

namespace {

constexpr int kLongestAnticipationMs = 1000;
constexpr int kLongestLapseMs = 60000;

// A whole number of milliseconds within [low, high]; nullopt otherwise.
std::optional<int> milliseconds(const QString& text, int low, int high)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= low && value <= high ? std::optional(value) : std::nullopt;
}

} // namespace

RuleOptions addRuleOptions(QCommandLineParser& parser)
{
    RuleOptions o{
        {QStringLiteral("anticipation-ms"),
         QCoreApplication::translate("RuleOptions", "A time under <ms> is an anticipation (default: 100)."),
         QStringLiteral("ms")},
        {QStringLiteral("lapse-ms"),
         QCoreApplication::translate("RuleOptions", "A time over <ms> is a lapse (default: 2000)."),
         QStringLiteral("ms")},
        {QStringLiteral("outlier-rule"),
         QCoreApplication::translate("RuleOptions", "Cut outliers beyond median +- 3 scaled MADs (mad, the default), "
                                                    "mean +- 3 SD (sd), or not at all (none)."),
         QStringLiteral("mad|sd|none")},
        {QStringLiteral("handouts"),
         QCoreApplication::translate("RuleOptions", "Write a PDF page for each student, handout-<student>.pdf.")}};
    parser.addOptions({o.anticipation, o.lapse, o.outlierRule, o.handouts});
    return o;
}

QString readRuleOptions(const QCommandLineParser& parser, const RuleOptions& given, SummaryOptions& options)
{
    RunRules& rules = options.rules;
    // A limit as given, within its range; the line that says so when it is not.
    const auto limit = [&](const QCommandLineOption& option, int low, int high, int& into) {
        if (!parser.isSet(option))
            return QString();
        const std::optional<int> ms = milliseconds(parser.value(option), low, high);
        if (ms)
            into = *ms;
        return ms ? QString()
                  : QCoreApplication::translate("RuleOptions", "--%1 takes a whole number of milliseconds from %2 "
                                                               "to %3, not %4")
                        .arg(option.names().constFirst())
                        .arg(low)
                        .arg(high)
                        .arg(parser.value(option));
    };
    if (QString wrong = limit(given.anticipation, 0, kLongestAnticipationMs, rules.anticipationMs); !wrong.isEmpty())
        return wrong;
    if (QString wrong = limit(given.lapse, 1, kLongestLapseMs, rules.lapseMs); !wrong.isEmpty())
        return wrong;
    if (rules.lapseMs <= rules.anticipationMs)
        return QCoreApplication::translate("RuleOptions", "the lapse limit (%1 ms) must lie above the "
                                                          "anticipation limit (%2 ms)")
            .arg(rules.lapseMs)
            .arg(rules.anticipationMs);
    if (parser.isSet(given.outlierRule)) {
        const std::optional<OutlierRule> rule = ruleNamed(parser.value(given.outlierRule));
        if (!rule)
            return QCoreApplication::translate("RuleOptions", "--outlier-rule takes mad, sd or none, not %1")
                .arg(parser.value(given.outlierRule));
        rules.outliers = *rule;
    }
    options.handouts = parser.isSet(given.handouts);
    return {};
}

} // namespace brevane::summary
