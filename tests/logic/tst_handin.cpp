#include "fakes/Fakes.h"
#include "shared/HandInQueue.h"

#include <QFile>
#include <QMutex>
#include <QSemaphore>
#include <QSettings>
#include <QTemporaryDir>
#include <atomic>

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
    // The administrator's file, a user's file over it and --hand-in over both.
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
            {"a limit that is no number", lab + "TimeLimit=soon\n", {}, {}, "/srv/lab", false, 10000},
        });
        // clang-format on
    }
    void settingsComeFromTheCommandLineTheUserAndTheMachine()
    {
        QFETCH(SettingsCase, row);
        QTemporaryDir root;
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, root.filePath("etc"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, root.filePath("home"));
        if (!row.system.isEmpty())
            writeIni(root.filePath("etc/Brevane/Brevane.conf"), row.system);
        if (!row.user.isEmpty())
            writeIni(root.filePath("home/Brevane/Brevane.conf"), row.user);
        const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Brevane", "Brevane");
        const HandInSettings read = readHandInSettings(settings, row.commandLine);
        QCOMPARE(read.folder, row.folder);
        QCOMPARE(read.perMachine, row.perMachine);
        QCOMPARE(read.timeLimitMs, row.limitMs);
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
