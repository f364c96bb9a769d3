// What a lab machine may hand the program: a file of gigabytes chosen by mistake, a byte-order
// mark from an editor, binary garbage, a disk that fills during a save, a folder the user may
// not write. (A folder where a file should be fails as the gigabytes do: tst_startup.) A reader refuses what it cannot
// take with its message and the reason, changing nothing; a writer notices every short write.
#include "app/StartupSequence.h"
#include "config/ConfigFile.h"
#include "config/SettingsEditor.h"
#include "fakes/Fakes.h"
#include "shared/FileCommands.h"
#include "shared/RecoveryCommands.h"

#include <QDir>
#include <QTemporaryDir>
#include <unistd.h>

using namespace brevane;
using namespace brevane::fakes;

enum class Reader { Col, Recovery, SettingsLoad, Startup };
enum class Content { WithByteOrderMark, Gigabytes, Garbage };
struct Hostile {
    const char* name;
    Reader reader;
    Content content;
    QString reason;
}; // reason: the message's detail

namespace {

// A seed of the fuzz corpus, a whole file of each kind.
const char* const kSeed[] = {"fuzz/col/sets.col", "fuzz/recovery/recover.dat", "fuzz/config/full.cfg",
                             "fuzz/config/full.cfg"};

struct Lab final : SplashView {
    AppState s;
    FakePlatform fp;
    StoreHalf colour{s.Color, &s.Color};
    Lab() { s.Config = s.StartupConfig = ReflexConfig{}; }
    void setProgress(int) override { }
    void setStatus(const QString&) override { }
    void read(Reader r, const QString& path) // as the program does; its messages land in fp.prompt
    {
        fp.files.answers = {path};
        if (r == Reader::Col)
            loadDataFile(fp.files, fp.prompt, kColFile, "T", colour);
        else if (r == Reader::Recovery)
            RecoveryFile(s, fp.prompt, QFileInfo(path).path()).read();
        else if (r == Reader::SettingsLoad)
            SettingsEditor(s, fp.platform, fp.mixer).loadFile();
        else {
            StartupSequence startup(s, fp.prompt, fp.pointer, *this, QFileInfo(path).dir());
            startup.initialiseGlobals({1024, 768});
            startup.loadConfiguration(path, {[] {}, {[] {}, [] {}, [] {}}});
        }
    }
    bool same(const Lab& o) const
    {
        return s.Simple == o.s.Simple && s.Color == o.s.Color && s.Number == o.s.Number && s.Config == o.s.Config;
    }
};

} // namespace

class TestHostileFiles : public QObject {
    Q_OBJECT
private slots:
    void hostile_data()
    {
        const QString gigabytes = "holds 5120.0 MB";
        addRows<Hostile>({{".col, mark", Reader::Col, Content::WithByteOrderMark, {}},
                          {"recover.dat, mark", Reader::Recovery, Content::WithByteOrderMark, {}},
                          {"start-up .cfg, mark", Reader::Startup, Content::WithByteOrderMark, {}},
                          {".col, gigabytes", Reader::Col, Content::Gigabytes, gigabytes},
                          {"recover.dat, gigabytes", Reader::Recovery, Content::Gigabytes, gigabytes},
                          {"loaded .cfg, gigabytes", Reader::SettingsLoad, Content::Gigabytes, gigabytes},
                          {"start-up .cfg, gigabytes", Reader::Startup, Content::Gigabytes, gigabytes},
                          {"recover.dat, garbage", Reader::Recovery, Content::Garbage, {}},
                          {"loaded .cfg, garbage", Reader::SettingsLoad, Content::Garbage, {}}});
    }
    void hostile()
    {
        QFETCH(Hostile, row);
        QTemporaryDir dir;
        const QString path = dir.filePath(row.reader == Reader::Recovery ? "recover.dat" : "file");
        Lab lab, expected; // expected: as the file without the mark leaves it, or untouched
        QFile file(path);
        const bool accepted = row.content == Content::WithByteOrderMark;
        if (accepted) {
            writeFile(path, fixture(kSeed[int(row.reader)]));
            expected.read(row.reader, path);
            QVERIFY(!expected.same(Lab()) && expected.fp.prompt.shown.isEmpty());
            writeFile(path, "\xEF\xBB\xBF" + fixture(kSeed[int(row.reader)]));
        }
        if (row.content == Content::Gigabytes)
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(5LL << 30)); // sparse, never read
        else if (row.content == Content::Garbage)
            writeFile(path, QByteArray::fromBase64("3q2+7wAB/v8Q8Q0KgICA").repeated(100));
        lab.read(row.reader, path);
        QVERIFY(lab.same(expected));
        QCOMPARE(lab.fp.prompt.shown.isEmpty(), accepted);
        if (!accepted)
            QVERIFY2(lab.fp.prompt.shown[0].detail.contains(row.reason), qPrintable(lab.fp.prompt.shown[0].detail));
    }

    // Every writer notices the disk filling at any byte, and writes everything when it fits.
    void diskFillsDuringASave()
    {
        Lab lab;
        for (const auto& write : std::initializer_list<std::function<bool(QIODevice&)>>{
                 [&](QIODevice& d) { return writeConfig(d, lab.s.Config, ConfigLayout::Short); },
                 [&](QIODevice& d) { return writeRecovery(d, lab.s); },
                 [&](QIODevice& d) { return writeDataFile(d, kColFile, lab.colour); }}) {
            const QByteArray whole = written(write);
            for (qint64 room = 0; room < whole.size(); room += 7) {
                FullDevice disk(room);
                QVERIFY2(!write(disk), qPrintable(QString::number(room)));
            }
            FullDevice disk(whole.size());
            QVERIFY(write(disk) && disk.bytes == whole);
        }
    }

    // A folder the user may not write, for real (as root the test writes as nobody): the save
    // fails with the system's reason and the file there stays as it was. (recover.dat's failures:
    // tst_recoveryfile.)
    void readOnlyFolder()
    {
        QTemporaryDir top;
        const QString folder = top.filePath("class"), col = folder + "/a.col";
        QVERIFY(QDir().mkdir(folder));
        writeFile(col, "old");
        const auto readable = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
        QVERIFY(QFile::setPermissions(top.path(), readable | QFile::WriteOwner) &&
                QFile::setPermissions(folder, readable));
        const bool root = geteuid() == 0;
        if (root && seteuid(65534) != 0)
            QSKIP("cannot take another user's rights here");
        Lab lab;
        lab.fp.files.answers = {col};
        lab.fp.prompt.answers = {MsgAnswer::Yes}; // overwrite
        const FileCommand saved = saveDataFile(lab.fp.files, lab.fp.prompt, lab.fp.handIn, kColFile, "T", lab.colour);
        QVERIFY(!root || seteuid(0) == 0);
        QVERIFY(saved == FileCommand::Failed);
        QCOMPARE(lab.fp.prompt.titles(), (QStringList{"Save File", "Save Cancelled"}));
        QVERIFY2(lab.fp.prompt.shown[1].detail.contains("ermission"), qPrintable(lab.fp.prompt.shown[1].detail));
        QCOMPARE(readFile(col), "old");
    }
};

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
