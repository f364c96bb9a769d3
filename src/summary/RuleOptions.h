#pragma once
// The command line's options for the rules by which runs count (RunRules.h) and for the
// students' pages: added to the tool's parser, and read back into its options once it has
// parsed the command line.

#include "summary/ClassRun.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

namespace brevane::summary {

struct RuleOptions {
    QCommandLineOption anticipation, lapse, outlierRule, handouts;
};

RuleOptions addRuleOptions(QCommandLineParser& parser);

// The rules and --handouts as given, into `options`; a line for standard error when a value is
// not one the tool takes, empty when all are.
QString readRuleOptions(const QCommandLineParser& parser, const RuleOptions& given, SummaryOptions& options);

} // namespace brevane::summary
