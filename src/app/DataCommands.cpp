#include "app/DataCommands.h"

namespace reflex {

namespace {

void clearSets(SetData& data)
{
    for (int set = 1; set <= kSetCount; ++set) {
        for (int run = 1; run <= kStoredRuns; ++run)
            data.Times[set][run] = 0.0f;
        data.SetAverage[set] = 0.0f;
        data.SetFastest[set] = 0.0f;
        data.SetSlowest[set] = 0.0f;
        data.SetComment[set - 1] = QString(); // empty, unlike Clear Set's single blank
    }
}

void clearCounts(ChoiceStore& store)
{
    for (int set = 1; set <= kSetCount; ++set) {
        store.CorrectHits[set] = 0;
        store.CorrectMisses[set] = 0;
        store.InCorrectHits[set] = 0;
        store.MissedHits[set] = 0;
    }
}

} // namespace

bool clearAllData(AppState& state, Prompt& prompt)
{
    const Message question{QStringLiteral("Are you sure you want to DELETE ALL DATA ?"),
                           QStringLiteral("Delete All Data"), MsgButtons::YesNo,
                           MsgIcon::Critical, true};
    if (prompt.ask(question) != MsgAnswer::Yes)
        return false;
    clearSets(state.Simple);
    clearSets(state.Color);
    clearSets(state.Number);
    clearCounts(state.Color);
    clearCounts(state.Number);
    return true;
}

} // namespace reflex
