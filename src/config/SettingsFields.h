#pragma once
// What each field and option of the settings dialog edits, and the rules of the choice tests'
// elements: the editor looks a field up here, checks a typed value against its kind and stores it
// in the block and element it names.

#include "config/SettingsEditor.h"
#include "shared/ReflexConfig.h"

namespace brevane::settings {

constexpr int kMaxTime = 32767; // the 16-bit fields
constexpr int kMaxElementNumber = 99;

enum class Kind {
    RunCount,
    FixedInterval,
    MinimumInterval,
    DisplayTime,
    ElementCount,
    TriggerElement,
    CurrentElement,
    ElementNumber,
    SetElementNumber,
    TriggerNumber,
};
enum Block { Normal = 0, Color = 1, Number = 2 };

struct FieldSpec {
    Kind kind;
    Block block;
    int index = 0; // the element of an element box
};
FieldSpec specOf(SettingsField f);

struct OptionSpec {
    Block block;
    enum { TriggerOn, IntervalTiming, MakeSound } what;
};
OptionSpec specOf(SettingsOption o);

ChoiceConfigBlock& choice(ReflexConfig& c, Block b);
const ChoiceConfigBlock& choice(const ReflexConfig& c, Block b);
qint16 intervalTiming(const ReflexConfig& c, Block b);

// The elements in use are 0..LastElement; a file may hold a LastElement beyond the ten.
int elementsInUse(const ChoiceConfigBlock& b);
bool inUse(const ChoiceConfigBlock& b, int i);
// An index a file may have put anywhere, checked before it reaches the element array.
bool inArray(const ChoiceConfigBlock& b, int i);

// Elements brought into use by a raised count keep their numbers unless another element in
// use holds the same one (or a number beyond 0..99, from a file): those get the lowest free
// number, so a non-trigger never looks like the trigger. Refusing the count instead would
// leave the user stuck, since the box of an element not in use cannot be edited.
void renumberBroughtIn(ChoiceConfigBlock& b, int wasInUse);

template <typename Config> auto& timeField(Config& c, const FieldSpec& s)
{
    if (s.block == Normal)
        return s.kind == Kind::FixedInterval ? c.Normal.FixedTimeInterval : c.Normal.MinimumTimeInterval;
    auto& b = choice(c, s.block);
    return s.kind == Kind::FixedInterval     ? b.FixedTimeInterval
           : s.kind == Kind::MinimumInterval ? b.MinimumTimeInterval
                                             : b.DisplayTime;
}

} // namespace brevane::settings
