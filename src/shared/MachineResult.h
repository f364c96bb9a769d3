#pragma once
// The machine check's result (brevane --check-machine): what this PC adds to every time a student
// measures on it, per part: the monitor's lag (a photodiode on the patch against the stimulus
// stamps), the sound output's (the output looped to the input against the tone stamps), and each
// mouse's (its click against the press stamps), with the machine's name, the date, the monitor's
// mode and where each stamp came from.
//
// Where it is kept: the machine check writes it to the user's Brevane settings folder
// (~/.config/Brevane/machine-check.txt); a copy in /etc/xdg/Brevane/machine-check.txt holds for
// every user of the machine (the user's own wins). The about box and the timing check show it. Where a
// hand-in folder is set, the program hands it in with the first file a student hands in each
// session, as machine-<host>.txt beside that student's files; brevane-summary reads every
// machine-*.txt in the folder of a student's file as the machine(s) the file was measured on.
//
// The file: the line "Brevane machine check", then "key: value" lines; each part is one line
// "lag:" with tab-separated fields part, device, trials, measured, mean, SD, worst (ms) and the
// reason it was refused (empty when measured). Unknown keys are skipped, so a later program's
// file reads.

#include <QDateTime>
#include <QIODevice>
#include <QList>
#include <QString>
#include <cmath>
#include <optional>

namespace brevane {

inline constexpr char kMachineResultHeader[] = "Brevane machine check";
inline constexpr char kMachineResultFileName[] = "machine-check.txt";

struct MachineLag {
    QString part;   // "screen", "sound" or "mouse"
    QString device; // the mouse's name; empty for the others
    int trials = 0, measured = 0;
    double meanMs = NAN, sdMs = NAN, worstMs = NAN;
    QString refused; // why there is no figure; empty when measured
    bool measuredOk() const { return refused.isEmpty() && measured > 0; }
};

struct MachineResult {
    QString host;
    QDateTime date; // UTC
    QString monitorMode;
    QString displayStamps, inputStamps, soundStamps, captureStamps;
    QList<MachineLag> lags;
    // The first measured lag of `part` (any mouse for "mouse"); nullptr where none.
    const MachineLag* lag(const QString& part) const;
};

bool writeMachineResult(QIODevice& out, const MachineResult& result);
// Nothing, with the reason, where the bytes are not a machine check's result.
std::optional<MachineResult> readMachineResult(QIODevice& in, QString& why);

// "machine-<host>.txt", the host's name kept to letters, digits, '.', '-' and '_'.
QString handedInMachineFileName(const QString& host);

// The parts in one line: "screen +24.3 ms (SD 1.2), sound +11.0 ms (SD 0.1), mouse +5.1 ms (SD 2.3)";
// a refused part as "screen: not measured".
QString machineLagsLine(const MachineResult& result);

} // namespace brevane
