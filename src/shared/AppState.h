#pragma once
// The shared folder is the bottom of the program: what every module uses and nothing of a
// module's own. Data flows through it like this: the start-up sequence loads the configuration
// into AppState; test engines write runs into its stores; results windows read the stores,
// compute Statistics.h and write them back; recover.dat and the data files serialise the stores
// through SetBlocks.h and ValueCodec.h, the CSV export writes them out through ResultsCsv.h, and
// every file is written through AtomicFile.h.
//
// The state every window shares: the configuration in its three copies, the data of the
// three tests and the cursors that walk them. One object, made in main() and handed by
// reference to the windows and logic classes that need it; nothing else is global.
// Store fields keep their names with the test as the member: SimpleTimes is Simple.Times,
// ColorCorrectHits is Color.CorrectHits, NumberSetComment is Number.SetComment.

#include "shared/ReflexConfig.h"
#include "shared/Stores.h"

#include <QRgb>
#include <QString>
#include <array>
#include <cmath>

namespace brevane {

// Stimulus kinds of the simple test, the values of NormalTriggerOn.
enum TriggerKind : qint16 { AudioTrigger = 0, VisualTrigger = 1, AudioVisualTrigger = 2 };

// Which tests hold data that no data file has taken since: a confirmed Start sets its test's
// flag, saving that test's results clears it. Exit warns while any is set, so saving one
// test's file does not hide another's unsaved series.
struct UnsavedData {
    bool Simple = false;
    bool Color = false;
    bool Number = false;
    bool any() const { return Simple || Color || Number; }
};

struct AppState {
    // configuration
    ReflexConfig Config = ReflexConfig::zeroed();
    ReflexConfig StartupConfig = ReflexConfig::zeroed();
    ReflexConfig EditConfig = ReflexConfig::zeroed();

    // collected data
    SimpleStore Simple;
    ChoiceStore Color;
    ChoiceStore Number;

    // cursors and flags
    qint16 CurrentSet = 1; // 1..10, shared by every test and results window
    qint16 CurrentRun = 0; // runs (or triggers) of the series being collected
    qint16 SimpleRunsPerSet = 10;
    qint16 ColorRunsPerSet = 10;
    qint16 NumberRunsPerSet = 10;
    qint16 NonTriggerCount = 0;
    UnsavedData DataNotSaved;

    // constants set at start-up
    qint16 SetCount = kSetCount;
    float TimeScale = 1000.0f;       // milliseconds per second
    qint16 MaxRandomInterval = 3000; // ms, upper bound of every random interval

    // start-up globals
    qint32 ScreenWidth = 0;  // twips
    qint32 ScreenHeight = 0; // twips
    double TwipsPerPixelX = 15.0;
    double TwipsPerPixelY = 15.0;
    QString StartDirectory;
    bool StartupDone = false;
    qint16 VolumeSetting = 75;
    QRgb NormalTriggerColor = qRgb(192, 0, 0);
    qint16 ColorEditElement = 0;
    bool ShowSpeaker = false;
    std::array<qint16, 16> ColorPalette{};
    // Where Config came from at start-up, in words for the about box.
    QString ConfigurationInUse;
    // Where the lab locks the settings (shared/LabSettings.h), the sentence the settings dialog
    // refuses every change with; empty where they may be changed.
    QString SettingsLock;

    // The flag of the test whose sets `store` is (the engines and results windows know their
    // store, not their test).
    // (TestList.cpp).
    bool& dataNotSaved(const SetData& store);

    // Twips of the window designs to the screen's pixels.
    int pixelsX(long twips) const { return int(std::lround(twips / TwipsPerPixelX)); }
    int pixelsY(long twips) const { return int(std::lround(twips / TwipsPerPixelY)); }
};

} // namespace brevane
