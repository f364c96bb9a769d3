#include "fakes/Fakes.h"
#include "shared/AtomicFile.h"
#include "shared/HandInQueue.h"

#include <QFile>
#include <QMutex>
#include <QSemaphore>
#include <QSettings>
#include <QTemporaryDir>
#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace brevane;
using namespace brevane::fakes;

namespace {

// A copy that answers what the test says, counting its calls; `gate` holds it as a hung share
// would until the test lets it go.
struct Share {
    std::atomic<int> copies{0};
    std::atomic<bool> fail{false};
    std::atomic<bool> hangs{false};
    QSemaphore gate;
    QMutex mutex;
    QMap<QString, QByteArray> files;

    HandInQueue::Copy copy()
    {
        return [this](const QString& name, const QByteArray& bytes) {
            ++copies;
            if (hangs)
                gate.acquire();
            if (fail)
                return HandInResult{false, QStringLiteral("Read-only file system")};
            QMutexLocker lock(&mutex);
            files.insert(name, bytes);
            return HandInResult{true, {}};
        };
    }
    QByteArray file(const QString& name)
    {
        QMutexLocker lock(&mutex);
        return files.value(name);
    }
};

struct Queue {
    Share share;
    FakeTimerFactory timers;
    QStringList notices;
    HandInQueue queue{share.copy(), timers, [this](const QString& reason) { notices << reason; }, 10000};
    FakeTimer& limit() { return *timers.timers.at(0); }
};

// The administrator's and the user's files (empty: none), the folder named on the command line,
// and what is read.
struct SettingsCase {
    const char* name;
    QByteArray system, user;
    QString commandLine, folder;
    bool perMachine;
    int limitMs;
};

enum class Place { Nothing, OwnFolder, Link, File, NoHandInFolder };

struct PlaceCase {
    const char* name;
    Place place;
    QString refusal; // empty: the copy goes in
};

void writeIni(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

class TestHandIn : public QObject {
    Q_OBJECT

private slots:
    // The lab's file, a user's file over it key by key, and --hand-in over both.
    void settingsComeFromTheCommandLineTheUserAndTheMachine_data()
    {
        const QByteArray lab = "[HandIn]\nFolder=/srv/lab\n", mine = "[HandIn]\nFolder=/home/me/in\n";
        const QByteArray shared = lab + "Subfolder=login@machine\nTimeLimit=3\n";
        // clang-format off
        addRows<SettingsCase>({
            {"none", {}, {}, {}, {}, false, 10000},
            {"machine", lab, {}, {}, "/srv/lab", false, 10000},
            {"user over machine", lab, mine, {}, "/home/me/in", false, 10000},
            {"command line over both", lab, mine, "/mnt/x", "/mnt/x", false, 10000},
            {"shared accounts, a limit", shared, {}, {}, "/srv/lab", true, 3000},
            {"the user's limit, the lab's folder", lab, "[HandIn]\nTimeLimit=20\n", {}, "/srv/lab", false, 20000},
            {"a limit that is no number", lab + "TimeLimit=soon\n", {}, {}, "/srv/lab", false, 10000},
        });
        // clang-format on
    }
    void settingsComeFromTheCommandLineTheUserAndTheMachine()
    {
        QFETCH(SettingsCase, row);
        QTemporaryDir root;
        writeIni(root.filePath("lab.conf"), row.system);
        writeIni(root.filePath("user.conf"), row.user);
        const QSettings lab(root.filePath("lab.conf"), QSettings::IniFormat);
        const QSettings user(root.filePath("user.conf"), QSettings::IniFormat);
        const HandInSettings read = readHandInSettings(user, lab, row.commandLine);
        QCOMPARE(read.folder, row.folder);
        QCOMPARE(read.perMachine, row.perMachine);
        QCOMPARE(read.timeLimitMs, row.limitMs);
    }

    // What stands at <hand-in>/<student> before the copy: the copy goes only into a folder of the
    // student's own, made when missing, with the modes the teachers read through; anything else
    // is refused with the reason, and nothing is written there or where a link points.
    void theCopyGoesOnlyIntoTheStudentsOwnFolder_data()
    {
        // clang-format off
        addRows<PlaceCase>({
            {"nothing: made", Place::Nothing, {}},
            {"the student's own folder", Place::OwnFolder, {}},
            {"a link to a folder", Place::Link, "the folder ann in the hand-in folder is a link, not a folder"},
            {"a file", Place::File, "ann in the hand-in folder is not a folder"},
            {"no hand-in folder", Place::NoHandInFolder, "the hand-in folder is missing"},
        });
        // clang-format on
    }
    void theCopyGoesOnlyIntoTheStudentsOwnFolder()
    {
        QFETCH(PlaceCase, row);
        QTemporaryDir root;
        const QString share = root.filePath("share"), own = share + "/ann", elsewhere = root.filePath("elsewhere");
        QVERIFY(QDir().mkpath(elsewhere));
        if (row.place != Place::NoHandInFolder)
            QVERIFY(QDir().mkpath(share));
        if (row.place == Place::OwnFolder)
            QVERIFY(QDir().mkpath(own));
        struct stat made { };
        const mode_t ownMode = ::stat(QFile::encodeName(own).constData(), &made) == 0 ? made.st_mode & 0777 : 0;
        if (row.place == Place::Link)
            QVERIFY(QFile::link(elsewhere, own));
        if (row.place == Place::File)
            fakes::writeFile(own, "x");

        const mode_t umask = ::umask(077); // the modes are the program's, whatever the user's umask
        const HandInResult result = handInFile(share, "ann", "ann.nrm", "data");
        ::umask(umask);
        QCOMPARE(result.reason, row.refusal);
        QCOMPARE(result.ok, row.refusal.isEmpty());
        QVERIFY(QDir(elsewhere).isEmpty());
        if (!result.ok)
            return;
        QCOMPARE(fakes::readFile(own + "/ann.nrm"), QByteArray("data"));
        struct stat st { };
        QCOMPARE(::stat(QFile::encodeName(own).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, row.place == Place::Nothing ? mode_t(0750) : ownMode); // a folder made is 0750
        QCOMPARE(::stat(QFile::encodeName(own + "/ann.nrm").constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, mode_t(0640));
        QCOMPARE(QDir(own).entryList(QDir::Files | QDir::Hidden), QStringList{"ann.nrm"}); // no temporary left
    }

    // A save into a folder opened beforehand lands in that folder even when its path has since
    // been moved and a link to another folder put in its place.
    void aSaveByTheFoldersDescriptorIsNotRedirected()
    {
        QTemporaryDir root;
        const QString own = root.filePath("ann"), moved = root.filePath("moved"), other = root.filePath("other");
        QVERIFY(QDir().mkpath(own) && QDir().mkpath(other));
        const FileDescriptor folder(::open(QFile::encodeName(own).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
        QVERIFY(folder);
        QVERIFY(QDir().rename(own, moved) && QFile::link(other, own));
        QVERIFY(replaceFileAtomically(FileInFolder{folder.get(), "ann.nrm"}, QByteArray("data")).ok);
        QCOMPARE(fakes::readFile(moved + "/ann.nrm"), QByteArray("data"));
        QVERIFY(QDir(other).isEmpty());
    }

    // A failed copy is told once with its reason and stays to go in with the next save and at Exit.
    void aFailedCopyIsToldAndGoesInWithTheNextSave()
    {
        Queue q;
        q.share.fail = true;
        q.queue.handIn("a.nrm", "1");
        QTRY_COMPARE(q.notices, QStringList{"Read-only file system"});
        QCOMPARE(q.queue.waiting(), QStringList{"a.nrm"});
        q.queue.handIn("recover.dat", "2");
        QTRY_COMPARE(q.share.copies.load(), 3); // both names tried again
        QCOMPARE(q.notices.size(), 1);          // the same reason is not told twice
        q.share.fail = false;
        q.queue.finish(); // Exit: one more try, waited for
        QCOMPARE(q.share.file("a.nrm"), QByteArray("1"));
        QCOMPARE(q.share.file("recover.dat"), QByteArray("2"));
    }

    // Bytes saved while a copy of the same name runs are the ones that stay, and go in next.
    void theLatestBytesOfANameWin()
    {
        Queue q;
        q.share.hangs = true;
        q.queue.handIn("recover.dat", "old");
        QTRY_COMPARE(q.share.copies.load(), 1);
        q.queue.handIn("recover.dat", "new");
        q.share.hangs = false;
        q.share.gate.release();
        QTRY_VERIFY(q.queue.waiting().isEmpty());
        QCOMPARE(q.share.file("recover.dat"), QByteArray("new"));
        QVERIFY(q.notices.isEmpty());
    }

    // A share that does not answer: past the time limit the student is told, the next saves
    // start no thread of their own, and once the share answers a save goes in.
    void aHungShareIsToldAndLeftUntilItAnswers()
    {
        Queue q;
        q.share.hangs = true;
        q.queue.handIn("a.nrm", "1");
        QTRY_COMPARE(q.share.copies.load(), 1);
        QVERIFY(q.limit().fire());
        QCOMPARE(q.notices, QStringList{"the hand-in folder did not answer"});
        q.queue.handIn("b.nrm", "2");
        QCOMPARE(q.notices.last(), QString("the hand-in folder is still not answering"));
        q.share.hangs = false;
        q.share.gate.release();
        QTRY_VERIFY(q.queue.waiting().isEmpty()); // the late answer's success lets b.nrm go in
        QCOMPARE(q.share.copies.load(), 2);
        QCOMPARE(q.share.file("b.nrm"), QByteArray("2"));
    }
};

QTEST_MAIN(TestHandIn)
#include "tst_handin.moc"
