#include "config/ConfigFile.h"
#include "fakes/Fakes.h"

using namespace brevane;

namespace {

struct Case {
    QByteArray data;
    bool atStartup;
    ConfigReadResult result;
    ReflexConfig expected;
}; // else the dialog's reader

QByteArray joined(const QList<QByteArray>& lines, const QByteArray& eol = "\r\n")
{
    return lines.join(eol) + eol;
}

// Most fields away from their defaults, so that a shifted or dropped field shows; some beyond
// what the program uses, which the readers take as they stand.
ReflexConfig sample()
{
    ReflexConfig c;
    c.Normal = SimpleConfigBlock{1, 32767, 2, 3, 1500, -5};
    c.Color = ChoiceConfigBlock{1, 2100, -32768, 900, 1, 1, 12, 4, 11, {15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 0}, 5, 16};
    c.Number = ChoiceConfigBlock{1, 2200, 1200, 800, 1, 1, 3, 40, 12, {9, 8, 7, 6, 5, 4, 3, 2, 1, -1, 0}, 7, 17};
    return c;
}

ReflexConfig withRunCounts(ReflexConfig c, qint16 normal, qint16 color, qint16 number)
{
    std::tie(c.Normal.RunCount, c.Color.RunCount, c.Number.RunCount) = std::tuple(normal, color, number);
    return c;
}

QByteArray written(const ReflexConfig& c, ConfigLayout layout)
{
    return fakes::written([&](QIODevice& device) { writeConfig(device, c, layout); });
}

QList<QByteArray> linesOf(QByteArray file)
{
    return file.replace("\r\n", "\n").chopped(1).split('\n');
}

QByteArray replaced(QList<QByteArray> lines, int lineNumber, const QByteArray& by)
{
    lines[lineNumber - 1] = by;
    return joined(lines);
}

} // namespace

class TestConfigFile : public QObject {
    Q_OBJECT
private slots:
    // `into` starts zeroed with run counts 7, 8, 9.
    void read_data()
    {
        QTest::addColumn<Case>("c");
        const bool Startup = true, Dialog = false;
        const auto Ok = ConfigReadResult::Ok, Bad = ConfigReadResult::BadValue, Refused = ConfigReadResult::Invalid;
        const ReflexConfig s = sample(), start = withRunCounts(ReflexConfig::zeroed(), 7, 8, 9);
        const ReflexConfig kept = withRunCounts(s, 7, 8, 9), tens = withRunCounts(s, 10, 10, 10);
        const QList<QByteArray> full = linesOf(written(s, ConfigLayout::Full)),
                                brief = linesOf(written(s, ConfigLayout::Short));
        const ReflexConfig skipped = withRunCounts(s, 7, s.Color.RunCount, s.Number.RunCount); // full line 7 kept
        ReflexConfig stopped = start; // the values before Color.TriggerElement: full line 14, short line 13
        stopped.Normal = withRunCounts(s, 7, 0, 0).Normal;
        stopped.Color = ChoiceConfigBlock{1, 2100, -32768, 900, 1, 1, 0, 0, 0, {}, 0, 8};

        QTest::newRow("full at start-up") << Case{joined(full), Startup, Ok, s};
        QTest::newRow("short at start-up: default run counts") << Case{joined(brief), Startup, Ok, tens};
        QTest::newRow("short in the dialog") << Case{joined(brief), Dialog, Ok, kept};
        QTest::newRow("full in the dialog: its run counts ignored") << Case{joined(full), Dialog, Ok, kept};
        QTest::newRow("header without quotes")
            << Case{replaced(full, 1, "TOVANEL V1.00 Configuration file"), Startup, Ok, s};
        QTest::newRow("LF only") << Case{joined(full, "\n"), Startup, Ok, s};
        QTest::newRow("no line end after the last line") << Case{joined(full).chopped(2), Dialog, Ok, kept};
        QTest::newRow("blank lines at the end") << Case{joined(full) + "\r\n  \r\n", Startup, Ok, s};
        QTest::newRow("blanks around a value") << Case{replaced(brief, 3, " 32767 "), Dialog, Ok, kept};
        QTest::newRow("letters skipped") << Case{replaced(full, 7, "abc"), Startup, Ok, skipped};
        QTest::newRow("1.5 stops the dialog") << Case{replaced(brief, 13, "1.5"), Dialog, Bad, stopped};
        QTest::newRow("12abc stops the dialog") << Case{replaced(full, 14, "12abc"), Dialog, Bad, stopped};

        const std::pair<const char*, QByteArray> refused[] = {
            {"blank inside the quotes", replaced(full, 1, "\" TOVANEL V1.00 Configuration file\"")},
            {"other version", replaced(full, 1, "\"TOVANEL V1.01 Configuration file\"")},
            {"45 lines", joined(brief.mid(0, 45))},
            {"48 lines", joined(full.mid(0, 48))},
            {"a blank line inside makes 50", joined(full.mid(0, 9) << "" << full.mid(9))},
        };
        for (const auto& [name, data] : refused)
            for (const auto& [reader, where] : {std::pair{Startup, "at start-up"}, {Dialog, "in the dialog"}})
                QTest::addRow("%s %s", name, where) << Case{data, reader, Refused, start};
    }

    void read()
    {
        QFETCH(Case, c);
        QBuffer buffer(&c.data);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        ReflexConfig into = withRunCounts(ReflexConfig::zeroed(), 7, 8, 9);
        QCOMPARE(c.atStartup ? readStartupConfig(buffer, into) : readDialogConfig(buffer, into), c.result);
        QVERIFY(into == c.expected);
    }
};

QTEST_GUILESS_MAIN(TestConfigFile)
#include "tst_configfile.moc"
