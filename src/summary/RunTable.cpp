#include "summary/RunTable.h"
#include "shared/ResultsCsv.h"

namespace brevane::summary {

namespace {

QString count(int n)
{
    return QString::number(n);
}

// A choice test's difference from the simple test, with its interval; empty for the simple test.
QStringList difference(const Interval& d, bool simpleTest)
{
    if (simpleTest)
        return QStringList(3);
    return {tableNumber(d.mean, 1), tableNumber(d.low, 1), tableNumber(d.high, 1)};
}

QString pairs(const Interval& d, bool simpleTest)
{
    return simpleTest ? QString() : count(d.n);
}

QString outlierWords(OutlierRule rule)
{
    switch (rule) {
    case OutlierRule::Mad:
        return QStringLiteral(
            "a time more than 3 scaled MADs from the student's median of that test is an outlier (the MAD is the "
            "median of the times' distances from their median; times 1.4826 it is the SD of normal times, and a few "
            "slow runs cannot move it)");
    case OutlierRule::Sd:
        return QStringLiteral(
            "a time more than 3 SD from the student's mean of that test is an outlier (the slow tail itself widens "
            "the SD, so this cut takes slow times less often than a cut by the MAD)");
    case OutlierRule::None:
        break;
    }
    return QStringLiteral("no time is cut as an outlier (--outlier-rule none)");
}

// Each paragraph on lines of at most 95 characters, broken between words, as the notes' other
// lines are.
QString wrapped(const QStringList& paragraphs)
{
    QString out;
    for (const QString& paragraph : paragraphs) {
        QString line;
        for (const QString& word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
            if (!line.isEmpty() && line.size() + 1 + word.size() > 95)
                out += std::exchange(line, QString()) + u'\n';
            line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
        }
        out += line + u'\n';
    }
    return out;
}

} // namespace

bool writeRunsCsv(QIODevice& out, const ClassSummary& summary)
{
    QByteArray bytes =
        csvRecord({"student", "test", "set", "run", "rt_ms", "outcome", "counted", "excluded_as", "file"});
    for (const SetRow& row : summary.sets) {
        const QString& student = summary.students[row.student].student;
        for (const StoredRun& run : row.runs)
            bytes +=
                csvRecord({student, row.test, count(row.set), count(run.run), count(run.rtMs), outcomeName(run.outcome),
                           run.excluded == Exclusion::None ? QStringLiteral("TRUE") : QStringLiteral("FALSE"),
                           exclusionName(run.excluded), row.file});
    }
    return out.write(bytes) == bytes.size();
}

QStringList cleanSetHeader()
{
    return {"anticipations", "lapses", "outliers", "clean_n", "clean_mean_ms", "clean_median_ms", "clean_sd_ms"};
}

QStringList cleanSetFields(const SetRow& row)
{
    const CleanSet& c = row.clean;
    return {count(c.anticipations), count(c.lapses),          count(c.outliers),   count(c.n),
            tableNumber(c.mean, 1), tableNumber(c.median, 1), tableNumber(c.sd, 1)};
}

QStringList shapeStudentHeader(const QStringList& tests)
{
    static const char* const columns[] = {"clean_mean_ms",    "anticipations",   "lapses",        "outliers",
                                          "shape_runs",       "shape_median_ms", "shape_mean_ms", "exgauss_mu_ms",
                                          "exgauss_sigma_ms", "exgauss_tau_ms",  "exgauss_fit"};
    QStringList header;
    for (const QString& test : tests)
        for (const char* column : columns)
            header << test + u'_' + QLatin1String(column);
    return header;
}

QStringList shapeStudentFields(const StudentRow& student, const QStringList& tests)
{
    QStringList fields;
    for (const QString& test : tests) {
        const auto it = student.shapes.constFind(test);
        if (it == student.shapes.cend()) {
            fields << QStringList(11);
            continue;
        }
        const StudentShape& s = *it;
        fields << tableNumber(s.cleanMean, 1) << count(s.anticipations) << count(s.lapses) << count(s.outliers)
               << count(s.shapeRuns) << tableNumber(s.median, 1) << tableNumber(s.mean, 1) << tableNumber(s.fit.p.mu, 1)
               << tableNumber(s.fit.p.sigma, 1) << tableNumber(s.fit.p.tau, 1)
               << QLatin1String(fitStatusName(s.fit.status));
    }
    return fields;
}

QStringList shapeClassHeader()
{
    return {"anticipations",
            "lapses",
            "outliers",
            "counted_runs",
            "clean_students",
            "clean_mean_ms",
            "clean_sd_ms",
            "clean_median_ms",
            "clean_paired_students",
            "clean_minus_simple_ms",
            "clean_minus_simple_ci95_low_ms",
            "clean_minus_simple_ci95_high_ms",
            "shape_students",
            "shape_median_ms",
            "shape_mean_ms",
            "fitted_students",
            "exgauss_mu_ms",
            "exgauss_sigma_ms",
            "exgauss_tau_ms",
            "paired_fits",
            "mu_minus_simple_ms",
            "mu_minus_simple_ci95_low_ms",
            "mu_minus_simple_ci95_high_ms",
            "tau_minus_simple_ms",
            "tau_minus_simple_ci95_low_ms",
            "tau_minus_simple_ci95_high_ms"};
}

QStringList shapeClassFields(const ClassRow& row)
{
    const ClassShape& c = row.shape;
    const bool simpleTest = row.test == kTestOrder[0];
    QStringList fields{count(c.anticipations),
                       count(c.lapses),
                       count(c.outliers),
                       count(int(c.countedMs.size())),
                       count(int(c.cleanMeans.size())),
                       tableNumber(c.cleanMean, 1),
                       tableNumber(c.cleanSd, 1),
                       tableNumber(c.cleanMedian, 1)};
    fields << pairs(c.cleanMinusSimple, simpleTest) << difference(c.cleanMinusSimple, simpleTest)
           << count(c.shapeStudents) << tableNumber(c.median, 1) << tableNumber(c.mean, 1) << count(c.fitted)
           << tableNumber(c.fit.mu, 1) << tableNumber(c.fit.sigma, 1) << tableNumber(c.fit.tau, 1)
           << pairs(c.muMinusSimple, simpleTest) << difference(c.muMinusSimple, simpleTest)
           << difference(c.tauMinusSimple, simpleTest);
    return fields;
}
QString rulesNotes(const RunRules& rules)
{
    const QStringList paragraphs{
        QStringLiteral("Which runs count (the rules in force): a time under %1 ms is an anticipation, a press before "
                       "the stimulus could be taken in; a time over %2 ms is a lapse; of the times left, %3. The cut "
                       "is taken per student and test, over all their sets of it. A missed hit is no reaction time "
                       "and never counts. The options --anticipation-ms, --lapse-ms and --outlier-rule mad|sd|none "
                       "set these rules.")
            .arg(rules.anticipationMs)
            .arg(rules.lapseMs)
            .arg(outlierWords(rules.outliers)),
        QStringLiteral("The columns named clean_ leave all of these out, and the counts anticipations, lapses and "
                       "outliers say how many; the columns without clean_ keep every reaction time as stored, as "
                       "before. sets.csv: clean_n is n less the set's anticipations, lapses and outliers; its "
                       "clean_mean, median and SD are over the runs that count."),
        QStringLiteral("students.csv, per test: clean_mean is the mean of the student's clean set means. The shape_ "
                       "and exgauss_ columns are over every reaction time of the student in that test, all sets "
                       "together, less anticipations and lapses only: the outlier cut is not applied here, since it "
                       "would take away the very slow tail that tau measures. shape_runs is how many times that is, "
                       "shape_median and shape_mean their median and mean. exgauss_mu, sigma and tau are the "
                       "ex-Gaussian fitted to them by maximum likelihood: a normal distribution of mean mu and SD "
                       "sigma plus an exponential one of mean tau, so that the mean is mu + tau and tau is the slow "
                       "tail. exgauss_fit says \"converged\", \"not converged\" (no maximum was found, often "
                       "because the times have no slow tail; the parameters are then empty) or \"too few runs\" "
                       "(under %1; no fit was tried).")
            .arg(RunRules::kFitMinimumRuns),
        QStringLiteral("class.csv: anticipations, lapses and outliers are the class's totals and counted_runs the "
                       "runs that count; clean_mean, SD and median are over the students' clean means, "
                       "clean_minus_simple paired as minus_simple is; shape_median and shape_mean are the means of "
                       "the students' (over shape_students); exgauss_mu, sigma and tau the means of the fitted "
                       "students' parameters; mu_minus_simple and tau_minus_simple are each choice test's mu and "
                       "tau minus the simple test's, paired over the paired_fits students with a fit in both, with "
                       "the 95 % interval from Student's t. Whether a choice test's extra decision slows every run "
                       "(mu) or adds slow runs (tau) is what these two show."),
        QStringLiteral("runs.csv: one row per stored run, the rows of sets.csv taken apart: student, test, set, run "
                       "(its place in the set), rt_ms (the stored time), outcome (\"press\" in the simple test; "
                       "\"correct hit\" or \"missed hit\" in the choice tests, a missed hit being the stored "
                       "1.000 s), counted (TRUE or FALSE), excluded_as (\"missed hit\", \"anticipation\", "
                       "\"lapse\" or \"outlier\"; empty for a run that counts) and file. An incorrect hit stores "
                       "no time, so it has no row; its count is in sets.csv."),
        QStringLiteral("In R: runs <- read.csv(\"runs.csv\") (with --excel, read.csv(\"runs.csv\", fileEncoding = "
                       "\"UTF-8-BOM\")); counted is then logical, so clean <- subset(runs, counted) and "
                       "aggregate(rt_ms ~ student + test, data = clean, FUN = median). In pandas: "
                       "pd.read_csv(\"runs.csv\"). In JASP: File, Open, Computer, runs.csv; filter on counted = "
                       "TRUE and take student and test as the grouping variables.")};
    return wrapped(paragraphs) + u'\n';
}

} // namespace brevane::summary
