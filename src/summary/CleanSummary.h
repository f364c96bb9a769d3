#pragma once
// The rules of RunRules.h applied to a class summary: each set's stored runs marked with why they
// do not count, per student and test (the outlier cut is over a student's times of one test, all
// their sets together); each set's clean statistics; each student's counts, clean mean and shape;
// and the class's, with the choice tests' mu and tau minus the simple test's, paired over the
// students with a fit in both. summarise() runs it last.

#include "summary/ClassSummary.h"

namespace brevane::summary {

void applyRules(ClassSummary& summary, const RunRules& rules);

} // namespace brevane::summary
