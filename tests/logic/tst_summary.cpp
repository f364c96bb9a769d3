// The class summary tool run as a process without a display: on the small class in
// tests/fixtures/summary (its README works the expected values out by hand), on a class as a
// teacher collects one (built here with the program's own writers), and watching a hand-in folder.
#include "fakes/Fakes.h"
#include "logic/SummaryTool.h"
#include "shared/Accounts.h"
#include "shared/DataFile.h"
#include "shared/MachineResult.h"
#include "shared/RecoveryFile.h"
#include "summary/ClassFiles.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

using namespace brevane;
using namespace brevane::summarytool;

namespace {

// Every file under `folder` with its bytes' hash and time, to show that nothing read was changed.
QStringList fingerprints(const QString& folder)
{
    QStringList out;
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QFileInfo info(it.next());
        const QByteArray bytes = info.size() < 1000000 ? fakes::readFile(info.filePath()) : QByteArray();
        out << info.filePath() + QString::number(info.size()) + info.lastModified().toString(Qt::ISODateWithMs) +
                   QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
    }
    return out;
}

// A hand-in folder of `mode`, as students of the guide's first recipe may leave it: the test's
// own user (me) has a folder of files with their own name and another student's, a folder no
// user has the name of, a link to a folder elsewhere, a FIFO, a data file beside the folders.
// (Folders and files of other users: handin/test_owners.py, with users of its own.)
struct OwnersCase {
    const char* name;
    int mode; // of the hand-in folder
    QStringList options;
    bool byOwner; // the owners decide
};

void makeHandInFolder(const QString& dir, int mode)
{
    const QString me = loginName(), h = dir + "/hand-in/";
    writeSets(h + me + "/" + me + ".nrm", kNrmFile, {{200}});
    writeSets(h + me + "/bob.nrm", kNrmFile, {{300}});
    QVERIFY(::mkfifo(QFile::encodeName(h + me + "/pipe.nrm").constData(), 0600) == 0);
    writeSets(h + "nosuchuser48/x.nrm", kNrmFile, {{400}});
    writeSets(dir + "/elsewhere/carol.nrm", kNrmFile, {{500}});
    QVERIFY(QFile::link(dir + "/elsewhere", h + "carol"));
    writeSets(h + "stray.nrm", kNrmFile, {{600}});
    QVERIFY(::chmod(QFile::encodeName(h).constData(), mode_t(mode)) == 0);
}

// students.csv as student -> "found_by checked_owner".
QMap<QString, QString> studentsFound(const QString& path)
{
    const Table students = readCsv(path);
    QMap<QString, QString> out;
    for (const QStringList& r : students.rows)
        out.insert(r.first(), students.at(r, "found_by") + ' ' + students.at(r, "checked_owner"));
    return out;
}

} // namespace

class TestSummary : public QObject {
    Q_OBJECT
private slots:
    // Every table and both charts written; the short file and the file of another kind named on
    // standard error with their reasons and skipped, which the exit status says. ann.nrm and
    // ann.col are one student; cat's folder, with one recover.dat, is another.
    void tool()
    {
        QTemporaryDir dir;
        QFile::setPermissions(dir.path(), QFile::Permissions(0x7777));
        const Run run =
            runTool(BREVANE_FIXTURES "/summary", {"--colour", "-o", dir.filePath("out"), "class", "notes.txt"});
        QCOMPARE(run.said,
                 (QStringList{"brevane-summary: skipped notes.txt: not a recover.dat, .nrm or .col file",
                              "brevane-summary: skipped class/bad.col: it has 18 lines; a .col file has 180",
                              "brevane-summary: 5 files read, 2 skipped; 3 students (1 by folder, 2 by file name); "
                              "tests: simple, colour"}));
        QCOMPARE(run.status, 3);

        for (const char* table : {"sets.csv", "students.csv", "class.csv", "runs.csv"})
            QCOMPARE(fakes::readFile(dir.filePath("out/") + table),
                     fakes::fixture(qPrintable(QString("summary/expected/") + table)));

        QCOMPARE(fakes::readFile(dir.filePath("out/class-chart.pdf")).left(5), "%PDF-");
        const QImage chart(dir.filePath("out/class-chart.png"));
        QCOMPARE(chart.size(), QSize(1200, 800));
        int drawn = 0; // the boxes, dots, axis and text
        for (int y = 0; y < chart.height(); y += 4)
            for (int x = 0; x < chart.width(); x += 4)
                drawn += chart.pixel(x, y) != qRgb(255, 255, 255);
        QVERIFY2(drawn > 1500, qPrintable(QString::number(drawn)));
    }

