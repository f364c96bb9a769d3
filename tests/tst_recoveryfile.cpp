#include "app/DataCommands.h"
#include "fakes/Fakes.h"
#include "simple_test/RecoveryFile.h"
#include "simple_test/ValueCodec.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

using namespace reflex;

namespace {

// Distinct values in every field, runs 1..20, so that a shifted or dropped field shows.
// Times are whole milliseconds over 1000, as the engines store them.
void fill(SetData& data, int base)
{
    for (int set = 1; set <= kSetCount; ++set) {
        for (int run = 1; run <= kMaxRuns; ++run)
            data.Times[set][run] = float(base + set * 20 + run) / 1000.0f;
        data.SetAverage[set] = float(base + set * 20 + 500) / 1000.0f;
        data.SetFastest[set] = float(base + set) / 1000.0f;
        data.SetSlowest[set] = float(base + set * 30 + 600) / 1000.0f;
        data.SetComment[set - 1] = QStringLiteral("%1: set %2").arg(base).arg(set);
    }
    data.SetComment[2] = QStringLiteral("said \"stop\"\r\nnew line, Grüße");
}

AppState filled(int base)
{
    AppState state;
    fill(state.Simple, base);
    fill(state.Color, base + 3);
    fill(state.Number, base + 7);
    for (ChoiceStore* store : {&state.Color, &state.Number}) {
        for (int set = 1; set <= kSetCount; ++set) {
            store->CorrectHits[set] = qint16(base + set * 4);
            store->CorrectMisses[set] = qint16(base + set * 4 + 1);
            store->InCorrectHits[set] = qint16(base + set * 4 + 2);
            store->MissedHits[set] = qint16(base + set * 4 + 3);
        }
        base += 50;
    }
    return state;
}

QByteArray recoveryBytes(const AppState& state)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeRecovery(buffer, state);
    return buffer.data();
}

QList<QByteArray> lines(const QByteArray& bytes)
{
    QList<QByteArray> out = bytes.split('\n');
    if (out.last().isEmpty())
        out.removeLast();
    return out;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool sameStores(const AppState& a, const AppState& b)
{
    return a.Simple == b.Simple && a.Color == b.Color && a.Number == b.Number;
}

Message loadCancelled(const char* text)
{
    return Message{QString::fromLatin1(text), QStringLiteral("Load Cancelled")};
}

} // namespace

