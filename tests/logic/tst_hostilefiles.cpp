// Files and places a lab machine may hand the program: a file of gigabytes chosen by mistake, a
// byte-order mark from an editor, binary garbage, a folder where a file should be, a disk that
// fills during a save and a folder the user may not write. Each reader refuses what it cannot
// take with its message and the reason, and changes nothing; each writer notices every short write.
#include "app/StartupSequence.h"
#include "config/ConfigFile.h"
#include "config/SettingsEditor.h"
#include "fakes/Fakes.h"
#include "shared/DataFile.h"
#include "shared/RecoveryFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <unistd.h>

using namespace reflex;
using namespace reflex::fakes;

enum class Reader { Nrm, Col, Recovery, SettingsLoad, Startup };
enum class Content { WithByteOrderMark, Gigabytes, Garbage, Folder };
struct Hostile { const char* name; Reader reader; Content content; QString reason; }; // reason: in the message's detail
Q_DECLARE_METATYPE(Hostile)

namespace {

void fill(AppState& s)
{
    int ms = 0; // whole milliseconds, which a file keeps exactly
    for (SetData* sets : {static_cast<SetData*>(&s.Simple), static_cast<SetData*>(&s.Color), static_cast<SetData*>(&s.Number)})
        for (int set = 1; set <= kSetCount; ++set) {
            std::generate(sets->Times[set].begin() + 1, sets->Times[set].begin() + 11, [&ms] { return float(++ms) / 1000.0f; });
            sets->SetComment[set - 1] = QStringLiteral("set %1").arg(set);
        }
    std::fill(s.Color.CorrectHits.begin() + 1, s.Color.CorrectHits.end(), qint16(3)); // sets 1..10
    s.Config = ReflexConfig{};
    s.Config.Number.DisplayTime = 1234;
}

QByteArray fileOf(Reader reader, const AppState& s)
{
    return written([&](QIODevice& d) {
        AppState copy = s;
        switch (reader) {
        case Reader::Nrm: return writeDataFile(d, kNrmFile, {copy.Simple});
        case Reader::Col: return writeDataFile(d, kColFile, {copy.Color, &copy.Color});
        case Reader::Recovery: return writeRecovery(d, s);
        default: return writeConfig(d, s.Config, ConfigLayout::Full);
        }
    });
}

struct Splash final : SplashView {
    void setProgress(int) override {}
    void setStatus(const QString&) override {}
};

// Reads `path` as the program does; the messages shown land in fp.prompt.
void read(Reader reader, const QString& path, AppState& s, FakePlatform& fp)
{
    fp.files.answers = {path};
    FakeMixer mixer;
    Splash splash;
    StoreHalf simple{s.Simple}, colour{s.Color, &s.Color};
    switch (reader) {
    case Reader::Nrm: loadDataFile(fp.files, fp.prompt, kNrmFile, "T", simple); break;
    case Reader::Col: loadDataFile(fp.files, fp.prompt, kColFile, "T", colour); break;
    case Reader::Recovery: RecoveryFile(s, fp.prompt, QFileInfo(path).path()).read(); break;
    case Reader::SettingsLoad: SettingsEditor(s, fp.platform, mixer).loadFile(); break;
    case Reader::Startup: {
        StartupSequence startup(s, fp.prompt, fp.pointer, splash, QFileInfo(path).dir());
        startup.initialiseGlobals({1024, 768});
        startup.loadConfiguration(path, {[] {}, [] {}, [] {}, [] {}});
        break;
    }
    }
}

} // namespace

