// recover.dat through the main menu's Recover reader, into stores that hold other values, so
// that a value put into the wrong field shows.
#include "FuzzChecks.h"
#include "shared/RecoveryFile.h"

using namespace reflex;
using fuzz::require;

namespace {

void fill(SetData& sets, float base)
{
    for (int set = 1; set <= kSetCount; ++set) {
        for (int run = 1; run <= kMaxRuns; ++run)
            sets.Times[set][run] = base + set + run / 100.0f;
        sets.SetAverage[set] = sets.SetFastest[set] = sets.SetSlowest[set] = -base - set;
        sets.SetComment[set - 1] = QStringLiteral("kept %1").arg(set);
    }
}

AppState& before()
{
    static AppState state = [] {
        AppState s;
        fill(s.Simple, 100);
        fill(s.Color, 200);
        fill(s.Number, 300);
        for (int set = 1; set <= kSetCount; ++set)
            s.Color.CorrectHits[set] = s.Number.MissedHits[set] = qint16(-set);
        return s;
    }();
    return state;
}

bool stores(const AppState& a, const AppState& b)
{
    return a.Simple == b.Simple && a.Color == b.Color && a.Number == b.Number;
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
    if (readRecovery(input.device(), state)) {
        fuzz::requireRoundTrip(state, writeRecovery, readRecovery);
        return 0;
    }
    static const QByteArray wasWritten = written(before());
    require(stores(state, before()) || fuzz::changedOnlyAtReadLines(wasWritten, written(state), input.bytes()),
            "a refused recover.dat changed a value that is not the value of its line");
    // Runs 11..20 are in no file: no reading reaches them.
    for (int set = 1; set <= kSetCount; ++set)
        require(state.Simple.Times[set][kMaxRuns] == before().Simple.Times[set][kMaxRuns],
                "recover.dat reached a run beyond ten");
    return 0;
}
