// A .nrm or (FUZZ_COL) .col file through the results window's Load: all or nothing; an accepted
// file is then shown by the results model, whose statistics, charts and counts meet whatever
// numbers the file held.
#include "FuzzChecks.h"
#include "complex_results/ChoiceResults.h"
#include "fakes/Fakes.h"
#include "simple_results/SimpleResults.h"

using namespace brevane;
using fuzz::require;

#ifdef FUZZ_COL
const DataFileFormat& kFormat = kColFile;
const ResultsKind& kKind = kColorResults;
#else
const DataFileFormat& kFormat = kNrmFile;
const ResultsKind& kKind = kSimpleResults;
#endif

struct Window final : ResultsView {
    void render() override { }
};

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Bytes input(data, size);
    AppState state; // other values in the half read into, so that a change shows
    StoreHalf half = kKind.half(state);
    for (int set = 1; set <= kSetCount; ++set) {
        std::fill(half.sets.Times[set].begin(), half.sets.Times[set].end(), float(set));
        half.sets.SetComment[set - 1] = QStringLiteral("kept");
        state.Color.CorrectHits[set] = qint16(set);
    }
    const AppState before = state;
    if (!readDataFile(input, kFormat, half))
        return require(state.Simple == before.Simple && state.Color == before.Color,
                       "a refused data file changed the store"),
               0;
    require(half.sets.Times[kSetCount][kMaxRuns] == float(kSetCount), "a data file reached run 20");
    fuzz::requireRoundTrip(
        state,
        [](QIODevice& d, const AppState& s) {
            AppState copy = s; // a store half is a view that could write
            return writeDataFile(d, kFormat, kKind.half(copy));
        },
        [](QIODevice& d, AppState& s) {
            StoreHalf into = kKind.half(s);
            return readDataFile(d, kFormat, into);
        });

    // Load refreshes the window: statistics into the store, every tab's cells and charts.
    fakes::FakePlatform fp;
    Window window;
    ResultsModel results(kKind, state, fp.platform, window);
    results.activate();
    for (int tab = 0; tab < results.tabCount(); ++tab)
        results.tabClicked(tab);
    return 0;
}
