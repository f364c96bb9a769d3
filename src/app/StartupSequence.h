#pragma once
// The start-up load sequence, free of widgets: screen check, choosing and reading the
// configuration file (with the fall-backs to the default file Reflex.cfg), zeroing the
// stores and preloading the windows while the splash's progress bar advances. The splash
// window implements SplashView and runs it; tests drive it with a fake view and real files
// in a temporary directory.
// Where the lab names a class configuration (shared/LabSettings.h) it is read in place of
// Reflex.cfg, with the same checks; one that cannot be read is said once, and Reflex.cfg is
// read as ever. Where the lab locks the settings, a file named on the command line is not read.

#include "platform/Platform.h"
#include "shared/AppState.h"
#include "shared/LabSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace brevane {

class SplashView {
public:
    virtual ~SplashView() = default;
    virtual void setProgress(int value) = 0;         // ProgressBar1, 0..100
    virtual void setStatus(const QString& text) = 0; // pnlStatus caption
};

// The windows the sequence preloads (their load handlers run once here): the settings dialog's,
// then one per test in the menu's order.
struct StartupLoaders {
    std::function<void()> settingsDialog;
    std::vector<std::function<void()>> tests;
};

enum class StartupOutcome { ShowMainMenu, Terminate };

class StartupSequence {
    Q_DECLARE_TR_FUNCTIONS(StartupSequence)

public:
    // `directory` is where Reflex.cfg lives (the current directory in the program).
    StartupSequence(AppState& state, Prompt& prompt, Pointer& pointer, SplashView& view, const QDir& directory);

    // The start-up window's load: screen metrics, StartDirectory and the first globals.
    void initialiseGlobals(const ScreenMetrics& screen);

    // What the lab's settings ask of this session; without it, none.
    void setLab(LabSession lab) { lab_ = std::move(lab); }

    // LoadConfiguration: Terminate after the screen check refused the screen, else
    // ShowMainMenu once Config and StartupConfig hold the loaded configuration.
    // `commandLine` is the whole argument string ("" when none was given).
    StartupOutcome loadConfiguration(const QString& commandLine, const StartupLoaders& loaders);

private:
    enum class FileCheck { Missing, Invalid, Valid };

    // Reads `path` with the start-up reader into `into`; Missing when there is no such file,
    // Invalid when it cannot be read or is refused by the reader, with the reason in `why`
    // (refusal_ then says why when the file itself was refused: a folder, a huge file).
    FileCheck readFile(const QString& path, ReflexConfig& into, QString* why = nullptr);
    // The configuration of the accepted file, or nothing when no file could be read (Config
    // then holds the defaults).
    std::optional<ReflexConfig> readConfiguration(const QString& commandLine);
    std::optional<ReflexConfig> readNamedFile(const QString& name);
    std::optional<ReflexConfig> readDefaultFile();
    std::optional<ReflexConfig> readClassFile();
    // The lab's word before the file is chosen: an --unlock refused, a named file not read.
    // Returns the configuration file still to read of those named on the command line.
    QString labNotices(const QString& commandLine);
    void tellLab(const QString& title, const QString& text);
    bool keepRefusedFile(const QString& path) const;
    void show(MsgIcon icon, const QString& title, const QString& line1, const QString& line2, const QString& line3 = {},
              const QString& detail = {});
    void clearStores();

    AppState& state_;
    Prompt& prompt_;
    Pointer& pointer_;
    SplashView& view_;
    QDir dir_;
    QString refusal_;
    LabSession lab_;
};

} // namespace brevane
