// The class summary's rules, tables and pages, from the tool run as a process: runs.csv against
// the files it was made from (the example class and a class written here with the program's own
// writers), the counts by rule under each option, the clean statistics against the runs they
// leave out, the shape and the fit, and the chart's pages and the students' pages.
#include "fakes/Fakes.h"
#include "logic/SummaryTool.h"
#include "shared/RecoveryFile.h"
#include "shared/TestList.h"

#include <QBuffer>
#include <QDirIterator>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>
#include <random>

using namespace brevane;
using namespace brevane::summarytool;

namespace {

// A set as written into a file: its runs in whole ms.
struct WrittenSet {
    QString file, test, student;
    int set = 0;
    std::vector<int> ms;
    QString key() const { return file + u'|' + test + u'|' + QString::number(set); }
};

double meanOf(const QList<double>& v)
{
    return v.isEmpty() ? NAN : std::accumulate(v.begin(), v.end(), 0.0) / double(v.size());
}

bool near(const QString& field, double value)
{
    return std::isnan(value) ? field.isEmpty() : std::abs(field.toDouble() - value) < 0.051;
}

// runs.csv holds every stored run once, in place; its outcomes are the set's counts; each set's
// raw statistics are over its reaction times and its clean ones over exactly the runs counted.
void checkRuns(const QString& out, const QList<WrittenSet>& written)
{
    const Table runs = readCsv(out + "/runs.csv"), sets = readCsv(out + "/sets.csv");
    QMap<QString, QList<QStringList>> runsOf;
    for (const QStringList& r : runs.rows)
        runsOf[runs.at(r, "file") + u'|' + runs.at(r, "test") + u'|' + runs.at(r, "set")] << r;
    QCOMPARE(runsOf.size(), written.size());
    QCOMPARE(sets.rows.size(), written.size());
    for (const QStringList& set : sets.rows) {
        const QString key = sets.at(set, "file") + u'|' + sets.at(set, "test") + u'|' + sets.at(set, "set");
        const auto w = std::ranges::find(written, key, &WrittenSet::key);
        QVERIFY2(w != written.end(), qPrintable(key));
        QList<int> stored, places;
        QMap<QString, int> outcomes, excluded;
        QList<double> raw, clean;
        for (const QStringList& r : runsOf.value(key)) {
            stored << runs.at(r, "rt_ms").toInt();
            places << runs.at(r, "run").toInt();
            ++outcomes[runs.at(r, "outcome")];
            ++excluded[runs.at(r, "excluded_as")];
            QCOMPARE(runs.at(r, "student"), w->student);
            if (runs.at(r, "outcome") != u"missed hit")
                raw << stored.last();
            if (runs.at(r, "counted") == u"TRUE")
                clean << stored.last();
            QCOMPARE(runs.at(r, "counted") == u"TRUE", runs.at(r, "excluded_as").isEmpty());
        }
        QCOMPARE(stored, QList<int>(w->ms.begin(), w->ms.end()));
        QCOMPARE(places.last(), places.size());
        if (w->test == u"simple") {
            QCOMPARE(outcomes.value("press"), stored.size());
        } else {
            QCOMPARE(outcomes.value("missed hit"), sets.at(set, "missed_hits").toInt());
            QCOMPARE(outcomes.value("correct hit"), sets.at(set, "correct_hits").toInt());
        }
        for (const char* reason : {"anticipations", "lapses", "outliers"})
            QCOMPARE(excluded.value(QString(reason).chopped(1)), sets.at(set, reason).toInt());
        QCOMPARE(sets.at(set, "n").toInt(), raw.size());
        QCOMPARE(sets.at(set, "clean_n").toInt(), clean.size());
        QCOMPARE(clean.size(),
                 raw.size() - excluded.value("anticipation") - excluded.value("lapse") - excluded.value("outlier"));
        QVERIFY2(near(sets.at(set, "mean_ms"), meanOf(raw)) && near(sets.at(set, "clean_mean_ms"), meanOf(clean)),
                 qPrintable(key));
    }
}

// A data file of `sets` (from set 1), as WrittenSets too.
void writeData(const QString& root, const QString& file, const QString& student, const QString& test,
               const QList<std::vector<int>>& sets, const QList<int>& missed, QList<WrittenSet>& written)
{
    writeSets(root + file, test == u"simple" ? kNrmFile : kColFile, sets, missed);
    for (int s = 1; s <= sets.size(); ++s)
        written << WrittenSet{file, test, student, s, sets[s - 1]};
}

// Ten sets of ten runs drawn from an ex-Gaussian (mu, sigma, tau).
QList<std::vector<int>> drawn(unsigned seed, double mu, double sigma, double tau)
{
    std::mt19937 rng(seed);
    std::normal_distribution<double> normal(mu, sigma);
    std::exponential_distribution<double> exponential(1 / tau);
    QList<std::vector<int>> sets(10);
    for (std::vector<int>& set : sets)
        for (int r = 0; r < 10; ++r) {
            const int ms = int(std::lround(normal(rng) + exponential(rng)));
            set.push_back(ms == 1000 ? 999 : ms); // not to be taken for a missed hit
        }
    return sets;
}

// Quentin's simple times hold anticipations, lapses, the limits themselves and three slow runs
// (500, 600, 900 ms) among times of 240..260: by the MAD all three are outliers, and so is the
// 100 ms run; by the SD, which the slow runs widen, only the 900 ms one. Zora and Marguerite have
// ten sets of ex-Gaussian times in both tests, enough for a fit; Bartholomew has three sets.
QList<WrittenSet> writeClass(const QString& root)
{
    QList<WrittenSet> w;
    writeData(root, "class/flat/Quentin-simple.nrm", "Quentin", "simple",
              {{50, 99, 100, 250, 260, 240, 2001, 2500, 255, 245},
               {240, 250, 260, 245, 255, 250, 240, 260, 250, 500},
               {250, 245, 255, 260, 240, 250, 250, 260, 240, 600},
               {255, 250, 240, 260, 250, 245, 250, 260, 240, 900}},
              {}, w);
    writeData(
        root, "class/flat/Quentin-colour.col", "Quentin", "colour",
        {{400, 1000, 450, 1000, 420, 50, 440, 430, 410, 2100}, {410, 420, 430, 440, 450, 460, 470, 480, 490, 500}},
        {1, 0}, w);
    writeData(root, "class/flat/Zora.nrm", "Zora", "simple", drawn(1, 300, 40, 100), {}, w);
    writeData(root, "class/flat/Zora.col", "Zora", "colour", drawn(2, 460, 50, 160), {}, w);
    writeData(root, "class/flat/Marguerite.nrm", "Marguerite", "simple", drawn(3, 280, 30, 80), {}, w);
    writeData(root, "class/flat/Marguerite.col", "Marguerite", "colour", drawn(4, 430, 45, 140), {}, w);
    writeData(root, "class/flat/Bartholomew.nrm", "Bartholomew", "simple", drawn(5, 320, 40, 90).mid(0, 3), {}, w);
    return w;
}

const QStringList kStudents{"Bartholomew", "Marguerite", "Quentin", "Zora"}; // as their files sort

} // namespace

