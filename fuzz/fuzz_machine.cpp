// The machine check's result, as brevane-summary reads it from a student's folder: any bytes are
// refused with a reason or accepted, and an accepted result written back and read again writes
// the same bytes.
#include "FuzzChecks.h"
#include "shared/MachineResult.h"

using namespace brevane;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Bytes input(data, size);
    QString why;
    const std::optional<MachineResult> read = readMachineResult(input, why);
    require(read.has_value() == why.isEmpty(), "a refused result gives no reason, or an accepted one does");
    if (read)
        fuzz::requireRoundTrip(
            *read, [](QIODevice& d, const MachineResult& r) { return writeMachineResult(d, r); },
            [](QIODevice& d, MachineResult& r) {
                QString reason;
                std::optional<MachineResult> again = readMachineResult(d, reason);
                if (again)
                    r = *again;
                return again.has_value();
            });
    return 0;
}
