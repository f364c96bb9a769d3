#include "config/SettingsFields.h"

namespace brevane::settings {

FieldSpec specOf(SettingsField f)
{
    using F = SettingsField;
    switch (f) {
    case F::NormRunCount:
        return {Kind::RunCount, Normal};
    case F::NormalFixedTimeInterval:
        return {Kind::FixedInterval, Normal};
    case F::NormalMinimumTimeInterval:
        return {Kind::MinimumInterval, Normal};
    case F::ColorRunCount:
        return {Kind::RunCount, Color};
    case F::ColorFixedTimeInterval:
        return {Kind::FixedInterval, Color};
    case F::ColorMinimumTimeInterval:
        return {Kind::MinimumInterval, Color};
    case F::ColorDisplayTime:
        return {Kind::DisplayTime, Color};
    case F::ColorElementCount:
        return {Kind::ElementCount, Color};
    case F::ColorTriggerElement:
        return {Kind::TriggerElement, Color};
    case F::ColorCurrentElement:
        return {Kind::CurrentElement, Color};
    case F::NumberRunCount:
        return {Kind::RunCount, Number};
    case F::NumberFixedTimeInterval:
        return {Kind::FixedInterval, Number};
    case F::NumberMinimumTimeInterval:
        return {Kind::MinimumInterval, Number};
    case F::NumberDisplayTime:
        return {Kind::DisplayTime, Number};
    case F::NumberElementCount:
        return {Kind::ElementCount, Number};
    case F::NumberTriggerElement:
        return {Kind::TriggerElement, Number};
    case F::NumberCurrentElement:
        return {Kind::CurrentElement, Number};
    case F::NumberSetElementNumberBox:
        return {Kind::SetElementNumber, Number};
    case F::NumberTriggerNumberBox:
        return {Kind::TriggerNumber, Number};
    default:
        return {Kind::ElementNumber, Number, int(f) - int(F::ElementBox0)};
    }
}

ChoiceConfigBlock& choice(ReflexConfig& c, Block b)
{
    return b == Color ? c.Color : c.Number;
}
const ChoiceConfigBlock& choice(const ReflexConfig& c, Block b)
{
    return b == Color ? c.Color : c.Number;
}

int elementsInUse(const ChoiceConfigBlock& b)
{
    return qBound(0, b.LastElement + 1, kElementCount);
}
bool inUse(const ChoiceConfigBlock& b, int i)
{
    return i >= 0 && i < elementsInUse(b);
}
bool inArray(const ChoiceConfigBlock& b, int i)
{
    return i >= 0 && i < int(b.Element.size());
}

void renumberBroughtIn(ChoiceConfigBlock& b, int wasInUse)
{
    const int count = elementsInUse(b);
    const auto heldByOther = [&](int i, int number) {
        for (int j = 0; j < count; ++j)
            if (j != i && b.Element[j] == number)
                return true;
        return false;
    };
    for (int i = wasInUse; i < count; ++i) {
        bool clash = b.Element[i] < 0 || b.Element[i] > kMaxElementNumber;
        for (int j = 0; j < i && !clash; ++j)
            clash = b.Element[j] == b.Element[i];
        for (int number = 0; clash && number <= kMaxElementNumber; ++number)
            if (!heldByOther(i, number)) {
                b.Element[i] = qint16(number);
                clash = false;
            }
    }
}

OptionSpec specOf(SettingsOption o)
{
    using O = SettingsOption;
    switch (o) {
    case O::NormalTriggerOn:
        return {Normal, OptionSpec::TriggerOn};
    case O::NormalIntervalTiming:
        return {Normal, OptionSpec::IntervalTiming};
    case O::ColorTriggerOn:
        return {Color, OptionSpec::TriggerOn};
    case O::ColorIntervalTiming:
        return {Color, OptionSpec::IntervalTiming};
    case O::ColorMakeSound:
        return {Color, OptionSpec::MakeSound};
    case O::NumberTriggerOn:
        return {Number, OptionSpec::TriggerOn};
    case O::NumberIntervalTiming:
        return {Number, OptionSpec::IntervalTiming};
    case O::NumberMakeSound:
        break;
    }
    return {Number, OptionSpec::MakeSound};
}

qint16 intervalTiming(const ReflexConfig& c, Block b)
{
    return b == Normal ? c.Normal.IntervalTiming : choice(c, b).IntervalTiming;
}

} // namespace brevane::settings
