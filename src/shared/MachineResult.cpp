#include "shared/MachineResult.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace brevane {

namespace {

QString number(double v)
{
    return std::isnan(v) ? QString() : QString::number(v, 'f', 3);
}

double parsed(const QString& text)
{
    bool ok = false;
    const double v = text.toDouble(&ok);
    return ok ? v : NAN;
}

QString oneLine(QString text)
{
    return text.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

} // namespace

const MachineLag* MachineResult::lag(const QString& part) const
{
    for (const MachineLag& l : lags)
        if (l.part == part && l.measuredOk())
            return &l;
    return nullptr;
}

bool writeMachineResult(QIODevice& out, const MachineResult& r)
{
    QString text = QLatin1String(kMachineResultHeader) + QLatin1Char('\n');
    const std::pair<const char*, QString> keys[] = {{"host", r.host},
                                                    {"date", r.date.toUTC().toString(Qt::ISODate)},
                                                    {"monitor mode", r.monitorMode},
                                                    {"display stamps", r.displayStamps},
                                                    {"input stamps", r.inputStamps},
                                                    {"sound stamps", r.soundStamps},
                                                    {"capture stamps", r.captureStamps}};
    for (const auto& [key, value] : keys)
        text += QLatin1String(key) + QStringLiteral(": ") + oneLine(value) + QLatin1Char('\n');
    for (const MachineLag& l : r.lags)
        text += QStringList{QStringLiteral("lag: ") + l.part,
                            oneLine(l.device),
                            QString::number(l.trials),
                            QString::number(l.measured),
                            number(l.meanMs),
                            number(l.sdMs),
                            number(l.worstMs),
                            oneLine(l.refused)}
                    .join(QLatin1Char('\t')) +
                QLatin1Char('\n');
    const QByteArray bytes = text.toUtf8();
    return out.write(bytes) == bytes.size();
}

std::optional<MachineResult> readMachineResult(QIODevice& in, QString& why)
{
    if (in.readLine().trimmed() != kMachineResultHeader) {
        why = QCoreApplication::translate("MachineResult", "it is not a machine check's result");
        return std::nullopt;
    }
    MachineResult r;
    for (int line = 2; !in.atEnd(); ++line) {
        // Only the line's end goes: a part's line ends in tabs where it has no figures or reason.
        QString text = QString::fromUtf8(in.readLine());
        while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
            text.chop(1);
        const qsizetype colon = text.indexOf(QStringLiteral(": "));
        if (text.isEmpty() || colon < 0)
            continue;
        const QString key = text.left(colon), value = text.mid(colon + 2);
        if (key == QLatin1String("host"))
            r.host = value;
        else if (key == QLatin1String("date"))
            r.date = QDateTime::fromString(value, Qt::ISODate);
        else if (key == QLatin1String("monitor mode"))
            r.monitorMode = value;
        else if (key == QLatin1String("display stamps"))
            r.displayStamps = value;
        else if (key == QLatin1String("input stamps"))
            r.inputStamps = value;
        else if (key == QLatin1String("sound stamps"))
            r.soundStamps = value;
        else if (key == QLatin1String("capture stamps"))
            r.captureStamps = value;
        else if (key == QLatin1String("lag")) {
            const QStringList f = value.split(QLatin1Char('\t'));
            if (f.size() < 7) {
                why = QCoreApplication::translate("MachineResult", "line %1 is not a part's lag").arg(line);
                return std::nullopt;
            }
            r.lags << MachineLag{f[0],         f[1],         f[2].toInt(), f[3].toInt(),
                                 parsed(f[4]), parsed(f[5]), parsed(f[6]), f.value(7)};
        }
    }
    if (r.host.isEmpty()) {
        why = QCoreApplication::translate("MachineResult", "it names no machine");
        return std::nullopt;
    }
    return r;
}

QString handedInMachineFileName(const QString& host)
{
    static const QRegularExpression other(QStringLiteral("[^A-Za-z0-9._-]"));
    QString name = host;
    name.replace(other, QStringLiteral("_"));
    return QStringLiteral("machine-%1.txt").arg(name.isEmpty() ? QStringLiteral("unknown") : name);
}

QString machineLagsLine(const MachineResult& r)
{
    QStringList parts;
    for (const MachineLag& l : r.lags) {
        const QString name = l.device.isEmpty() ? l.part : QStringLiteral("%1 (%2)").arg(l.part, l.device);
        parts << (l.measuredOk() ? QCoreApplication::translate("MachineResult", "%1 %2 ms (SD %3)")
                                       .arg(name, QString::asprintf("%+.1f", l.meanMs), QString::number(l.sdMs, 'f', 1))
                                 : QCoreApplication::translate("MachineResult", "%1: not measured").arg(name));
    }
    return parts.join(QStringLiteral(", "));
}

} // namespace brevane
