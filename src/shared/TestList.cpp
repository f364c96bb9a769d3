#include "shared/TestList.h"

#include <QtGlobal>

namespace brevane {

const TestDescriptor kSimpleTest{"simple",
                                 kNrmFile,
                                 [](const AppState& s) -> const SetData& { return s.Simple; },
                                 [](const AppState&) -> const OutcomeCounts* { return nullptr; },
                                 &UnsavedData::Simple,
                                 true,
                                 &AppState::SimpleRunsPerSet,
                                 nullptr,
                                 0,
                                 QT_TRANSLATE_NOOP("frmMain", "Simple")};
const TestDescriptor kColorTest{"colour",
                                kColFile,
                                [](const AppState& s) -> const SetData& { return s.Color; },
                                [](const AppState& s) -> const OutcomeCounts* { return &s.Color; },
                                &UnsavedData::Color,
                                true,
                                &AppState::ColorRunsPerSet,
                                &ReflexConfig::Color,
                                1,
                                QT_TRANSLATE_NOOP("frmMain", "Color/Audio")};
const TestDescriptor kNumberTest{"number",
                                 kColFile,
                                 [](const AppState& s) -> const SetData& { return s.Number; },
                                 [](const AppState& s) -> const OutcomeCounts* { return &s.Number; },
                                 &UnsavedData::Number,
                                 true,
                                 &AppState::NumberRunsPerSet,
                                 &ReflexConfig::Number,
                                 2,
                                 QT_TRANSLATE_NOOP("frmMain", "Num/Audio")};

const std::array<const TestDescriptor*, kTestCount>& testList()
{
    static const std::array<const TestDescriptor*, kTestCount> tests{&kSimpleTest, &kColorTest, &kNumberTest};
    return tests;
}

bool& AppState::dataNotSaved(const SetData& store)
{
    for (const TestDescriptor* test : testList())
        if (&test->sets(*this) == &store)
            return DataNotSaved.*test->unsaved;
    return DataNotSaved.Simple;
}

} // namespace brevane
