#include "config/ConfigFile.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace reflex;

Q_DECLARE_METATYPE(reflex::ConfigLayout)
Q_DECLARE_METATYPE(reflex::ConfigReadResult)
Q_DECLARE_METATYPE(reflex::ReflexConfig)

namespace {

const QByteArray kHeaderLine = "\"TOVANEL V1.00 Configuration file\"";

// The default file, line by line.
const QList<int> kDefaultValues = {
    0, 2000, 1, 1, 1000, 10,
    0, 2000, 1000, 1000, 0, 1, 2, 3, 10, 0, 1, 2, 3, 4, 5, 6, 15, 8, 9, 0, 10,
    0, 2000, 1000, 1000, 0, 1, 2, 3, 10, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 10};

QByteArray joined(const QList<QByteArray>& lines, const QByteArray& eol = "\r\n")
{
    QByteArray out;
    for (const QByteArray& line : lines)
        out += line + eol;
    return out;
}

QList<QByteArray> defaultLines()
{
    QList<QByteArray> lines{kHeaderLine};
    for (int v : kDefaultValues)
        lines << QByteArray::number(v);
    return lines;
}

// Every field set, most of them away from the defaults; entries 10 are never stored.
ReflexConfig sample()
{
    ReflexConfig c;
    c.Normal = SimpleConfigBlock{1, 2500, 2, 3, 1500, 15};
    c.Color = ChoiceConfigBlock{1, 2100, 1100, 900, 1, 1, 12, 4, 11,
                                {15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 0}, 5, 16};
    c.Number = ChoiceConfigBlock{1, 2200, 1200, 800, 1, 1, 3, 9, 12,
                                 {9, 8, 7, 6, 5, 4, 3, 2, 1, -1, 0}, 7, 17};
    return c;
}

ReflexConfig withRunCounts(ReflexConfig c, qint16 normal, qint16 color, qint16 number)
{
    c.Normal.RunCount = normal;
    c.Color.RunCount = color;
    c.Number.RunCount = number;
    return c;
}

QByteArray written(const ReflexConfig& c, ConfigLayout layout)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const bool ok = writeConfig(buffer, c, layout);
    Q_ASSERT(ok);
    return buffer.data();
}

QList<QByteArray> linesOf(const ReflexConfig& c, ConfigLayout layout)
{
    QList<QByteArray> lines = written(c, layout).split('\n');
    lines.removeLast(); // after the last line end
    for (QByteArray& line : lines)
        line.chop(1); // the CR
    return lines;
}

enum class Reader { Startup, Dialog };

ConfigReadResult readWith(Reader reader, QByteArray data, ReflexConfig& into)
{
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    return reader == Reader::Startup ? readStartupConfig(buffer, into)
                                     : readDialogConfig(buffer, into);
}

} // namespace

Q_DECLARE_METATYPE(Reader)

class TestConfigFile : public QObject {
    Q_OBJECT
private slots:
    void defaultFileHasTheDefaultsIn49Lines()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        ReflexConfig config = ReflexConfig::zeroed();
        config.Color.Element[10] = 7;
        config.Number.Element[10] = -3;
        QVERIFY(writeDefaultConfiguration(config, QDir(dir.path())));

        ReflexConfig expected = ReflexConfig::defaults(config);
        QCOMPARE(expected.Color.Element[10], qint16(7));
        QVERIFY(config == expected);

        QFile file(dir.filePath("Reflex.cfg"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes, joined(defaultLines()));
        QCOMPARE(bytes.count("\r\n"), 49);
        QCOMPARE(bytes.count('\n'), 49);
        QCOMPARE(bytes.count('\r'), 49);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Reflex.cfg"});
    }

