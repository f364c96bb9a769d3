#include "shared/ResultsCsv.h"

#include <QIODevice>
#include <QRegularExpression>
#include <cmath>

namespace brevane {

int wholeMilliseconds(float seconds)
{
    // Through double: 0.234f is 233.99999... ms in single precision arithmetic.
    return int(std::lround(double(seconds) * 1000.0));
}

bool takeMissedHit(float seconds, int& missedLeft)
{
    if (missedLeft <= 0 || wholeMilliseconds(seconds) != 1000)
        return false;
    --missedLeft;
    return true;
}

QString csvField(const QString& field)
{
    // A spreadsheet runs a cell that starts with one of these as a formula (a tab or CR as the
    // start of one): text gets the usual single-quote prefix. A number stays a number.
    static const QRegularExpression plainNumber(QStringLiteral(R"(^-?[0-9]+(\.[0-9]+)?$)"));
    const bool formula =
        !field.isEmpty() && QStringView(u"=+-@\t\r").contains(field.front()) && !plainNumber.match(field).hasMatch();
    QString value = formula ? u'\'' + field : field;
    if (!value.contains(u',') && !value.contains(u'"') && !value.contains(u'\r') && !value.contains(u'\n'))
        return value;
    QString quoted = value;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return u'"' + quoted + u'"';
}

QByteArray csvRecord(const QStringList& fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString& f : fields)
        quoted << csvField(f);
    return quoted.join(u',').toUtf8() + "\r\n";
}

bool writeResultsCsv(QIODevice& out, const QString& test, const StoreHalf& half)
{
    QByteArray bytes = csvRecord({"test", "set", "run", "rt_ms", "outcome", "comment"});
    for (int set = 1; set <= kSetCount; ++set) {
        int missed = half.counts ? half.counts->MissedHits[set] : 0;
        for (int run = 1; run <= kStoredRuns; ++run) {
            const float t = half.sets.Times[set][run];
            if (!(t > 0))
                continue; // an empty slot is no run
            const QString outcome = !half.counts               ? QString()
                                    : takeMissedHit(t, missed) ? QStringLiteral("missed hit")
                                                               : QStringLiteral("correct hit");
            bytes += csvRecord({test, QString::number(set), QString::number(run), QString::number(wholeMilliseconds(t)),
                                outcome, half.sets.SetComment[set - 1]});
        }
    }
    return out.write(bytes) == bytes.size();
}

} // namespace brevane
