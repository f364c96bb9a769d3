#include "summary/ClassMachines.h"
#include "shared/FileRead.h"
#include "summary/ClassSummary.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <cmath>

namespace brevane::summary {

namespace {

constexpr qint64 kLargestMachineFile = qint64{64} * 1024;
const char* const kParts[] = {"screen", "sound", "mouse"};

QString lagText(const MachineLag* lag)
{
    return lag ? QString::number(lag->meanMs, 'f', 1) : QString();
}

QList<MachineResult> machinesIn(const QString& folder, QStringList& said)
{
    QList<MachineResult> found;
    for (const QFileInfo& entry :
         QDir(folder).entryInfoList({QStringLiteral("machine-*.txt")}, QDir::Files, QDir::Name)) {
        FileReadResult bytes = readWholeFile(entry.filePath(), kLargestMachineFile);
        QString why = bytes.error;
        if (bytes.ok) {
            QBuffer buffer(&bytes.bytes);
            buffer.open(QIODevice::ReadOnly);
            if (std::optional<MachineResult> r = readMachineResult(buffer, why)) {
                found << *r;
                continue;
            }
        }
        said << QStringLiteral("skipped %1: %2").arg(QDir::cleanPath(entry.filePath()), why);
    }
    return found;
}

} // namespace

QMap<QString, QList<MachineResult>> findMachines(const QStringList& files, QStringList& said)
{
    QMap<QString, QList<MachineResult>> byFolder, byFile;
    for (const QString& file : files) {
        const QString folder = QFileInfo(file).path();
        if (!byFolder.contains(folder))
            byFolder.insert(folder, machinesIn(folder, said));
        if (!byFolder.value(folder).isEmpty())
            byFile.insert(file, byFolder.value(folder));
    }
    return byFile;
}

QStringList machineColumns()
{
    return {"machine", "screen_lag_ms", "sound_lag_ms", "mouse_lag_ms"};
}

QStringList machineFields(const QList<MachineResult>& machines)
{
    QStringList hosts;
    for (const MachineResult& m : machines)
        if (!hosts.contains(m.host))
            hosts << m.host;
    QStringList fields{hosts.join(QStringLiteral("; "))};
    for (const char* part : kParts)
        fields << (hosts.size() == 1 ? lagText(machines.first().lag(QLatin1String(part))) : QString());
    return fields;
}

QString machineNotes(const ClassSummary& summary)
{
    QMap<QString, MachineResult> hosts; // the latest check of each machine
    QMap<QString, int> filesOn;
    for (auto it = summary.machines.cbegin(); it != summary.machines.cend(); ++it)
        for (const MachineResult& m : it.value()) {
            if (!hosts.contains(m.host) || hosts.value(m.host).date < m.date)
                hosts.insert(m.host, m);
            ++filesOn[m.host];
        }
    if (hosts.isEmpty())
        return {};
    QString text = QCoreApplication::translate(
        "ClassMachines",
        "The machines\n"
        "\n"
        "Each stored time includes what the machine it was measured on adds: the monitor's lag (the\n"
        "colour stimuli) or the sound output's (the tones), and the mouse's (its polling, its debounce,\n"
        "the input path). The machine check (brevane --check-machine) measured them on each machine\n"
        "below with a photodiode, a loop cable and a microphone through the sound card; a student's\n"
        "reaction time is about the stored time less the stimulus part's lag and the mouse's. Within one\n"
        "machine they do not change a difference between tests (choice minus simple), so the paired\n"
        "intervals in class.csv stand; times from machines whose lags differ are longer or shorter by\n"
        "that difference. sets.csv and students.csv end with the machine of each file and its lags.\n"
        "\n");
    double lowest = INFINITY, highest = -INFINITY;
    for (const MachineResult& m : hosts) {
        text += QCoreApplication::translate("ClassMachines", "%1 (checked %2; %3; files: %4): %5\n")
                    .arg(m.host, m.date.toUTC().date().toString(Qt::ISODate),
                         m.monitorMode.isEmpty() ? QCoreApplication::translate("ClassMachines", "mode not known")
                                                 : m.monitorMode)
                    .arg(filesOn.value(m.host))
                    .arg(machineLagsLine(m));
        const MachineLag* screen = m.lag(QStringLiteral("screen"));
        const MachineLag* mouse = m.lag(QStringLiteral("mouse"));
        if (screen && mouse) {
            lowest = std::min(lowest, screen->meanMs + mouse->meanMs);
            highest = std::max(highest, screen->meanMs + mouse->meanMs);
        }
    }
    if (highest > lowest)
        text +=
            QCoreApplication::translate(
                "ClassMachines", "Screen and mouse together add %1 to %2 ms on these machines: a visual time "
                                 "measured on\none may differ from another's by up to %3 ms from the machines alone.\n")
                .arg(lowest, 0, 'f', 1)
                .arg(highest, 0, 'f', 1)
                .arg(highest - lowest, 0, 'f', 1);
    return text;
}

} // namespace brevane::summary