    void defaultFileIsTruncated()
    {
        QTemporaryDir dir;
        QFile old(dir.filePath("Reflex.cfg"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(5000, 'x'));
        old.close();
        ReflexConfig config = sample();
        QVERIFY(writeDefaultConfiguration(config, QDir(dir.path())));
        QFile file(dir.filePath("Reflex.cfg"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), joined(defaultLines()));
    }

    void defaultsAreSetEvenWhenTheFileCannotBeWritten()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("Reflex.cfg")); // a directory cannot be opened for writing
        ReflexConfig config = sample();
        QVERIFY(!writeDefaultConfiguration(config, QDir(dir.path())));
        QVERIFY(config == ReflexConfig::defaults(config));
    }

    void shortLayoutLeavesOutTheRunCounts()
    {
        QList<QByteArray> expected = defaultLines();
        expected.removeAt(49 - 1);
        expected.removeAt(28 - 1);
        expected.removeAt(7 - 1);
        QCOMPARE(written(ReflexConfig{}, ConfigLayout::Short), joined(expected));
        QCOMPARE(expected.size(), 46);
    }

    void readers_data()
    {
        QTest::addColumn<ConfigLayout>("layout");
        QTest::addColumn<Reader>("reader");
        QTest::addColumn<ReflexConfig>("expected");
        const ReflexConfig s = sample();
        // `into` starts zeroed with run counts 7, 8, 9
        QTest::newRow("full at start-up: every value") << ConfigLayout::Full << Reader::Startup << s;
        QTest::newRow("short at start-up: run counts at their defaults")
            << ConfigLayout::Short << Reader::Startup << withRunCounts(s, 10, 10, 10);
        QTest::newRow("short in the dialog: run counts kept")
            << ConfigLayout::Short << Reader::Dialog << withRunCounts(s, 7, 8, 9);
        QTest::newRow("full in the dialog: the file's run counts ignored")
            << ConfigLayout::Full << Reader::Dialog << withRunCounts(s, 7, 8, 9);
    }

    void readers()
    {
        QFETCH(ConfigLayout, layout);
        QFETCH(Reader, reader);
        QFETCH(ReflexConfig, expected);
        ReflexConfig into = withRunCounts(ReflexConfig::zeroed(), 7, 8, 9);
        QCOMPARE(readWith(reader, written(sample(), layout), into), ConfigReadResult::Ok);
        QVERIFY(into == expected);
    }

    void lineEnds_data()
    {
        QTest::addColumn<QByteArray>("data");
        const QList<QByteArray> lines = linesOf(sample(), ConfigLayout::Full);
        const QByteArray crlf = joined(lines);
        QTest::newRow("CR LF") << crlf;
        QTest::newRow("no line end after the last line") << crlf.chopped(2);
        QTest::newRow("a blank line at the end") << crlf + "\r\n";
        QTest::newRow("blank lines and blanks at the end") << crlf + "\r\n  \r\n\r\n";
        QTest::newRow("LF only") << joined(lines, "\n");
        QTest::newRow("LF only, no final line end") << joined(lines, "\n").chopped(1);
        QTest::newRow("blanks around a value")
            << QByteArray(crlf).replace("\r\n2500\r\n", "\r\n  2500 \r\n");
    }

    void lineEnds()
    {
        QFETCH(QByteArray, data);
        for (Reader reader : {Reader::Startup, Reader::Dialog}) {
            ReflexConfig into = withRunCounts(ReflexConfig::zeroed(), 7, 8, 9);
            QCOMPARE(readWith(reader, data, into), ConfigReadResult::Ok);
            QVERIFY(into == (reader == Reader::Startup ? sample() : withRunCounts(sample(), 7, 8, 9)));
        }
    }

    void header_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("quoted") << kHeaderLine << true;
        QTest::newRow("quoted with CR LF") << kHeaderLine + "\r\n" << true;
        QTest::newRow("without quotes") << QByteArray("TOVANEL V1.00 Configuration file") << true;
        QTest::newRow("letter case") << QByteArray("\"TOVANEL V1.00 configuration file\"") << false;
        QTest::newRow("all lower case") << kHeaderLine.toLower() << false;
        QTest::newRow("one more blank") << QByteArray("\"TOVANEL  V1.00 Configuration file\"") << false;
        QTest::newRow("blank inside the quotes") << QByteArray("\" TOVANEL V1.00 Configuration file\"") << false;
        QTest::newRow("other version") << QByteArray("\"TOVANEL V1.01 Configuration file\"") << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("only quotes") << QByteArray("\"\"") << false;
    }

    void header()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, accepted);
        QCOMPARE(isConfigHeader(line), accepted);

        QList<QByteArray> lines = linesOf(sample(), ConfigLayout::Full);
        lines[0] = line;
        if (lines[0].endsWith("\r\n"))
            lines[0].chop(2); // joined() ends the line
        for (Reader reader : {Reader::Startup, Reader::Dialog}) {
            ReflexConfig into = ReflexConfig::zeroed();
            const ConfigReadResult result = readWith(reader, joined(lines), into);
            QCOMPARE(result, accepted ? ConfigReadResult::Ok : ConfigReadResult::Invalid);
            if (!accepted)
                QVERIFY(into == ReflexConfig::zeroed()); // nothing taken
        }
    }

    void otherLineCountsAreRefused_data()
    {
        QTest::addColumn<QByteArray>("data");
        const QList<QByteArray> full = linesOf(sample(), ConfigLayout::Full);
        const QList<QByteArray> brief = linesOf(sample(), ConfigLayout::Short);
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("blank lines only") << QByteArray("\r\n\r\n");
        QTest::newRow("header only") << joined(full.mid(0, 1));
        QTest::newRow("45 lines") << joined(brief.mid(0, 45));
        QTest::newRow("47 lines") << joined(brief + QList<QByteArray>{"0"});
        QTest::newRow("48 lines") << joined(full.mid(0, 48));
        QTest::newRow("50 lines") << joined(full + QList<QByteArray>{"0"});
        QTest::newRow("a blank line inside makes 50")
            << joined(full.mid(0, 10) + QList<QByteArray>{""} + full.mid(10));
    }

    void otherLineCountsAreRefused()
    {
        QFETCH(QByteArray, data);
        for (Reader reader : {Reader::Startup, Reader::Dialog}) {
            ReflexConfig into = sample();
            QCOMPARE(readWith(reader, data, into), ConfigReadResult::Invalid);
            QVERIFY(into == sample());
        }
    }

    void outOfRangeValuesAreTakenAsTheyStand()
    {
        ReflexConfig c;
        c.Color.TriggerElement = 12;
        c.Number.LastElement = 40;
        c.Normal.RunCount = -5;
        c.Normal.FixedTimeInterval = 32767;
        c.Color.MinimumTimeInterval = -32768;
        for (Reader reader : {Reader::Startup, Reader::Dialog}) {
            ReflexConfig into = withRunCounts(ReflexConfig::zeroed(), -5, 10, 10);
            QCOMPARE(readWith(reader, written(c, ConfigLayout::Full), into), ConfigReadResult::Ok);
            QVERIFY(into == c);
        }
    }

    void unreadableValue_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("letters") << QByteArray("abc");
        QTest::newRow("empty line") << QByteArray("");
        QTest::newRow("above 16 bits") << QByteArray("32768");
        QTest::newRow("below 16 bits") << QByteArray("-32769");
        QTest::newRow("fraction") << QByteArray("1.5");
        QTest::newRow("number and text") << QByteArray("12abc");
    }

    // ColorTriggerElement (full layout line 14, short layout line 13) cannot be read.
    void unreadableValue()
    {
        QFETCH(QByteArray, text);
        const ReflexConfig s = sample();

        QList<QByteArray> full = linesOf(s, ConfigLayout::Full);
        QCOMPARE(full[13], QByteArray::number(s.Color.TriggerElement));
        full[13] = text;
        ReflexConfig into = ReflexConfig::zeroed();
        QCOMPARE(readWith(Reader::Startup, joined(full), into), ConfigReadResult::Ok);
        ReflexConfig skipped = s;
        skipped.Color.TriggerElement = 0; // as it was
        QVERIFY(into == skipped);

        QList<QByteArray> brief = linesOf(s, ConfigLayout::Short);
        QCOMPARE(brief[12], QByteArray::number(s.Color.TriggerElement));
        brief[12] = text;
        for (const QList<QByteArray>& lines : {brief, full}) {
            into = ReflexConfig::zeroed();
            QCOMPARE(readWith(Reader::Dialog, joined(lines), into), ConfigReadResult::BadValue);
            ReflexConfig before = ReflexConfig::zeroed(); // the values before the bad one
            before.Normal = withRunCounts(s, 0, 0, 0).Normal;
            before.Color.IntervalTiming = s.Color.IntervalTiming;
            before.Color.FixedTimeInterval = s.Color.FixedTimeInterval;
            before.Color.MinimumTimeInterval = s.Color.MinimumTimeInterval;
            before.Color.DisplayTime = s.Color.DisplayTime;
            before.Color.MakeSound = s.Color.MakeSound;
            before.Color.TriggerOn = s.Color.TriggerOn;
            QVERIFY(into == before);
        }
    }

    void deviceThatRefusesWritesFails()
    {
        QBuffer buffer;
        buffer.open(QIODevice::ReadOnly);
        QTest::ignoreMessage(QtWarningMsg, "QIODevice::write (QBuffer): ReadOnly device");
        QVERIFY(!writeConfig(buffer, ReflexConfig{}, ConfigLayout::Full));
    }
};

QTEST_GUILESS_MAIN(TestConfigFile)
#include "tst_configfile.moc"
