// recover.dat through the main menu's Recover reader, into stores that hold other values, so
// that a value put into the wrong field shows.
#include "FuzzChecks.h"
#include "shared/RecoveryFile.h"

using namespace brevane;
using fuzz::require;

namespace {

const AppState& before()
{
    static const AppState state = [] {
        AppState s;
        float base = 100;
        for (SetData* sets :
             {static_cast<SetData*>(&s.Simple), static_cast<SetData*>(&s.Color), static_cast<SetData*>(&s.Number)})
            for (int set = 1; set <= kSetCount; ++set, base += 1) {
                for (int run = 1; run <= kMaxRuns; ++run)
                    sets->Times[set][run] = base + run / 100.0f;
                sets->SetAverage[set] = sets->SetFastest[set] = sets->SetSlowest[set] = -base;
                sets->SetComment[set - 1] = QStringLiteral("kept %1").arg(set);
                s.Color.CorrectHits[set] = s.Number.MissedHits[set] = qint16(-set);
            }
        return s;
    }();
    return state;
}

QByteArray written(const AppState& s)
{
    return fuzz::written([&](QIODevice& d) { return writeRecovery(d, s); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Bytes input(data, size);
    AppState state = before();
    if (readRecovery(input, state))
        return fuzz::requireRoundTrip(state, writeRecovery, readRecovery), 0;
    static const QByteArray wasWritten = written(before());
    require(fuzz::changedOnlyAtReadLines(wasWritten, written(state), input.data),
            "a refused recover.dat changed a value that is not the value of its line");
    for (int set = 1; set <= kSetCount; ++set) // runs 11..20 are in no file
        require(state.Simple.Times[set][kMaxRuns] == before().Simple.Times[set][kMaxRuns],
                "recover.dat reached run 20");
    return 0;
}
