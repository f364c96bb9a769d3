#include "shared/ReflexConfig.h"

#include <algorithm>

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

SimpleConfigBlock usable(const SimpleConfigBlock& b, int maxRandomInterval)
{
    SimpleConfigBlock u = b;
    u.FixedTimeInterval = std::max<qint16>(1, b.FixedTimeInterval);
    // The simple test compares the rounded draw, which reaches the maximum.
    u.MinimumTimeInterval = qint16(std::clamp<int>(b.MinimumTimeInterval, 1, maxRandomInterval));
    u.RunCount = std::clamp<qint16>(b.RunCount, 1, kMaxRunCount);
    return u;
}

// (Display times and fixed intervals need no limit: timers are armed for at least 1 ms.)
ChoiceConfigBlock usable(const ChoiceConfigBlock& b, int maxRandomInterval)
{
    ChoiceConfigBlock u = b;
    u.LastElement = std::clamp<qint16>(b.LastElement, 0, kElementCount - 1);
    u.TriggerElement = std::clamp<qint16>(b.TriggerElement, 0, kElementCount - 1);
    // A draw after a timeout compares the unrounded value, which stays below the maximum.
    u.MinimumTimeInterval = qint16(std::clamp<int>(b.MinimumTimeInterval, 1, maxRandomInterval - 1));
    u.RunCount = std::clamp<qint16>(b.RunCount, 1, kMaxRunCount);
    return u;
}

} // namespace brevane
