#include "config/SettingsEditor.h"
#include "config/ConfigFile.h"
#include "config/MasterVolume.h"
#include "config/NumberText.h"
#include "config/SettingsFields.h"
#include "shared/AtomicFile.h"
#include "shared/FileRead.h"
#include "shared/Palette.h"

#include <QBuffer>
#include <QCoreApplication>

namespace brevane {

namespace {

using namespace settings;

void tell(Prompt& prompt, MsgIcon icon, const char* title, const QString& text)
{
    prompt.ask(Message{text, QCoreApplication::translate("SettingsEditor", title), MsgButtons::Ok, icon});
}

FileDialogRequest configDialog(const AppState& state, const char* title)
{
    return {QCoreApplication::translate("SettingsEditor", title),
            QCoreApplication::translate("SettingsEditor", "Configuration Files (*.cfg)|*.cfg"), QStringLiteral("*.cfg"),
            state.StartDirectory, QStringLiteral("cfg")};
}

} // namespace

SettingsEditor::SettingsEditor(AppState& state, const Platform& platform, Mixer& mixer)
    : state_(state)
    , platform_(platform)
    , mixer_(mixer)
{
}

void SettingsEditor::load()
{
    platform_.pointer.setBusy(false);
    ReflexConfig& e = state_.EditConfig;
    e = state_.Config;
    for (ChoiceConfigBlock* b : {&e.Color, &e.Number})
        if (b->MakeSound == 1 && b->TriggerOn == 0)
            b->MakeSound = 0;
    runCounts_[Normal] = e.Normal.RunCount;
    runCounts_[Color] = e.Color.RunCount;
    runCounts_[Number] = e.Number.RunCount;
    // The colour page keeps the element it edited last, the number page takes the saved one.
    e.Color.CurrentElement = state_.ColorEditElement;
    numberEditElement_ = e.Number.CurrentElement;
}

QString SettingsEditor::text(SettingsField field) const
{
    const FieldSpec s = specOf(field);
    const ReflexConfig& e = state_.EditConfig;
    const auto numberOf = [&e](int element) {
        return inArray(e.Number, element) ? QString::number(e.Number.Element[element]) : QString();
    };
    switch (s.kind) {
    case Kind::RunCount:
        return QString::number(runCounts_[s.block]);
    case Kind::FixedInterval:
    case Kind::MinimumInterval:
    case Kind::DisplayTime:
        return QString::number(timeField(e, s));
    case Kind::ElementCount:
        return QString::number(choice(e, s.block).LastElement + 1);
    case Kind::TriggerElement:
        return QString::number(choice(e, s.block).TriggerElement + 1);
    case Kind::CurrentElement:
        return QString::number(choice(e, s.block).CurrentElement + 1);
    case Kind::ElementNumber:
        return inUse(e.Number, s.index) ? numberOf(s.index) : QStringLiteral(" ");
    case Kind::SetElementNumber:
        return inUse(e.Number, numberEditElement_) ? numberOf(numberEditElement_) : QString();
    case Kind::TriggerNumber:
        return numberOf(e.Number.TriggerElement);
    }
    return {};
}

bool SettingsEditor::enabled(SettingsField field) const
{
    if (locked())
        return false;
    const FieldSpec s = specOf(field);
    const ReflexConfig& e = state_.EditConfig;
    switch (s.kind) {
    case Kind::FixedInterval:
        return intervalTiming(e, s.block) == 1;
    case Kind::MinimumInterval:
        return intervalTiming(e, s.block) != 1;
    case Kind::ElementNumber:
        return inUse(e.Number, s.index);
    case Kind::SetElementNumber:
        return inUse(e.Number, numberEditElement_);
    default:
        return true;
    }
}

int SettingsEditor::option(SettingsOption group) const
{
    const OptionSpec o = specOf(group);
    const ReflexConfig& e = state_.EditConfig;
    if (o.what == OptionSpec::IntervalTiming)
        return intervalTiming(e, o.block);
    if (o.block == Normal)
        return e.Normal.TriggerOn;
    const ChoiceConfigBlock& b = choice(e, o.block);
    return o.what == OptionSpec::TriggerOn ? b.TriggerOn : b.MakeSound;
}

bool SettingsEditor::optionEnabled(SettingsOption group, int index) const
{
    if (locked())
        return false;
    const OptionSpec o = specOf(group);
    if (o.block == Normal || o.what == OptionSpec::IntervalTiming)
        return true;
    const ChoiceConfigBlock& b = choice(state_.EditConfig, o.block);
    if (o.what == OptionSpec::TriggerOn)
        return index != 0 || b.MakeSound != 1; // "with audio" needs the sound on
    return index != 1 || b.TriggerOn != 0;     // "no sound" needs a silent trigger
}

QRgb SettingsEditor::swatch(int i) const
{
    const ChoiceConfigBlock& b = state_.EditConfig.Color;
    return inUse(b, i) ? paletteColour(b.Element[i]) : kUnusedSwatch;
}

QRgb SettingsEditor::triggerColourBox() const
{
    const ChoiceConfigBlock& b = state_.EditConfig.Color;
    return inArray(b, b.TriggerElement) ? paletteColour(b.Element[b.TriggerElement]) : kUnusedSwatch;
}

bool SettingsEditor::accepts(SettingsField field, int n) const
{
    const FieldSpec s = specOf(field);
    const ReflexConfig& e = state_.EditConfig;
    switch (s.kind) {
    case Kind::RunCount:
        return n >= 1 && n <= kMaxRunCount;
    case Kind::FixedInterval:
    case Kind::DisplayTime:
        return n >= 1 && n <= kMaxTime;
    case Kind::MinimumInterval:
        return n >= 1 && n <= state_.MaxRandomInterval;
    case Kind::ElementCount:
        return n >= 1 && n <= kElementCount && n >= choice(e, s.block).TriggerElement + 1;
    case Kind::TriggerElement:
    case Kind::CurrentElement:
        return n >= 1 && n <= elementsInUse(choice(e, s.block));
    case Kind::ElementNumber:
    case Kind::SetElementNumber: {
        const int element = s.kind == Kind::ElementNumber ? s.index : numberEditElement_;
        if (!inUse(e.Number, element) || n < 0 || n > kMaxElementNumber)
            return false;
        for (int other = 0; other < elementsInUse(e.Number); ++other)
            if (other != element && e.Number.Element[other] == n)
                return false;
        return true;
    }
    case Kind::TriggerNumber:
        return false;
    }
    return false;
}

void SettingsEditor::store(SettingsField field, int n)
{
    const FieldSpec s = specOf(field);
    ReflexConfig& e = state_.EditConfig;
    const auto value = qint16(n);
    switch (s.kind) {
    case Kind::RunCount:
        runCounts_[s.block] = value;
        break;
    case Kind::FixedInterval:
    case Kind::MinimumInterval:
    case Kind::DisplayTime:
        timeField(e, s) = value;
        break;
    case Kind::ElementCount: {
        const int wasInUse = elementsInUse(choice(e, s.block));
        choice(e, s.block).LastElement = qint16(n - 1);
        if (s.block == Number)
            renumberBroughtIn(e.Number, wasInUse);
        break;
    }
    case Kind::TriggerElement:
        choice(e, s.block).TriggerElement = qint16(n - 1);
        break;
    case Kind::CurrentElement:
        choice(e, s.block).CurrentElement = qint16(n - 1);
        break;
    case Kind::ElementNumber:
        e.Number.Element[s.index] = value;
        break;
    case Kind::SetElementNumber:
        e.Number.Element[numberEditElement_] = value;
        break;
    case Kind::TriggerNumber:
        break;
    }
}

bool SettingsEditor::leave(SettingsField field, const QString& typed)
{
    if (field == SettingsField::NumberTriggerNumberBox)
        return true; // display only
    const std::optional<int> n = roundedNumberIn(typed, -32768, 32767);
    const bool accepted = n && accepts(field, *n);
    if (accepted)
        store(field, *n);
    else
        platform_.beeper.beep();
    // The element editors follow their element field, accepted or not.
    if (field == SettingsField::ColorCurrentElement)
        state_.ColorEditElement = state_.EditConfig.Color.CurrentElement;
    if (field == SettingsField::NumberCurrentElement)
        numberEditElement_ = state_.EditConfig.Number.CurrentElement;
    return accepted;
}

bool SettingsEditor::runCountEdited(SettingsField, const QString& typed) const
{
    return numberValue(typed).has_value();
}

void SettingsEditor::chooseOption(SettingsOption group, int index)
{
    const OptionSpec o = specOf(group);
    ReflexConfig& e = state_.EditConfig;
    const auto i = qint16(index);
    if (o.what == OptionSpec::IntervalTiming) {
        (o.block == Normal ? e.Normal.IntervalTiming : choice(e, o.block).IntervalTiming) = i;
        return;
    }
    if (o.block == Normal) {
        e.Normal.TriggerOn = i;
        return;
    }
    ChoiceConfigBlock& b = choice(e, o.block);
    if (o.what == OptionSpec::TriggerOn) {
        b.TriggerOn = i;
        if (i == 0)
            b.MakeSound = 0;
    } else {
        b.MakeSound = i;
        if (i == 1)
            b.TriggerOn = 1;
    }
}

void SettingsEditor::pickColourOf(int element)
{
    ChoiceConfigBlock& b = state_.EditConfig.Color;
    if (!chooseColour || !inArray(b, element))
        return;
    const int chosen = chooseColour(paletteColour(b.Element[element]), b.Element[element]);
    if (chosen >= 0 && chosen < int(kPalette.size()))
        b.Element[element] = qint16(chosen);
}

void SettingsEditor::pickTriggerColour()
{
    if (!chooseColour)
        return;
    // The dialog starts on the colour element being edited, as it does for the elements.
    const ChoiceConfigBlock& b = state_.EditConfig.Color;
    const int initial = inArray(b, state_.ColorEditElement) ? b.Element[state_.ColorEditElement] : 0;
    const int chosen = chooseColour(state_.NormalTriggerColor, initial);
    if (chosen < 0 || chosen >= int(kPalette.size()))
        return; // Cancel keeps it
    // A stimulus the colour of the panel at rest cannot be seen, and its times mean nothing.
    if (paletteColour(chosen) == kSimplePanelAtRest) {
        platform_.beeper.beep();
        tell(platform_.prompt, MsgIcon::Exclamation, QT_TRANSLATE_NOOP("SettingsEditor", "Trigger Colour"),
             QCoreApplication::translate("SettingsEditor", "The trigger colour must differ from the panel's white at "
                                                           "rest, or the stimulus is invisible."));
        return;
    }
    state_.NormalTriggerColor = paletteColour(chosen); // at once
}

void SettingsEditor::pickElementColour()
{
    state_.ColorEditElement = state_.EditConfig.Color.CurrentElement;
    pickColourOf(state_.ColorEditElement);
}

void SettingsEditor::clickSwatch(int i)
{
    ChoiceConfigBlock& b = state_.EditConfig.Color;
    if (!inUse(b, i)) {
        platform_.beeper.beep();
        return;
    }
    state_.ColorEditElement = qint16(i);
    b.CurrentElement = qint16(i);
    pickColourOf(i);
}

void SettingsEditor::clickTriggerColourBox()
{
    clickSwatch(state_.EditConfig.Color.TriggerElement);
}

void SettingsEditor::applyVolume()
{
    // The slider shows VolumeSetting from the start; the device must hold it too.
    SetMasterVolume(mixer_, state_.VolumeSetting);
}

void SettingsEditor::volumeMoved(int percent)
{
    state_.VolumeSetting = qint16(percent);
    const qint32 request = state_.VolumeSetting;
    SetMasterVolume(mixer_, request); // no sound device: the slider still shows the value
}

bool SettingsEditor::refusedByLock()
{
    if (!locked())
        return false;
    platform_.prompt.ask(Message{state_.SettingsLock, QCoreApplication::translate("Settings", "Settings Locked"),
                                 MsgButtons::Ok, MsgIcon::Exclamation});
    return true;
}

bool SettingsEditor::ok()
{
    if (refusedByLock())
        return false;
    state_.Config = state_.EditConfig;
    state_.Config.Normal.RunCount = runCounts_[Normal];
    state_.Config.Color.RunCount = runCounts_[Color];
    state_.Config.Number.RunCount = runCounts_[Number];
    platform_.pointer.setBusy(false);
    return true;
}

void SettingsEditor::cancel()
{
    platform_.pointer.setBusy(false);
    state_.EditConfig = state_.Config;
}

void SettingsEditor::reset()
{
    if (refusedByLock())
        return;
    state_.Config = state_.StartupConfig;
    load();
}

void SettingsEditor::save()
{
    if (refusedByLock())
        return;
    const std::optional<QString> path =
        platform_.files.saveFile(configDialog(state_, QT_TRANSLATE_NOOP("SettingsEditor", "Save Configuration File")));
    if (!path)
        return;
    state_.Config = state_.EditConfig;
    const ReflexConfig& config = state_.Config;
    const FileWriteResult written = replaceFileAtomically(
        *path, [&config](QIODevice& device) { return writeConfig(device, config, ConfigLayout::Short); });
    if (!written.ok) // with the system's reason below, as the results windows' saves
        platform_.prompt.ask(Message{QCoreApplication::translate("SettingsEditor", "Save File Error"),
                                     QCoreApplication::translate("SettingsEditor", "Save Cancelled"), MsgButtons::Ok,
                                     MsgIcon::None, false, written.error});
}

void SettingsEditor::loadFile()
{
    if (refusedByLock())
        return;
    const std::optional<QString> path =
        platform_.files.openFile(configDialog(state_, QT_TRANSLATE_NOOP("SettingsEditor", "Load Configuration File")));
    if (!path)
        return;
    FileReadResult file = readWholeFile(*path);
    QBuffer bytes(&file.bytes);
    if (!file.ok || !bytes.open(QIODevice::ReadOnly)) {
        platform_.prompt.ask(Message{QCoreApplication::translate("SettingsEditor", "Load File Error"),
                                     QCoreApplication::translate("SettingsEditor", "Load Cancelled"), MsgButtons::Ok,
                                     MsgIcon::None, false, file.error});
        return;
    }
    // Read into a copy: a file refused half-way leaves Config as it was.
    ReflexConfig loaded = state_.Config;
    switch (readDialogConfig(bytes, loaded)) {
    case ConfigReadResult::Invalid:
        tell(platform_.prompt, MsgIcon::Critical, QT_TRANSLATE_NOOP("SettingsEditor", "Configuration File Load Error"),
             QCoreApplication::translate("SettingsEditor", "Invalid Configuration File\rNo File Loaded"));
        return;
    case ConfigReadResult::BadValue:
        tell(platform_.prompt, MsgIcon::None, QT_TRANSLATE_NOOP("SettingsEditor", "Load Cancelled"),
             QCoreApplication::translate("SettingsEditor", "Load File Error"));
        return;
    case ConfigReadResult::Ok:
        break;
    }
    state_.Config = loaded;
    load();
}

} // namespace brevane
