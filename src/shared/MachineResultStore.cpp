#include "shared/MachineResultStore.h"
#include "shared/FileRead.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace brevane {

namespace {
const QString kRelative = QStringLiteral("Brevane/") + QLatin1String(kMachineResultFileName);
}

QString userMachineResultPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)).filePath(kRelative);
}

std::optional<MachineResult> loadMachineResult(QString* path)
{
    for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        const QString file = QDir(folder).filePath(kRelative);
        FileReadResult bytes = readWholeFile(file, 1 << 20);
        if (!bytes.ok)
            continue;
        QBuffer buffer(&bytes.bytes);
        buffer.open(QIODevice::ReadOnly);
        QString why;
        if (std::optional<MachineResult> r = readMachineResult(buffer, why)) {
            if (path)
                *path = file;
            return r;
        }
    }
    return std::nullopt;
}

QString machineCheckLine(const std::optional<MachineResult>& result)
{
    if (!result)
        return QCoreApplication::translate("MachineResult",
                                           "Machine check: not done on this machine (brevane --check-machine)");
    return QCoreApplication::translate("MachineResult", "Machine check (%1, %2): %3")
        .arg(result->host, result->date.toUTC().date().toString(Qt::ISODate), machineLagsLine(*result));
}

} // namespace brevane
