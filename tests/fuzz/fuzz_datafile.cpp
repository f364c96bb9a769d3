// A .nrm or .col file (FUZZ_COL) through the results window's Load: all or nothing, and an
// accepted file then shown by the results model, whose statistics, charts and counts meet
// whatever numbers the file held.
#include "FuzzChecks.h"
#include "complex_results/ChoiceResults.h"
#include "fakes/Fakes.h"
#include "simple_results/SimpleResults.h"

using namespace reflex;
using fuzz::require;

namespace {

#ifdef FUZZ_COL
const DataFileFormat& kFormat = kColFile;
const ResultsKind& kKind = kColorResults;
#else
const DataFileFormat& kFormat = kNrmFile;
const ResultsKind& kKind = kSimpleResults;
#endif

struct Window : ResultsView {
    void render() override {}
};

void fill(AppState& s)
{
    for (ChoiceStore* store : {&s.Color, &s.Number}) {
        for (int set = 1; set <= kSetCount; ++set)
            store->CorrectHits[set] = store->MissedHits[set] = qint16(set);
    }
    for (SetData* sets : {static_cast<SetData*>(&s.Simple), static_cast<SetData*>(&s.Color)})
        for (int set = 1; set <= kSetCount; ++set) {
            for (int run = 1; run <= kMaxRuns; ++run)
                sets->Times[set][run] = set + run / 100.0f;
            sets->SetComment[set - 1] = QStringLiteral("kept");
        }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Bytes input(data, size);
    AppState state;
    fill(state);
    AppState before = state;
    StoreHalf half = kKind.half(state);
    if (!readDataFile(input.device(), kFormat, half)) {
        require(state.Simple == before.Simple && state.Color == before.Color,
                "a refused data file changed the store");
        return 0;
    }
    for (int set = 1; set <= kSetCount; ++set)
        require(half.sets.Times[set][kMaxRuns] == kKind.half(before).sets.Times[set][kMaxRuns],
                "a data file reached a run beyond ten");
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
    fakes::FakePrinting printing;
    Window window;
    ResultsModel results(kKind, state, fp.platform, printing, window);
    results.activate();
    for (int tab = 0; tab < results.tabCount(); ++tab)
        results.tabClicked(tab);
    return 0;
}
