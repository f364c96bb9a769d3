#include "fakes/Fakes.h"
#include "shared/AtomicFile.h"
#include "shared/ValueCodec.h"

#include <QDir>
#include <QTemporaryDir>

using namespace reflex;

enum Way { Refused, Read, Both }; // Both: formatting the value gives the line back
struct Coding {
    QString line;
    QVariant value;
    Way way;
};
struct Replacement {
    int size;
    bool writerSucceeds, diskFull;
    QString name;
};
Q_DECLARE_METATYPE(Coding)
Q_DECLARE_METATYPE(Replacement)

class TestSharedFiles : public QObject {
    Q_OBJECT
private slots:
    // The type of the value picks the codec; a refused line needs only a value of its type. (The
    // plain cases are in the files that the results and recovery tests write and read back.)
    void codec_data()
    {
        QTest::addColumn<Coding>("c");
        const Coding rows[] = {{"0", -0.0f, Both},
                               {"-.5", -0.5f, Both},
                               {"7", 7.0f, Both},
                               {"1E-05", 1e-5f, Both},
                               {"1.234568E+07", 12345680.0f, Both},
                               {"0.234", 0.234f, Read},
                               {"1.5e+07", 1.5e7f, Read},
                               {" +2 ", 2.0f, Read},
                               {"", 0.0f, Refused},
                               {"1.2.3", 0.0f, Refused},
                               {"1,5", 0.0f, Refused},
                               {"1E", 0.0f, Refused},
                               {"inf", 0.0f, Refused},
                               {"1E+39", 0.0f, Refused},
                               {"\"0\"", 0.0f, Refused},
                               {"-7", -7, Both},
                               {" -32768", -32768, Read},
                               {"+7", 7, Read},
                               {"32768", 0, Refused},
                               {"", 0, Refused},
                               {"\"7\"", 0, Refused},
                               {"\"\"\"n\"", "\"n", Both},
                               {"\"abc", "", Refused},
                               {"\"", "", Refused},
                               {"\"5\" high\"", "5\" high", Read},
                               {"\"x\"\"", "x\"", Read}}; // lone quotes of old files
        for (const Coding& row : rows)
            QTest::addRow("%s '%s'", row.value.typeName(), qPrintable(row.line)) << row;
    }

    void codec()
    {
        QFETCH(Coding, c);
        const auto check = [&](const auto& parsed, const auto& expected, const QString& formatted) {
            QCOMPARE(parsed, c.way == Refused ? std::nullopt : std::optional(expected));
            if (c.way == Both)
                QCOMPARE(formatted, c.line);
        };
        if (c.value.typeId() == QMetaType::Float)
            check(parseSingle(c.line), c.value.toFloat(), formatSingle(c.value.toFloat()));
        else if (c.value.typeId() == QMetaType::Int)
            check(parseInteger(c.line), qint16(c.value.toInt()), formatInteger(c.value.toInt()));
        else
            check(parseString(c.line), c.value.toString(), formatString(c.value.toString()));
    }

    // A small file fits the write buffer, so a full disk only shows at the flush.
    void replaceFileAtomically_data()
    {
        QTest::addColumn<Replacement>("c");
        QTest::newRow("written, shorter than before") << Replacement{10, true, false, "file"};
        QTest::newRow("the writer gives up") << Replacement{3000, false, false, "file"};
        QTest::newRow("disk full while writing") << Replacement{200'000, true, true, "file"};
        QTest::newRow("disk full at the flush") << Replacement{1000, true, true, "file"};
        QTest::newRow("no such directory") << Replacement{10, true, false, "missing/file"};
    }

    void replaceFileAtomically()
    {
        QFETCH(Replacement, c);
        QTemporaryDir dir;
        const QByteArray before("the earlier file\r\n"), payload(c.size, 'n');
        fakes::writeFile(dir.filePath("file"), before);
        FileWriteResult result;
        const auto replace = [&] {
            result = reflex::replaceFileAtomically(dir.filePath(c.name), [&](QIODevice& device) {
                return device.write(payload) == payload.size() && c.writerSucceeds;
            });
        };
        c.diskFull ? fakes::withDiskFull(replace) : replace();
        const bool ok = c.writerSucceeds && !c.diskFull && !c.name.contains('/');
        QCOMPARE((std::pair(result.ok, result.error.isEmpty())), std::pair(ok, ok));
        QCOMPARE(fakes::readFile(dir.filePath("file")), ok ? payload : before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"file"});
    }
};

QTEST_GUILESS_MAIN(TestSharedFiles)
#include "tst_sharedfiles.moc"
