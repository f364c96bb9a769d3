#pragma once
// Where the machine check's result is kept on this machine (MachineResult.h says what it holds):
// the user's Brevane settings folder first, then the system's ($XDG_CONFIG_DIRS, /etc/xdg), the way
// Brevane.conf is looked up.

#include "shared/MachineResult.h"

#include <QString>
#include <optional>

namespace brevane {

// The user's own: <XDG config home>/Brevane/machine-check.txt, where the check saves.
QString userMachineResultPath();
// The first of the user's and the system's files that reads, with its path; nothing where none
// does (no check was done on this machine).
std::optional<MachineResult> loadMachineResult(QString* path = nullptr);
// The result in one line for the about box and the timing check: "Machine check (pc-03,
// 2026-12-09): screen +24.3 ms (SD 1.2), ..."; "Machine check: not done on this machine
// (brevane --check-machine)" where there is none.
QString machineCheckLine(const std::optional<MachineResult>& result);

} // namespace brevane