class TestHostileFiles : public QObject {
    Q_OBJECT
private slots:
    void hostile_data()
    {
        const QString gigabytes = "holds 5120.0 MB", folder = "is a folder, not a file";
        addRows<Hostile>({
            {".nrm with a byte-order mark", Reader::Nrm, Content::WithByteOrderMark, {}},
            {".col with a byte-order mark", Reader::Col, Content::WithByteOrderMark, {}},
            {"recover.dat with a byte-order mark", Reader::Recovery, Content::WithByteOrderMark, {}},
            {".cfg with a byte-order mark", Reader::SettingsLoad, Content::WithByteOrderMark, {}},
            {"start-up .cfg with a byte-order mark", Reader::Startup, Content::WithByteOrderMark, {}},
            {".nrm of gigabytes", Reader::Nrm, Content::Gigabytes, gigabytes},
            {"recover.dat of gigabytes", Reader::Recovery, Content::Gigabytes, gigabytes},
            {".cfg of gigabytes", Reader::SettingsLoad, Content::Gigabytes, gigabytes},
            {"start-up .cfg of gigabytes", Reader::Startup, Content::Gigabytes, gigabytes},
            {".col of garbage", Reader::Col, Content::Garbage, {}},
            {"recover.dat of garbage", Reader::Recovery, Content::Garbage, {}},
            {".cfg of garbage", Reader::SettingsLoad, Content::Garbage, {}},
            {".nrm a folder", Reader::Nrm, Content::Folder, folder},
            {"recover.dat a folder", Reader::Recovery, Content::Folder, folder},
            {"start-up .cfg a folder", Reader::Startup, Content::Folder, folder},
        });
    }
    void hostile()
    {
        QFETCH(Hostile, row);
        QTemporaryDir dir;
        const QString path = dir.filePath(row.reader == Reader::Recovery ? "recover.dat" : "file");
        AppState source, state;
        fill(source);
        state.Config = state.StartupConfig = ReflexConfig{};
        QFile file(path);
        switch (row.content) {
        case Content::WithByteOrderMark: writeFile(path, "\xEF\xBB\xBF" + fileOf(row.reader, source)); break;
        case Content::Gigabytes: QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(5LL << 30)); break; // sparse
        case Content::Garbage: {
            QByteArray junk(4096, 0);
            std::generate(junk.begin(), junk.end(), [n = 7u]() mutable { return char((n = n * 1103515245u + 12345u) >> 16); });
            writeFile(path, junk);
            break;
        }
        case Content::Folder: QVERIFY(QDir(dir.path()).mkdir(QFileInfo(path).fileName())); break;
        }
        const AppState before = state;
        FakePlatform fp;
        read(row.reader, path, state, fp);

        const bool accepted = row.content == Content::WithByteOrderMark, config = row.reader >= Reader::SettingsLoad;
        AppState stores = before; // what an accepted file holds, in the stores it is read into
        if (accepted && row.reader != Reader::Col && !config)
            stores.Simple = source.Simple;
        if (accepted && (row.reader == Reader::Col || row.reader == Reader::Recovery))
            stores.Color = source.Color;
        if (accepted && row.reader == Reader::Recovery)
            stores.Number = source.Number;
        QVERIFY(state.Simple == stores.Simple && state.Color == stores.Color && state.Number == stores.Number);
        QCOMPARE(state.Config, accepted && config ? source.Config : before.Config);
        QCOMPARE(fp.prompt.shown.isEmpty(), accepted);
        if (!accepted)
            QVERIFY2(fp.prompt.shown[0].detail.contains(row.reason), qPrintable(fp.prompt.shown[0].detail));
    }

    // Every writer notices the disk filling at any byte, and writes everything when it fits.
    void diskFillsDuringASave()
    {
        AppState s;
        fill(s);
        const std::function<bool(QIODevice&)> writers[] = {
            [&](QIODevice& d) { return writeConfig(d, s.Config, ConfigLayout::Full); },
            [&](QIODevice& d) { return writeConfig(d, s.Config, ConfigLayout::Short); },
            [&](QIODevice& d) { return writeRecovery(d, s); },
            [&](QIODevice& d) { return writeDataFile(d, kNrmFile, {s.Simple}); },
            [&](QIODevice& d) { return writeDataFile(d, kColFile, {s.Color, &s.Color}); },
        };
        for (const auto& write : writers) {
            const QByteArray whole = written(write);
            for (qint64 room = 0; room < whole.size(); room += 7) {
                FullDevice disk(room);
                QVERIFY2(!write(disk), qPrintable(QString::number(room)));
            }
            FullDevice disk(whole.size());
            QVERIFY(write(disk) && disk.bytes == whole);
        }
    }

    // A folder the user may not write, for real: as root the test writes as nobody. The saves
    // fail with the system's reason and the files there stay as they were.
    void readOnlyFolder()
    {
        QTemporaryDir top;
        const QString folder = top.filePath("class"), nrm = folder + "/a.nrm";
        QVERIFY(QDir().mkdir(folder));
        writeFile(nrm, "old");
        writeFile(folder + "/recover.dat", "old");
        QFile::setPermissions(top.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        const bool root = geteuid() == 0;
        if (root && seteuid(65534) != 0)
            QSKIP("cannot take another user's rights here");
        AppState state;
        fill(state);
        FakePlatform fp;
        fp.files.answers = {nrm};
        fp.prompt.answers = {MsgAnswer::Yes}; // overwrite
        const FileCommand saved = saveDataFile(fp.files, fp.prompt, kNrmFile, "T", {state.Simple});
        const bool recoveryWritten = RecoveryFile(state, fp.prompt, folder).write();
        QVERIFY(!root || seteuid(0) == 0);
        QVERIFY(saved == FileCommand::Failed && !recoveryWritten);
        QCOMPARE(fp.prompt.titles(), (QStringList{"Save File", "Save Cancelled", "Recovery File Error"}));
        QVERIFY2(fp.prompt.shown[1].detail.contains("ermission"), qPrintable(fp.prompt.shown[1].detail));
        QCOMPARE(readFile(nrm) + readFile(folder + "/recover.dat"), "oldold");
    }
};

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"

