#include "fakes/Fakes.h"
#include "shared/ValueCodec.h"

using namespace brevane;

enum Way { Refused, Read, Both }; // Both: formatting the value gives the line back
struct Coding {
    QString line;
    QVariant value;
    Way way;
};

class TestValueCodec : public QObject {
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
};

QTEST_GUILESS_MAIN(TestValueCodec)
#include "tst_valuecodec.moc"
