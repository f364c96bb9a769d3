#include "app/MachineHandIn.h"
#include "shared/MachineResultStore.h"

#include <QBuffer>

namespace brevane {

void MachineHandIn::handIn(const QString& fileName, const QByteArray& bytes)
{
    inner_->handIn(fileName, bytes);
    if (sent_)
        return;
    sent_ = true;
    if (const auto [name, result] = result_(); !name.isEmpty())
        inner_->handIn(name, result);
}

std::pair<QString, QByteArray> machineResultBytes()
{
    const std::optional<MachineResult> result = loadMachineResult();
    if (!result)
        return {};
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeMachineResult(buffer, *result);
    return {handedInMachineFileName(result->host), buffer.data()};
}

} // namespace brevane
