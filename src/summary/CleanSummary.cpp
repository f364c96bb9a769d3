#include "summary/CleanSummary.h"

#include <QMap>
#include <cmath>
#include <vector>

namespace brevane::summary {

namespace {

bool converged(const StudentShape* shape)
{
    return shape && shape->fit.status == FitStatus::Converged;
}

StudentShape shapeOf(QList<SetRow>& sets, const std::vector<int>& rows, const RunRules& rules)
{
    StudentShape shape;
    std::vector<double> sample; // every reaction time but anticipations and lapses
    for (int i : rows)
        for (StoredRun& run : sets[i].runs)
            if ((run.excluded = fixedExclusion(run, rules)) == Exclusion::None)
                sample.push_back(run.rtMs);
    shape.cut = outlierCut(sample, rules.outliers);
    std::vector<double> setMeans;
    for (int i : rows) {
        for (StoredRun& run : sets[i].runs) {
            if (run.excluded != Exclusion::None)
                continue;
            if (run.rtMs < shape.cut.low || run.rtMs > shape.cut.high)
                run.excluded = Exclusion::Outlier;
            else
                shape.countedMs.push_back(run.rtMs);
        }
        const CleanSet& clean = sets[i].clean = cleanSet(sets[i].runs);
        shape.anticipations += clean.anticipations;
        shape.lapses += clean.lapses;
        shape.outliers += clean.outliers;
        if (clean.n > 0)
            setMeans.push_back(clean.mean);
    }
    shape.cleanMean = mean(setMeans);
    shape.shapeRuns = int(sample.size());
    shape.median = median(sample);
    shape.mean = mean(sample);
    shape.fit = fitExGaussian(sample, RunRules::kFitMinimumRuns);
    return shape;
}

// The choice test's value minus the simple test's, of one student, where both exist.
struct Paired {
    std::vector<double> clean, mu, tau;
    void add(const StudentShape& choice, const StudentShape* simple)
    {
        if (simple && !std::isnan(choice.cleanMean) && !std::isnan(simple->cleanMean))
            clean.push_back(choice.cleanMean - simple->cleanMean);
        if (converged(&choice) && converged(simple)) {
            mu.push_back(choice.fit.p.mu - simple->fit.p.mu);
            tau.push_back(choice.fit.p.tau - simple->fit.p.tau);
        }
    }
};

void classShape(ClassRow& row, const QList<StudentRow>& students)
{
    ClassShape& c = row.shape;
    const bool simpleTest = row.test == kTestOrder[0];
    std::vector<double> medians, means, mus, sigmas, taus;
    Paired paired;
    for (const StudentRow& student : students) {
        const auto it = student.shapes.constFind(row.test);
        if (it == student.shapes.cend())
            continue;
        const StudentShape& s = *it;
        c.anticipations += s.anticipations;
        c.lapses += s.lapses;
        c.outliers += s.outliers;
        c.countedMs.insert(c.countedMs.end(), s.countedMs.begin(), s.countedMs.end());
        if (!std::isnan(s.cleanMean))
            c.cleanMeans.push_back(s.cleanMean);
        if (s.shapeRuns > 0) {
            medians.push_back(s.median);
            means.push_back(s.mean);
        }
        if (converged(&s)) {
            mus.push_back(s.fit.p.mu);
            sigmas.push_back(s.fit.p.sigma);
            taus.push_back(s.fit.p.tau);
        }
        const auto simple = student.shapes.constFind(kTestOrder[0]);
        if (!simpleTest)
            paired.add(s, simple == student.shapes.cend() ? nullptr : &*simple);
    }
    c.cleanMean = mean(c.cleanMeans);
    c.cleanSd = sampleSd(c.cleanMeans);
    c.cleanMedian = median(c.cleanMeans);
    c.shapeStudents = int(medians.size());
    c.median = mean(medians);
    c.mean = mean(means);
    c.fitted = int(mus.size());
    c.fit = {mean(mus), mean(sigmas), mean(taus)};
    if (!simpleTest) {
        c.cleanMinusSimple = pairedInterval(paired.clean);
        c.muMinusSimple = pairedInterval(paired.mu);
        c.tauMinusSimple = pairedInterval(paired.tau);
    }
}

} // namespace

void applyRules(ClassSummary& summary, const RunRules& rules)
{
    summary.rules = rules;
    std::vector<QMap<QString, std::vector<int>>> rows(summary.students.size()); // per student, per test
    for (int i = 0; i < summary.sets.size(); ++i)
        rows[summary.sets[i].student][summary.sets[i].test].push_back(i);
    for (int student = 0; student < summary.students.size(); ++student)
        for (auto it = rows[student].cbegin(); it != rows[student].cend(); ++it)
            summary.students[student].shapes.insert(it.key(), shapeOf(summary.sets, it.value(), rules));
    for (ClassRow& row : summary.classRows)
        classShape(row, summary.students);
}

} // namespace brevane::summary
