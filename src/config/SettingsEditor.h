#pragma once
// The settings dialog without its controls. Every edit goes to EditConfig; Config changes
// only through OK, Save, Load and Reset. A numeric field is checked when it is left: an
// accepted entry is stored, a refused one brings the field's previous value back with a beep.
// The run counts are the exception: they live in their fields until OK takes them.
//
// What each field accepts (n is the entry rounded, halves to even):
//   runs per set                  1..20
//   fixed interval, display time  1..32767 ms
//   minimum interval              1..MaxRandomInterval (3000 ms, the top of every random interval)
//   elements in set               1..10 and at least the trigger element
//   trigger element, element      1..elements in set
//   an element's number           0..99 and held by no other element in use
//
// Raising the number test's element count renumbers an element brought in whose number is
// already in use (the lowest free one), and the simple test's trigger colour may not be the
// panel's colour at rest.
//
// The sound options of a choice test keep two rules: a trigger with audio goes with sound on,
// and sound off goes with a silent trigger. The option that would break one is disabled.
//
// The view reads the texts, colours and option states back after every call.
//
// Where the lab locks the settings (AppState::SettingsLock), the dialog shows the configuration
// and changes nothing: every field, option and colour is disabled, and OK, Save, Load and Reset
// say the lock's sentence and do nothing else. Cancel closes the dialog; the volume, which no
// configuration holds, stays the student's.

#include "platform/Platform.h"
#include "shared/AppState.h"

#include <QRgb>
#include <QString>
#include <functional>

namespace brevane {

class Mixer;

// The text fields of the three pages, named after their controls.
enum class SettingsField {
    NormRunCount,
    NormalFixedTimeInterval,
    NormalMinimumTimeInterval,
    ColorRunCount,
    ColorFixedTimeInterval,
    ColorMinimumTimeInterval,
    ColorDisplayTime,
    ColorElementCount,
    ColorTriggerElement,
    ColorCurrentElement,
    NumberRunCount,
    NumberFixedTimeInterval,
    NumberMinimumTimeInterval,
    NumberDisplayTime,
    NumberElementCount,
    NumberTriggerElement,
    NumberCurrentElement,
    NumberSetElementNumberBox, // the number of the element shown in txtNumberCurrentElement
    NumberTriggerNumberBox,    // display only
    ElementBox0,               // txtElementBox(i) is ElementBox0 + i, i = 0..9
};
inline constexpr int kElementBoxes = 10;
constexpr SettingsField elementBox(int i)
{
    return SettingsField(int(SettingsField::ElementBox0) + i);
}

// The option groups; the index of a button is the value stored in the field.
enum class SettingsOption {
    NormalTriggerOn,
    NormalIntervalTiming,
    ColorTriggerOn,
    ColorIntervalTiming,
    ColorMakeSound,
    NumberTriggerOn,
    NumberIntervalTiming,
    NumberMakeSound,
};

// The grey of a colour swatch whose element is not in use.
inline constexpr QRgb kUnusedSwatch = qRgb(192, 192, 192);

class SettingsEditor {
public:
    SettingsEditor(AppState& state, const Platform& platform, Mixer& mixer);

    // The colour selection dialog: shows `current`, starts on palette number `initial`, and
    // returns the number chosen or -1 when it was cancelled.
    std::function<int(QRgb current, int initial)> chooseColour;

    // The load handler: EditConfig = Config and every field filled from it.
    void load();

    // --- what the view shows
    QString text(SettingsField field) const;
    bool enabled(SettingsField field) const; // an interval field follows its option; the
                                             // element boxes follow the element count; none
                                             // where the settings are locked
    int option(SettingsOption group) const;  // the selected index (may be none of the buttons)
    bool optionEnabled(SettingsOption group, int index) const;
    QRgb swatch(int i) const; // pnlColorSwatch(i)
    QRgb triggerColourBox() const;
    QRgb normalTriggerColour() const { return state_.NormalTriggerColor; }
    int volume() const { return state_.VolumeSetting; }
    bool locked() const { return !state_.SettingsLock.isEmpty(); }

    // --- what the user does
    // A field left with `typed` in it; false (after a beep) when the entry was refused.
    bool leave(SettingsField field, const QString& typed);
    // A run-count field changed; false when its text is no number and must be put back.
    bool runCountEdited(SettingsField field, const QString& typed) const;
    void chooseOption(SettingsOption group, int index);
    void pickTriggerColour();      // pnlTriggerColor
    void pickElementColour();      // cmdColorSelect
    void clickSwatch(int i);       // pnlColorSwatch(i)
    void clickTriggerColourBox();  // txtColorTriggerColorBox
    void volumeMoved(int percent); // VolSlider
    // Sends VolumeSetting to the sound system, as when the slider was moved there (made once
    // at start-up, so that the 75 the slider first shows is what plays).
    void applyVolume();

    // --- the command buttons; OK (when it is not refused) and Cancel are followed by the dialog
    // closing
    bool ok();
    void cancel();
    void reset();
    void save();
    void loadFile();

private:
    bool accepts(SettingsField field, int n) const;
    void store(SettingsField field, int n);
    void pickColourOf(int element);
    // True, after the lock's sentence, where the settings are locked.
    bool refusedByLock();

    AppState& state_;
    const Platform& platform_;
    Mixer& mixer_;
    qint16 runCounts_[3] = {10, 10, 10}; // normal, colour, number: accepted, not yet in Config
    qint16 numberEditElement_ = 0;
};

} // namespace brevane
