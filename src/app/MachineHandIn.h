#pragma once
// The machine check's result handed in beside a student's files: where a hand-in folder is set,
// the first file handed in each session brings the machine's kept result along, as
// machine-<host>.txt in the same student folder, so that brevane-summary knows which machine (and
// what lags) the files were measured on. Nothing goes along where no check was kept.

#include "platform/services/HandIn.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

namespace brevane {

class MachineHandIn final : public HandIn {
public:
    // `result` gives the file's name and bytes once, at the first hand-in; an empty name: none.
    using Result = std::function<std::pair<QString, QByteArray>()>;
    MachineHandIn(std::unique_ptr<HandIn> inner, Result result)
        : inner_(std::move(inner))
        , result_(std::move(result))
    {
    }
    void handIn(const QString& fileName, const QByteArray& bytes) override;
    void finish() override { inner_->finish(); }

private:
    std::unique_ptr<HandIn> inner_;
    Result result_;
    bool sent_ = false;
};

// The kept result (MachineResultStore.h) as a hand-in: its name and bytes; an empty name where
// this machine has none.
std::pair<QString, QByteArray> machineResultBytes();

} // namespace brevane