class TestRecoveryFile : public QObject {
    Q_OBJECT
private slots:
    void singleFormat_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("below one") << 0.234f << ".234";
        QTest::newRow("zero") << 0.0f << "0";
        QTest::newRow("negative zero") << -0.0f << "0";
        QTest::newRow("one and a half") << 1.5f << "1.5";
        QTest::newRow("negative below one") << -0.5f << "-.5";
        QTest::newRow("thousandth") << 0.001f << ".001";
        QTest::newRow("two places before") << 12.345f << "12.345";
        QTest::newRow("whole") << 7.0f << "7";
        QTest::newRow("seven digits") << 1.0f / 3.0f << ".3333333";
        QTest::newRow("very small") << 1e-5f << "1E-05";
        QTest::newRow("very large") << 12345678.0f << "1.234568E+07";
    }
    void singleFormat()
    {
        QFETCH(float, value);
        QFETCH(QString, text);
        QCOMPARE(formatSingle(value), text);
    }

    void singleParse_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<double>("value"); // NaN: refused
        const double refused = qQNaN();
        QTest::newRow("no leading zero") << ".234" << 0.234;
        QTest::newRow("leading zero") << "0.234" << 0.234;
        QTest::newRow("negative") << "-.5" << -0.5;
        QTest::newRow("exponent") << "1.5E+07" << 1.5e7;
        QTest::newRow("small exponent") << "1e-05" << 1e-5;
        QTest::newRow("blanks and plus") << " +2 " << 2.0;
        QTest::newRow("empty") << "" << refused;
        QTest::newRow("word") << "abc" << refused;
        QTest::newRow("two periods") << "1.2.3" << refused;
        QTest::newRow("comma") << "1,5" << refused;
        QTest::newRow("bare exponent") << "1E" << refused;
        QTest::newRow("infinity") << "inf" << refused;
        QTest::newRow("beyond single") << "1E+39" << refused;
        QTest::newRow("quoted") << "\"0\"" << refused;
    }
    void singleParse()
    {
        QFETCH(QString, line);
        QFETCH(double, value);
        const auto parsed = parseSingle(line);
        QCOMPARE(parsed.has_value(), !qIsNaN(value));
        if (parsed)
            QCOMPARE(*parsed, float(value));
    }

    void integerParse()
    {
        QCOMPARE(parseInteger(u" -32768"), std::optional<qint16>(-32768));
        QCOMPARE(parseInteger(u"+7"), std::optional<qint16>(7));
        for (const char16_t* refused : {u"32768", u"1.5", u"", u"x", u"\"7\""})
            QVERIFY2(!parseInteger(refused), qPrintable(QString::fromUtf16(refused)));
    }

    void strings_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("value");    // null: refused
        QTest::addColumn<bool>("writtenSo"); // formatString(value) gives the line back
        QTest::newRow("blank") << "\" \"" << " " << true;
        QTest::newRow("empty") << "\"\"" << "" << true;
        QTest::newRow("plain") << "\"abc, def\"" << "abc, def" << true;
        QTest::newRow("quotes") << "\"say \"\"hi\"\"\"" << "say \"hi\"" << true;
        QTest::newRow("only a quote") << "\"\"\"\"" << "\"" << true;
        QTest::newRow("quote before n") << "\"\"\"n\"" << "\"n" << true;
        QTest::newRow("line break") << "\"a\"r\"nb\"" << "a\r\nb" << true;
        QTest::newRow("old lone quote") << "\"5\" high\"" << "5\" high" << false;
        QTest::newRow("old quote at the end") << "\"x\"\"" << "x\"" << false;
        QTest::newRow("no quotes") << "abc" << QString() << false;
        QTest::newRow("no closing quote") << "\"abc" << QString() << false;
        QTest::newRow("one quote") << "\"" << QString() << false;
    }
    void strings()
    {
        QFETCH(QString, line);
        QFETCH(QString, value);
        QFETCH(bool, writtenSo);
        const auto parsed = parseString(line);
        QCOMPARE(parsed.has_value(), !value.isNull());
        if (parsed)
            QCOMPARE(*parsed, value);
        if (writtenSo)
            QCOMPARE(formatString(value), line);
    }

    void linesAreCrLfUtf8AndLatin1IsStillRead()
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        ValueWriter out(buffer);
        out.single(0.234f);
        out.integer(-7);
        out.string(QStringLiteral("Größe"));
        QVERIFY(out.ok());
        QCOMPARE(buffer.data(), QByteArray(".234\r\n-7\r\n\"Gr\xc3\xb6\xc3\x9f" "e\"\r\n"));

        buffer.buffer().append("\"Gr\xf6\xdf" "e\"\n.5"); // Latin-1, bare LF, no last line end
        buffer.close();
        buffer.open(QIODevice::ReadOnly);
        ValueReader in(buffer);
        QCOMPARE(in.single(), std::optional<float>(0.234f));
        QCOMPARE(in.integer(), std::optional<qint16>(-7));
        QCOMPARE(in.string(), std::optional<QString>(QStringLiteral("Größe")));
        QCOMPARE(in.string(), std::optional<QString>(QStringLiteral("Größe")));
        QCOMPARE(in.single(), std::optional<float>(0.5f));
        QVERIFY(!in.single());

        QTest::ignoreMessage(QtWarningMsg, "QIODevice::write (QBuffer): ReadOnly device");
        ValueWriter refused(buffer);
        refused.integer(1);
        QVERIFY(!refused.ok());
    }

    void layoutOfOneSimpleSeries()
    {
        AppState state;
        const float times[] = {0.234f, 0.301f, 0.25f, 0.412f, 0.198f};
        for (int run = 1; run <= 5; ++run)
            state.Simple.Times[2][run] = times[run - 1];
        state.Simple.Times[2][11] = 0.777f; // beyond run 10: never written
        state.Simple.SetAverage[2] = 0.279f;
        state.Simple.SetFastest[2] = 0.198f;
        state.Simple.SetSlowest[2] = 0.412f;
        state.Simple.SetComment = {QStringLiteral(" "), QStringLiteral("Anna, left hand")};
        state.Color.CorrectHits[1] = 8;
        state.Color.CorrectMisses[1] = 5;
        state.Color.InCorrectHits[1] = 2;
        state.Color.MissedHits[1] = 1;
        state.Number.SetComment[9] = QStringLiteral("last");

        const QByteArray bytes = recoveryBytes(state);
        QVERIFY(bytes.endsWith("\"last\"\r\n"));
        QCOMPARE(bytes.count("\r\n"), kRecoveryLineCount);
        const QList<QByteArray> l = lines(bytes);
        QCOMPARE(l.size(), kRecoveryLineCount);
        const auto line = [&](int n) { return l[n - 1]; };
        QCOMPARE(line(14), "\" \"\r");
        QCOMPARE(l.mid(14, 5), (QList<QByteArray>{".234\r", ".301\r", ".25\r", ".412\r", ".198\r"}));
        for (int n = 20; n <= 24; ++n)
            QCOMPARE(line(n), "0\r");
        QCOMPARE(line(25), ".279\r");
        QCOMPARE(line(26), ".198\r");
        QCOMPARE(line(27), ".412\r");
        QCOMPARE(line(28), "\"Anna, left hand\"\r");
        QCOMPARE(line(42), "\"\"\r");
        // colour set 1: counters after the three statistics
        QCOMPARE(l.mid(153, 4), (QList<QByteArray>{"8\r", "5\r", "2\r", "1\r"}));
        QCOMPARE(line(158), "\"\"\r");
    }

    void writeThenReadRestoresRunsOneToTen()
    {
        const AppState saved = filled(100);
        AppState state = filled(300);
        state.CurrentSet = 7;
        state.CurrentRun = 3;
        state.DataNotSaved = true;
        // runs 11..20 are not in the file
        AppState expected = saved;
        const auto keepLateRuns = [](SetData& to, const SetData& from) {
            for (int set = 1; set <= kSetCount; ++set)
                for (int run = kStoredRuns + 1; run <= kMaxRuns; ++run)
                    to.Times[set][run] = from.Times[set][run];
        };
        keepLateRuns(expected.Simple, state.Simple);
        keepLateRuns(expected.Color, state.Color);
        keepLateRuns(expected.Number, state.Number);

        QTemporaryDir dir;
        fakes::FakePrompt prompt;
        AppState writer = saved;
        QVERIFY(RecoveryFile(writer, prompt, dir.path()).write());
        RecoveryFile(state, prompt, dir.path()).read();

        QCOMPARE(prompt.shown, QList<Message>());
        QVERIFY(sameStores(state, expected));
        QCOMPARE(state.CurrentSet, qint16(7));
        QCOMPARE(state.CurrentRun, qint16(3));
        QVERIFY(state.DataNotSaved);
    }

    void emptyDirectoryMeansTheCurrentOneAtTheCall()
    {
        QTemporaryDir dir;
        const QString before = QDir::currentPath();
        AppState state = filled(100);
        fakes::FakePrompt prompt;
        RecoveryFile file(state, prompt);
        QVERIFY(QDir::setCurrent(dir.path()));
        const bool written = file.write();
        QDir::setCurrent(before);
        QVERIFY(written);
        QCOMPARE(readFile(dir.filePath("recover.dat")), recoveryBytes(state));
    }

    // Every line before the fault is taken, nothing from the fault on.
    void faultyFileKeepsWhatWasReadBeforeIt_data()
    {
        QTest::addColumn<int>("faultLine");
        QTest::addColumn<QByteArray>("replacement"); // empty: the file ends before the line
        QTest::newRow("cut in simple set 4") << 48 << QByteArray();
        QTest::newRow("cut before the number block") << 321 << QByteArray();
        QTest::newRow("word for a colour time") << 150 << QByteArray("abc");
        QTest::newRow("fraction for a count") << 154 << QByteArray("1.5");
        QTest::newRow("unquoted comment") << 28 << QByteArray("Anna");
    }
    void faultyFileKeepsWhatWasReadBeforeIt()
    {
        QFETCH(int, faultLine);
        QFETCH(QByteArray, replacement);
        const QByteArray good = recoveryBytes(filled(100));
        QList<QByteArray> fileLines = lines(good);
        if (replacement.isEmpty())
            fileLines = fileLines.mid(0, faultLine - 1);
        else
            fileLines[faultLine - 1] = replacement + '\r';
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("recover.dat"), fileLines.join('\n') + '\n'));

        AppState state = filled(300);
        const QList<QByteArray> untouched = lines(recoveryBytes(state));
        fakes::FakePrompt prompt;
        RecoveryFile(state, prompt, dir.path()).read();

        QCOMPARE(prompt.shown, QList<Message>{loadCancelled("Load File Error")});
        const QList<QByteArray> after = lines(recoveryBytes(state));
        QCOMPARE(after.mid(0, faultLine - 1), lines(good).mid(0, faultLine - 1));
        QCOMPARE(after.mid(faultLine - 1), untouched.mid(faultLine - 1));
    }

    void missingFileChangesNothing()
    {
        QTemporaryDir dir;
        AppState state = filled(100);
        fakes::FakePrompt prompt;
        RecoveryFile(state, prompt, dir.path()).read();
        QCOMPARE(prompt.shown, QList<Message>{loadCancelled("No Recovery File Created or Found")});
        QVERIFY(sameStores(state, filled(100)));
    }

    // A full disk is imitated with a file size limit, which holds for root as well.
    void failedWriteKeepsTheOldFile()
    {
        QTemporaryDir dir;
        fakes::FakePrompt prompt;
        AppState state = filled(100);
        RecoveryFile file(state, prompt, dir.path());
        QVERIFY(file.write());
        const QByteArray old = readFile(file.path());

        state = filled(300);
        rlimit saved{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
        rlimit small = saved;
        small.rlim_cur = 100;
        if (setrlimit(RLIMIT_FSIZE, &small) != 0)
            QSKIP("cannot limit the file size");
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN); // fail the write, not the test
        const bool written = file.write();
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY(!written);
        QCOMPARE(readFile(file.path()), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"recover.dat"});
        QCOMPARE(prompt.titles(), QStringList{"Recovery File Error"});
        QVERIFY(sameStores(state, filled(300)));
    }

    void writeFailureIsToldOncePerStreak()
    {
        QTemporaryDir dir;
        const QString blocker = dir.filePath("recover.dat");
        AppState state = filled(100);
        fakes::FakePrompt prompt;
        RecoveryFile file(state, prompt, dir.path());
        QVERIFY(QDir().mkdir(blocker));
        QVERIFY(!file.write());
        QVERIFY(!file.write());
        QCOMPARE(prompt.shown.size(), 1);
        const Message& told = prompt.shown.first();
        QCOMPARE(told.title, QStringLiteral("Recovery File Error"));
        QVERIFY(told.text.startsWith("The recovery file recover.dat could not be written."));
        QCOMPARE(told.buttons, MsgButtons::Ok);

        QVERIFY(QDir().rmdir(blocker));
        QVERIFY(file.write());
        QVERIFY(QFile::remove(blocker) && QDir().mkdir(blocker));
        QVERIFY(!file.write());
        QCOMPARE(prompt.shown.size(), 2);
        QVERIFY(sameStores(state, filled(100)));

        QVERIFY(!RecoveryFile(state, prompt, dir.filePath("missing")).write());
        QCOMPARE(prompt.shown.size(), 3);
    }

    void clearDataAnsweredNoChangesNothing()
    {
        AppState state = filled(100);
        fakes::FakePrompt prompt;
        prompt.answers = {MsgAnswer::No};
        QVERIFY(!clearAllData(state, prompt));
        const Message question{QStringLiteral("Are you sure you want to DELETE ALL DATA ?"),
                               QStringLiteral("Delete All Data"), MsgButtons::YesNo,
                               MsgIcon::Critical, true};
        QCOMPARE(prompt.shown, QList<Message>{question});
        QVERIFY(sameStores(state, filled(100)));
    }

    void clearDataAnsweredYesEmptiesRunsOneToTen()
    {
        AppState state = filled(100);
        state.CurrentSet = 6;
        state.DataNotSaved = true;
        fakes::FakePrompt prompt;
        prompt.answers = {MsgAnswer::Yes};
        QVERIFY(clearAllData(state, prompt));

        const AppState before = filled(100);
        const std::pair<const SetData*, const SetData*> stores[] = {
            {&state.Simple, &before.Simple}, {&state.Color, &before.Color},
            {&state.Number, &before.Number}};
        for (const auto& [data, old] : stores) {
            for (int set = 1; set <= kSetCount; ++set) {
                for (int run = 1; run <= kMaxRuns; ++run)
                    QCOMPARE(data->Times[set][run], run <= kStoredRuns ? 0.0f : old->Times[set][run]);
                QCOMPARE(data->SetAverage[set], 0.0f);
                QCOMPARE(data->SetFastest[set], 0.0f);
                QCOMPARE(data->SetSlowest[set], 0.0f);
                QCOMPARE(data->SetComment[set - 1], QString(""));
            }
        }
        for (const ChoiceStore* store : {&state.Color, &state.Number}) {
            const PerSetCount zero{};
            QVERIFY(store->CorrectHits == zero && store->CorrectMisses == zero
                    && store->InCorrectHits == zero && store->MissedHits == zero);
        }
        QCOMPARE(state.CurrentSet, qint16(6));
        QVERIFY(state.DataNotSaved);
    }
};

QTEST_MAIN(TestRecoveryFile)
#include "tst_recoveryfile.moc"