class TestSummaryRules : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QList<WrittenSet> written_;

    Run summarise(const QStringList& args, const QString& out)
    {
        QDir().mkpath(dir_.filePath(out));
        QFile::setPermissions(dir_.filePath(out), QFile::Permissions(0x7777));
        return runTool(dir_.path(), args + QStringList{"--colour", "-o", out, "class"});
    }

private slots:
    void initTestCase()
    {
        QFile::setPermissions(dir_.path(), QFile::Permissions(0x7777));
        written_ = writeClass(dir_.path() + u'/');
    }

    // Each option's rule: the counts per set, student and class, and which of Quentin's slow
    // runs are outliers.
    void rules_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("anticipationMs");
        QTest::addColumn<int>("lapseMs");
        QTest::addColumn<QList<int>>("outliers");
        QTest::newRow("defaults") << QStringList() << 100 << 2000 << QList{100, 500, 600, 900};
        QTest::newRow("limits") << QStringList{"--anticipation-ms", "120", "--lapse-ms", "1500"} << 120 << 1500
                                << QList{500, 600, 900};
        QTest::newRow("sd") << QStringList{"--outlier-rule", "sd"} << 100 << 2000 << QList{900};
        QTest::newRow("none") << QStringList{"--outlier-rule", "none"} << 100 << 2000 << QList<int>();
    }
    void rules()
    {
        QFETCH(QStringList, args);
        QFETCH(int, anticipationMs);
        QFETCH(int, lapseMs);
        QFETCH(QList<int>, outliers);
        const QString out = QTest::currentDataTag();
        QCOMPARE(summarise(args, out).status, 0);
        checkRuns(dir_.filePath(out), written_);

        // Each reaction time against the limits (checkRuns has the sets' counts of runs.csv), and a
        // student's counts of a test by them.
        const Table runs = readCsv(dir_.filePath(out + "/runs.csv")),
                    students = readCsv(dir_.filePath(out + "/students.csv"));
        QMap<QString, std::pair<int, int>> counts; // per student and test: anticipations, lapses
        QList<int> cut;
        for (const QStringList& r : runs.rows) {
            const int ms = runs.at(r, "rt_ms").toInt();
            const QString as = runs.at(r, "excluded_as");
            if (as == u"missed hit")
                continue;
            const bool early = ms<anticipationMs, late = ms> lapseMs;
            QCOMPARE(std::pair(as == u"anticipation", as == u"lapse"), std::pair(early, late));
            auto& [anticipations, lapses] = counts[runs.at(r, "student") + runs.at(r, "test")];
            anticipations += early ? 1 : 0;
            lapses += late ? 1 : 0;
            if (runs.at(r, "student") == u"Quentin" && runs.at(r, "test") == u"simple" && as == u"outlier")
                cut << ms;
        }
        for (const QStringList& r : students.rows)
            for (const QString test : {"simple", "colour"})
                if (!students.at(r, test + "_shape_runs").isEmpty())
                    QCOMPARE(std::pair(students.at(r, test + "_anticipations").toInt(),
                                       students.at(r, test + "_lapses").toInt()),
                             counts.value(students.at(r, "student") + test));
        std::ranges::sort(cut);
        QCOMPARE(cut, outliers);
        QVERIFY(fakes::readFile(dir_.filePath(out + "/class-notes.txt"))
                    .contains(QStringLiteral("a time under %1 ms is an anticipation").arg(anticipationMs).toUtf8()));
    }

    // The shape is over every reaction time but anticipations and lapses, outliers kept; a fit
    // from 40 such runs, each student's tau in the class's paired difference.
    void shape()
    {
        QCOMPARE(summarise({}, "shape").status, 0);
        const Table students = readCsv(dir_.filePath("shape/students.csv")),
                    runs = readCsv(dir_.filePath("shape/runs.csv"));
        const Table classes = readCsv(dir_.filePath("shape/class.csv"));
        std::vector<double> differences;
        for (const QStringList& s : students.rows) {
            const QString name = students.at(s, "student");
            QList<double> shape;
            for (const QStringList& r : runs.rows)
                if (runs.at(r, "student") == name && runs.at(r, "test") == u"simple" &&
                    (runs.at(r, "counted") == u"TRUE" || runs.at(r, "excluded_as") == u"outlier"))
                    shape << runs.at(r, "rt_ms").toDouble();
            std::ranges::sort(shape);
            QCOMPARE(students.at(s, "simple_shape_runs").toInt(), shape.size());
            QVERIFY(near(students.at(s, "simple_shape_median_ms"),
                         (shape[(shape.size() - 1) / 2] + shape[shape.size() / 2]) / 2));
            const bool enough = shape.size() >= 40;
            QCOMPARE(students.at(s, "simple_exgauss_fit"), enough ? "converged" : "too few runs");
            QCOMPARE(students.at(s, "simple_exgauss_tau_ms").isEmpty(), !enough);
            if (enough && students.at(s, "colour_exgauss_fit") == u"converged")
                differences.push_back(students.at(s, "colour_exgauss_tau_ms").toDouble() -
                                      students.at(s, "simple_exgauss_tau_ms").toDouble());
        }
        QCOMPARE(differences.size(), std::size_t(2)); // Zora's and Marguerite's
        const QStringList colour = classes.rows.value(1);
        QCOMPARE(classes.at(colour, "paired_fits"), "2");
        QVERIFY(std::abs(classes.at(colour, "tau_minus_simple_ms").toDouble() - (differences[0] + differences[1]) / 2) <
                0.15);
    }

    // The example class, read back with the program's own readers: every stored run once.
    void exampleClass()
    {
        const QString fixtures = BREVANE_FIXTURES "/class";
        QList<WrittenSet> expected;
        for (QDirIterator it(fixtures, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            const QFileInfo info(it.next());
            QBuffer bytes;
            bytes.setData(fakes::readFile(info.filePath()));
            bytes.open(QIODevice::ReadOnly);
            const auto state = std::make_unique<AppState>();
            const bool recovery = info.fileName() == u"recover.dat", simple = info.suffix() == u"nrm";
            StoreHalf half{simple ? static_cast<SetData&>(state->Simple) : state->Color,
                           simple ? nullptr : &state->Color};
            QVERIFY(recovery ? readRecovery(bytes, *state) : readDataFile(bytes, simple ? kNrmFile : kColFile, half));
            const QString student = recovery ? info.dir().dirName() : info.completeBaseName();
            for (const TestDescriptor* test : testList()) // a test the file does not hold has no runs here
                for (int set = 1; set <= kSetCount; ++set) {
                    const SetData& sets = test->setsOf(*state);
                    WrittenSet w{info.filePath(), test->name, student, set, {}};
                    for (int run = 1; run <= kStoredRuns; ++run)
                        if (sets.Times[set][run] > 0)
                            w.ms.push_back(int(std::lround(sets.Times[set][run] * 1000.0)));
                    if (!w.ms.empty())
                        expected << w;
                }
        }
        const Run run = runTool(dir_.path(), {"--colour", "-o", "example", fixtures});
        QCOMPARE(run.status, 0);
        checkRuns(dir_.filePath("example"), expected);
    }

    void badRules_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("said");
        QTest::newRow("rule") << QStringList{"--outlier-rule", "median"}
                              << "--outlier-rule takes mad, sd or none, not median";
        QTest::newRow("not a number")
            << QStringList{"--anticipation-ms", "1e2"}
            << "--anticipation-ms takes a whole number of milliseconds from 0 to 1000, not 1e2";
        QTest::newRow("crossed") << QStringList{"--lapse-ms", "90"}
                                 << "the lapse limit (90 ms) must lie above the anticipation limit (100 ms)";
    }
    void badRules()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, said);
        const Run run = summarise(args, "bad");
        QCOMPARE(run.status, 2);
        QCOMPARE(run.said, QStringList{"brevane-summary: " + said});
        QVERIFY(!QFile::exists(dir_.filePath("bad/sets.csv")));
    }

    // The chart's two pages; a handout page per student that names that student and no other.
    void pages()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is missing: scripts/deps.sh test");
        QCOMPARE(summarise({"--handouts"}, "pages").status, 0);
        const auto text = [&](const char* file) {
            QProcess p;
            p.start("pdftotext", {dir_.filePath(QString("pages/") + file), "-"});
            p.waitForFinished();
            return QString::fromUtf8(p.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
        };
        QCOMPARE(text("class-chart.pdf").size(), 2);
        QCOMPARE(QImage(dir_.filePath("pages/class-shape.png")).size(), QSize(1200, 800));
        const QStringList handouts = text("handouts.pdf");
        QCOMPARE(handouts.size(), kStudents.size());
        QStringList named;
        for (const QString& page : handouts) {
            QStringList onPage;
            for (const QString& name : kStudents)
                if (page.contains(name))
                    onPage << name;
            QVERIFY2(onPage.size() == 1 && page.contains("Reaction times of " + onPage[0]), qPrintable(page));
            named << onPage;
        }
        QCOMPARE(named, kStudents); // in the order of students.csv
    }
};

QTEST_GUILESS_MAIN(TestSummaryRules)
#include "tst_summaryrules.moc"
