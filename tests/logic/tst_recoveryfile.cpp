#include "app/DataCommands.h"
#include "fakes/Fakes.h"
#include "shared/RecoveryCommands.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>

using namespace brevane;

namespace {

std::array<SetData*, 3> storesOf(AppState& s)
{
    return {&s.Simple, &s.Color, &s.Number};
}

// Every field distinct, so that a shifted or dropped field shows; times in whole milliseconds.
AppState filled(int base)
{
    AppState state;
    const auto next = [&base] { return float(++base) / 1000.0f; };
    for (SetData* data : storesOf(state)) {
        for (int set = 1; set <= kSetCount; ++set)
            std::generate(data->Times[set].begin() + 1, data->Times[set].end(), next);
        for (PerSet* statistic : {&data->SetAverage, &data->SetFastest, &data->SetSlowest})
            std::generate(statistic->begin() + 1, statistic->end(), next);
        for (QString& comment : data->SetComment)
            comment = QString::number(++base);
        data->SetComment[2] = QStringLiteral("said \"stop\"\r\nnew line, Grüße");
    }
    for (ChoiceStore* c : {&state.Color, &state.Number})
        for (PerSetCount* count : {&c->CorrectHits, &c->CorrectMisses, &c->InCorrectHits, &c->MissedHits})
            std::generate(count->begin() + 1, count->end(), [&base] { return qint16(++base); });
    return state;
}

// `to` with runs 11..20 of `from`: neither recover.dat nor Clear Data touches them.
AppState withLateRuns(AppState to, AppState from)
{
    for (int i = 0; i < 3; ++i)
        for (int set = 1; set <= kSetCount; ++set)
            for (int run = kStoredRuns + 1; run <= kMaxRuns; ++run)
                storesOf(to)[i]->Times[set][run] = storesOf(from)[i]->Times[set][run];
    return to;
}

bool sameStores(const AppState& a, const AppState& b)
{
    return a.Simple == b.Simple && a.Color == b.Color && a.Number == b.Number;
}

QByteArray recoveryBytes(const AppState& state)
{
    return fakes::written([&](QIODevice& device) { writeRecovery(device, state); });
}

QStringList lines(const QByteArray& bytes)
{
    return QString::fromUtf8(bytes).chopped(2).split("\r\n");
}

// A recover.dat (null: none), how many of its lines are those of filled(100), what is told.
struct Reading {
    QByteArray file;
    int taken;
    QList<Message> messages;
};

} // namespace

class TestRecoveryFile : public QObject {
    Q_OBJECT
private slots:
    // Every line before a fault is taken, nothing from the fault on, and never runs 11..20.
    void read_data()
    {
        QTest::addColumn<Reading>("c");
        const QStringList good = lines(recoveryBytes(filled(100)));
        const auto file = [](const QStringList& l) { return (l.join("\r\n") + "\r\n").toUtf8(); };
        const auto told = [](const char* text) { return QList<Message>{Message{text, "Load Cancelled"}}; };
        const QList<Message> error = told("Load File Error");
        QTest::newRow("whole file") << Reading{file(good), 500, {}};
        QTest::newRow("bare LF, Latin-1, no last line end") << Reading{good.join("\n").toLatin1(), 500, {}};
        QTest::newRow("no file") << Reading{QByteArray(), 0, told("No Recovery File Created or Found")};
        QTest::newRow("cut before the number block") << Reading{file(good.mid(0, 320)), 320, error};
        QTest::newRow("colour time: abc") << Reading{file(good.mid(0, 149) << "abc" << good.mid(150)), 149, error};
        QTest::newRow("count: 1.5") << Reading{file(good.mid(0, 153) << "1.5" << good.mid(154)), 153, error};
        QTest::newRow("comment: Anna") << Reading{file(good.mid(0, 27) << "Anna" << good.mid(28)), 27, error};
    }

    void read()
    {
        QFETCH(Reading, c);
        QTemporaryDir dir;
        if (!c.file.isNull())
            fakes::writeFile(dir.filePath("recover.dat"), c.file);
        AppState state = filled(300);
        std::tie(state.CurrentSet, state.CurrentRun, state.DataNotSaved.Color) = std::tuple(7, 3, true);
        fakes::FakePrompt prompt;
        RecoveryFile(state, prompt, dir.path()).read();
        QCOMPARE(prompt.shown, c.messages);
        QCOMPARE(lines(recoveryBytes(state)),
                 lines(recoveryBytes(filled(100))).mid(0, c.taken) + lines(recoveryBytes(filled(300))).mid(c.taken));
        QVERIFY(sameStores(state, withLateRuns(state, filled(300))));
        QVERIFY(state.CurrentSet == 7 && state.CurrentRun == 3 && state.DataNotSaved.Color);
    }

    // The file goes to the current directory at each call, not at construction. A failing
    // write leaves the store as it was and is told once per streak of failures.
    void writeAndFailuresToldOncePerStreak()
    {
        QTemporaryDir good, bad;
        QVERIFY(QDir(bad.path()).mkdir("recover.dat")); // the name taken by a directory
        fakes::FakePrompt prompt;
        AppState state = filled(100);
        RecoveryFile file(state, prompt);
        const auto restore = qScopeGuard([start = QDir::currentPath()] { QDir::setCurrent(start); });
        QVERIFY(QDir::setCurrent(bad.path()) && !file.write() && !file.write());
        QCOMPARE(prompt.titles(), QStringList{"Recovery File Error"});
        QVERIFY(prompt.shown[0].text.startsWith("The recovery file recover.dat could not be written."));
        QVERIFY(QDir::setCurrent(good.path()) && file.write()); // a success ends the streak
        QCOMPARE(fakes::readFile(good.filePath("recover.dat")), recoveryBytes(filled(100))); // the store as it was
        QVERIFY(QDir::setCurrent(bad.path()) && !file.write());
        QCOMPARE(prompt.shown.size(), 2);
        QVERIFY(!RecoveryFile(state, prompt, good.filePath("missing")).write());
        QCOMPARE(prompt.shown.size(), 3);
    }

    void clearDataEmptiesRunsOneToTenAfterYes()
    {
        AppState state = filled(100);
        std::tie(state.CurrentSet, state.DataNotSaved.Number) = std::tuple(6, true);
        fakes::FakePrompt prompt;
        prompt.answers = {MsgAnswer::No, MsgAnswer::Yes};
        QVERIFY(!clearAllData(state, prompt) && sameStores(state, filled(100)));
        QVERIFY(clearAllData(state, prompt) && sameStores(state, withLateRuns(AppState{}, filled(100))));
        QVERIFY(state.CurrentSet == 6 && state.DataNotSaved.Number);
        const Message question{"Are you sure you want to DELETE ALL DATA ?", "Delete All Data", MsgButtons::YesNo,
                               MsgIcon::Critical, true};
        QCOMPARE(prompt.shown, (QList<Message>{question, question}));
    }
};

QTEST_MAIN(TestRecoveryFile)
#include "tst_recoveryfile.moc"
