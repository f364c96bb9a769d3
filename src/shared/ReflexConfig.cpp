#include "shared/ReflexConfig.h"

namespace brevane {

ChoiceConfigBlock ChoiceConfigBlock::colorDefaults()
{
    ChoiceConfigBlock b;
    b.Element = {0, 1, 2, 3, 4, 5, 6, 15, 8, 9, 0};
    return b;
}

ChoiceConfigBlock ChoiceConfigBlock::numberDefaults()
{
    ChoiceConfigBlock b;
    b.Element = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0};
    return b;
}

ReflexConfig ReflexConfig::zeroed()
{
    ReflexConfig c;
    c.Normal = SimpleConfigBlock{0, 0, 0, 0, 0, 0};
    c.Color = ChoiceConfigBlock{0, 0, 0, 0, 0, 0, 0, 0, 0, {}, 0, 0};
    c.Number = c.Color;
    return c;
}

ReflexConfig ReflexConfig::defaults(const ReflexConfig& keep)
{
    ReflexConfig c;
    c.Color.Element[10] = keep.Color.Element[10];
    c.Number.Element[10] = keep.Number.Element[10];
    return c;
}

} // namespace brevane
