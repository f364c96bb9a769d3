#pragma once
// The configuration record: three blocks of 16-bit integers (simple, colour, number test).
// It is read from a configuration file at start-up (ConfigFile.h), held in three copies in
// AppState (Config active, StartupConfig as loaded, EditConfig for the settings dialog), and
// read by the test windows. Copies are always of whole blocks.
// A field is named by its block and its name within the block: NormalRunCount is
// Config.Normal.RunCount, ColorElement is Config.Color.Element, NumberTriggerOn is
// Config.Number.TriggerOn.
// The record keeps each value as the file held it, so that a Save writes back what was read; the
// tests run with usable() copies of their block, which keep the limits below whatever a
// hand-edited file says.

#include "shared/Stores.h"

#include <QtGlobal>
#include <array>

namespace brevane {

inline constexpr int kMaxRunCount = kMaxRuns; // runs per series: a time row holds 20
inline constexpr int kElementCount = 10;      // choice elements 0..9 are configured and stored

struct SimpleConfigBlock {
    qint16 IntervalTiming = 0;       // 0 random, 1 fixed
    qint16 FixedTimeInterval = 2000; // ms
    qint16 TriggerOn = 1;            // 0 audio, 1 visual, 2 audio and visual
    qint16 Reserved = 1;
    qint16 MinimumTimeInterval = 1000;
    qint16 RunCount = 10;
    bool operator==(const SimpleConfigBlock&) const = default;
};

// One block serves both choice tests; ChoiceConfigBlock::colorDefaults() and
// numberDefaults() differ only in the elements.
struct ChoiceConfigBlock {
    qint16 IntervalTiming = 0;
    qint16 FixedTimeInterval = 2000;
    qint16 MinimumTimeInterval = 1000;
    qint16 DisplayTime = 1000;
    qint16 MakeSound = 0; // 0 yes, 1 no
    qint16 TriggerOn = 1; // 0 with audio, 1 without
    qint16 TriggerElement = 2;
    qint16 LastElement = 3;
    qint16 Reserved = 10;
    std::array<qint16, 11> Element{}; // entries 0..9 used and stored; 10 never used
    qint16 CurrentElement = 0;
    qint16 RunCount = 10;
    bool operator==(const ChoiceConfigBlock&) const = default;

    static ChoiceConfigBlock colorDefaults();
    static ChoiceConfigBlock numberDefaults();
};

struct ReflexConfig {
    SimpleConfigBlock Normal;
    ChoiceConfigBlock Color = ChoiceConfigBlock::colorDefaults();
    ChoiceConfigBlock Number = ChoiceConfigBlock::numberDefaults();
    bool operator==(const ReflexConfig&) const = default;

    // Every field 0, as the record is before the first load.
    static ReflexConfig zeroed();
    // The built-in defaults; entries 10 of the element arrays are taken from `keep`.
    static ReflexConfig defaults(const ReflexConfig& keep);
};

// The block with its values brought into what a series can run with: a series ends only when its
// count reaches the run count, which a time row must hold; a fixed interval fires; a minimum
// interval lies below the longest random interval `maxRandomInterval`, so the draw ends; an
// element index lies within the configured elements.
SimpleConfigBlock usable(const SimpleConfigBlock& b, int maxRandomInterval);
ChoiceConfigBlock usable(const ChoiceConfigBlock& b, int maxRandomInterval);

} // namespace brevane