    // A class as a teacher gathers it: a course site's folder per student (anna's recover.dat and
    // the .nrm saved from the same series, whatever their names), files named with test words,
    // copies on a stick (one the same bytes, one different), a shared account's hand-in folder,
    // a folder nobody may read, a 3 GB sparse file and a name a spreadsheet would run. Each
    // student found once and named as the teacher would; every oddity on standard error; a
    // skipped path in the exit status; the formula name written as text; nothing read changed.
    void teachersClass()
    {
        QTemporaryDir dir;
        QFile::setPermissions(dir.path(), QFile::Permissions(0x7777));
        const QString c = dir.filePath("class/");
        AppState anna;
        anna.Simple.Times[1][1] = .25f;
        anna.Color.Times[1][1] = .45f;
        anna.Color.CorrectHits[1] = 1;
        QDir().mkpath(c + "course/anna");
        fakes::writeFile(c + "course/anna/recover.dat", fakes::written([&](QIODevice& d) { writeRecovery(d, anna); }));
        writeSets(c + "course/anna/results.nrm", kNrmFile, {{250}});
        writeSets(c + "course/ben/Ben Simple.nrm", kNrmFile, {{300}});
        writeSets(c + "flat/cara-simple.nrm", kNrmFile, {{200, 220}});
        writeSets(c + "flat/Cara_Colour.col", kColFile, {{400, 1000, 1000}}, {1}); // one missed, one press at 1 s
        writeSets(c + "flat/dan-simple.nrm", kNrmFile, {{310}});
        writeSets(c + "flat/=SUM(1+1).nrm", kNrmFile, {{260}});
        QFile huge(c + "flat/huge.nrm");
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(3LL << 30));
        huge.close();
        QDir().mkpath(c + "stick");
        QFile::copy(c + "flat/dan-simple.nrm", c + "stick/dan-simple.nrm");
        writeSets(c + "stick/cara-simple.nrm", kNrmFile, {{240}});
        writeSets(c + "lab@pc3/fay.nrm", kNrmFile, {{280}});
        writeSets(c + "lab@pc3/gus colour.col", kColFile, {{500}});
        fakes::writeFile(c + "lab@pc3/recover.dat", fakes::written([&](QIODevice& d) { writeRecovery(d, anna); }));
        writeSets(c + "locked/eve.nrm", kNrmFile, {{270}});
        QFile::setPermissions(c + "locked", QFileDevice::Permissions());
        const auto unlock = qScopeGuard([&] { QFile::setPermissions(c + "locked", QFile::Permissions(0x7700)); });
        QDir().mkpath(dir.filePath("out"));
        QFile::setPermissions(dir.filePath("out"), QFile::Permissions(0x7777));
        const QStringList before = fingerprints(c);

        Run run = runTool(dir.path(), {"--colour", "-o", "out", "class", "class/locked/eve.nrm"});
        run.said.sort();
        const QString p = "brevane-summary: ";
        QCOMPARE(run.said,
                 (QStringList{p + "10 files read (and 1 copy read once), 3 skipped; 7 students (2 by folder, 5 by "
                                  "file name); tests: simple, colour",
                              p + "Cara has two different simple files, class/flat/cara-simple.nrm and "
                                  "class/stick/cara-simple.nrm: both kept as separate sets",
                              p + "anna: class/course/anna/results.nrm holds simple sets that "
                                  "class/course/anna/recover.dat holds too; each taken once",
                              p + "class/stick/dan-simple.nrm is a copy of class/flat/dan-simple.nrm: read once",
                              p + "left out class/lab@pc3/recover.dat: a shared account's recover.dat holds "
                                  "whoever ran last",
                              p + "skipped class/flat/huge.nrm: huge.nrm holds 3072.0 MB, far more than any file of "
                                  "this program; it was not read.",
                              p + "skipped class/locked/eve.nrm: Permission denied",
                              p + "skipped class/locked: Permission denied"}));
        QCOMPARE(run.status, 3);
        QCOMPARE(fingerprints(c), before);
        const QByteArray students = fakes::readFile(dir.filePath("out/students.csv"));
        QVERIFY2(students.contains("\r\nanna,250.0,450.0,folder,class/course/anna/recover.dat; "
                                   "class/course/anna/results.nrm,") &&
                     students.contains("\r\nben,300.0,,folder,class/course/ben/Ben Simple.nrm,") &&
                     students.contains("\r\nCara,225.0,700.0,name,") && students.contains("\r\n'=SUM(1+1),260.0") &&
                     students.contains("\r\nfay,280.0,,name,") && students.contains("\r\ngus,,500.0,name,"),
                 students.constData());
    }

    // A hand-in folder (others may enter but not list it, as both of the guide's recipes have it)
    // is counted by its owners: a login's folder holds that login's files only where the folder
    // and each file are the login's, whatever the files are called; everything else is named and
    // left out, links are not followed, a FIFO is not read. Elsewhere, or with --owners no, the
    // names decide as they always did (the FIFO is named there too).
    void aHandInFolderIsCountedByItsOwners_data()
    {
        // clang-format off
        fakes::addRows<OwnersCase>({
            {"one group folder, 3773", 03773, {}, true},
            {"downloaded files, 0755", 0755, {}, false},
            {"0755 with --owners yes", 0755, {"--owners", "yes"}, true},
            {"3773 with --owners no", 03773, {"--owners=no"}, false},
        });
        // clang-format on
    }
    void aHandInFolderIsCountedByItsOwners()
    {
        QFETCH(OwnersCase, row);
        QTemporaryDir dir;
        makeHandInFolder(dir.path(), row.mode);
        const auto restore =
            qScopeGuard([&] { ::chmod(QFile::encodeName(dir.filePath("hand-in")).constData(), 0700); });
        const QString me = loginName(), p = "brevane-summary: skipped hand-in/";
        const Run run = runTool(dir.path(), QStringList{"-o", "out", "hand-in"} + row.options, true);
        QStringList skipped = run.said.filter("skipped ");
        skipped.sort();
        QStringList want{p + me + "/pipe.nrm: a named pipe (FIFO), not read"};
        QMap<QString, QString> students;
        if (row.byOwner) {
            want << p + "carol: a link, not followed in a hand-in folder"
                 << p + "nosuchuser48: no user nosuchuser48 on this machine; the folder is left out"
                 << p + "stray.nrm: handed in by user " + me + " beside the students' folders, not in one";
            students = {{me, "folder " + me}}; // bob.nrm in my folder is mine
        } else {
            // The one .nrm beside the folders makes the hand-in folder a student, as any folder.
            students = {{me, "name "},
                        {"bob", "name "},
                        {"nosuchuser48", "folder "},
                        {"carol", "folder "},
                        {"hand-in", "folder "}};
        }
        want.sort();
        QCOMPARE(skipped, want);
        QCOMPARE(run.status, 3);
        QCOMPARE(studentsFound(dir.filePath("out/students.csv")), students);
    }

    // The machines handed in beside the students' files: each file's row names its machine and its
    // lags (none where two machines stand behind a folder, or a part was refused), the notes say
    // what they add to the times; a machine file that is not one is named and skipped.
    void machines()
    {
        QTemporaryDir dir;
        QFile::setPermissions(dir.path(), QFile::Permissions(0x7777));
        const QString c = dir.filePath("hand-in/");
        writeSets(c + "anna/anna.nrm", kNrmFile, {{250}});
        writeSets(c + "ben/ben.nrm", kNrmFile, {{300}});
        const auto machine = [](const QString& path, const QString& host, double screen, double mouse) {
            MachineResult r;
            r.host = host;
            r.date = QDateTime::fromString("2026-12-09T09:00:00Z", Qt::ISODate);
            r.monitorMode = "60.00 Hz";
            r.lags = {{"screen", "", 20, 20, screen, 1.1, screen + 2, ""},
                      {"sound", "", 10, 3, NAN, NAN, NAN, "no tone came back in 7 of 10 trials"},
                      {"mouse", "USB Mouse", 20, 20, mouse, 2.2, mouse + 3, ""}};
            fakes::writeFile(path, fakes::written([&](QIODevice& d) { writeMachineResult(d, r); }));
        };
        machine(c + "anna/machine-pc-03.txt", "pc-03", 24.31, 5.12);
        machine(c + "ben/machine-pc-03.txt", "pc-03", 24.31, 5.12);
        machine(c + "ben/machine-pc-07.txt", "pc-07", 31.0, 7.0);
        fakes::writeFile(c + "ben/machine-old.txt", "not a machine check\n");
        QDir().mkpath(dir.filePath("out"));
        QFile::setPermissions(dir.filePath("out"), QFile::Permissions(0x7777));
        const Run run = runTool(dir.path(), {"-o", "out", "hand-in"});
        QVERIFY2(run.said.contains("brevane-summary: skipped hand-in/ben/machine-old.txt: it is not a machine "
                                   "check's result"),
                 qPrintable(run.said.join('\n')));
        const QByteArray sets = fakes::readFile(dir.filePath("out/sets.csv"));
        QVERIFY2(sets.startsWith("file,test,set,") &&
                     sets.contains(",machine,screen_lag_ms,sound_lag_ms,mouse_lag_ms\r\n") &&
                     sets.contains("\r\nhand-in/anna/anna.nrm,simple,1,") && sets.contains(",pc-03,24.3,,5.1\r\n") &&
                     sets.contains(",pc-03; pc-07,,,\r\n"),
                 sets.constData());
        const QByteArray students = fakes::readFile(dir.filePath("out/students.csv"));
        const qsizetype at = students.indexOf("\r\nanna,") + 2;
        const QByteArray anna = students.mid(at, students.indexOf("\r\n", at) - at);
        QVERIFY2(at > 1 && anna.startsWith("anna,250.0,folder,hand-in/anna/anna.nrm,") &&
                     anna.endsWith(",pc-03,24.3,,5.1"),
                 students.constData());
        const QByteArray notes = fakes::readFile(dir.filePath("out/class-notes.txt"));
        QVERIFY2(notes.contains("The machines\n") &&
                     notes.contains("pc-03 (checked 2026-12-09; 60.00 Hz; files: 2): screen +24.3 ms (SD 1.1), sound: "
                                    "not measured, mouse (USB Mouse) +5.1 ms (SD 2.2)\n") &&
                     notes.contains("pc-07 (checked 2026-12-09; 60.00 Hz; files: 1)") &&
                     notes.contains("Screen and mouse together add 29.4 to 38.0 ms on these machines"),
                 notes.constData());
    }

    // A file's student: its name less the extension and a trailing test word, as students and
    // teachers type them (a hyphen, an underscore and capitals: teachersClass's cara and Cara);
    // a name that is only a test word, or has no separator, stays whole.
    void studentNames()
    {
        const std::pair<QString, QString> names[] = {
            {"Ben Color.col", "Ben"},          // a blank, the American spelling
            {"cara.number.col", "cara"},       // a dot
            {"dan - choice.col", "dan"},       // two separators
            {"eve.nrm", "eve"},                // no test word
            {"annasimple.nrm", "annasimple"},  // no separator
            {"simple.nrm", "simple"},          // only a test word
            {"simple-anna.nrm", "simple-anna"} // not at the end
        };
        for (const auto& [file, student] : names)
            QCOMPARE(summary::studentFromName(file), student);
    }

    // --watch over a hand-in folder: a student who hands in later, as the program does (a new
    // folder, the file renamed into place whole), is in the tables a few seconds later.
    void watch()
    {
        QTemporaryDir dir;
        writeSets(dir.filePath("hand-in/ann/ann.nrm"), kNrmFile, {{200}});
        QProcess tool;
        prepare(tool, dir.path());
        tool.start(SUMMARY_TOOL, {"--watch", "--excel", "-o", "out", "hand-in"});
        const auto cleanup = qScopeGuard([&] {
            tool.kill();
            tool.waitForFinished();
        });
        const auto students = [&] { return fakes::readFile(dir.filePath("out/students.csv")); };
        QTRY_VERIFY_WITH_TIMEOUT(students().contains("\r\nann,200.0,folder,hand-in/ann/ann.nrm,"), 30000);
        writeSets(dir.filePath("hand-in/bob/bob.nrm.part"), kNrmFile, {{300}});
        QVERIFY(QDir().rename(dir.filePath("hand-in/bob/bob.nrm.part"), dir.filePath("hand-in/bob/bob.nrm")));
        QTRY_VERIFY_WITH_TIMEOUT(students().contains("\r\nbob,300.0,folder,hand-in/bob/bob.nrm,"), 10000);
        QCOMPARE(tool.state(), QProcess::Running);
        QVERIFY(students().startsWith("\xEF\xBB\xBFstudent,")); // --excel's mark
    }
};

QTEST_GUILESS_MAIN(TestSummary)
#include "tst_summary.moc"
