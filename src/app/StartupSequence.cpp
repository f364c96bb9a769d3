#include "app/StartupSequence.h"

#include "config/ConfigFile.h"
#include "shared/FileRead.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>

namespace brevane {

namespace {

void runLoader(const std::function<void()>& loader)
{
    if (loader)
        loader();
}

// A configuration file that could not be used is also told on standard error, where a
// teacher starting the program from a terminal or a script finds it after the box is gone.
void warn(const QString& text)
{
    std::fprintf(stderr, "brevane: %s\n", qPrintable(text));
}

} // namespace

StartupSequence::StartupSequence(AppState& state, Prompt& prompt, Pointer& pointer, SplashView& view,
                                 const QDir& directory)
    : state_(state)
    , prompt_(prompt)
    , pointer_(pointer)
    , view_(view)
    , dir_(directory)
{
}

void StartupSequence::initialiseGlobals(const ScreenMetrics& screen)
{
    state_.ScreenWidth = qint32(screen.widthTwips());
    state_.ScreenHeight = qint32(screen.heightTwips());
    state_.TwipsPerPixelX = screen.twipsPerPixelX;
    state_.TwipsPerPixelY = screen.twipsPerPixelY;
    state_.StartDirectory = dir_.absolutePath();
    state_.VolumeSetting = 75;
    state_.StartupDone = false;
    state_.ColorEditElement = 0;
    state_.ShowSpeaker = false;
    state_.NormalTriggerColor = qRgb(192, 0, 0);
}

StartupOutcome StartupSequence::loadConfiguration(const QString& commandLine, const StartupLoaders& loaders)
{
    if (state_.StartupDone)
        return StartupOutcome::ShowMainMenu;

    // The screen is measured in pixels, whatever the twips per pixel of the display.
    if (state_.pixelsX(state_.ScreenWidth) < 800 || state_.pixelsY(state_.ScreenHeight) < 600) {
        warn(tr("the screen is smaller than 800 x 600; the program ends"));
        show(MsgIcon::Critical, tr("Fatal Application Error"),
             tr("Orv Brevane supports a minimum screen resolution of 800 x 600"), tr("Press OK to terminate program"));
        return StartupOutcome::Terminate;
    }

    for (int i = 0; i < int(state_.ColorPalette.size()); ++i)
        state_.ColorPalette[i] = qint16(i);
    view_.setProgress(10);

    const std::optional<ReflexConfig> loaded = readConfiguration(commandLine);
    view_.setProgress(15);
    if (loaded)
        state_.Config = *loaded;
    state_.StartupConfig = state_.Config;
    view_.setProgress(20);

    state_.MaxRandomInterval = 3000;
    state_.TimeScale = 1000.0f;
    state_.SetCount = kSetCount;
    clearStores();

    pointer_.setBusy(true);
    runLoader(loaders.settingsDialog);
    view_.setProgress(45);

    // The bar steps by 15 after each test but the last, whose load runs at 90 under "Almost Done".
    const std::size_t count = loaders.tests.size();
    for (std::size_t i = 0; i < count; ++i) {
        const bool last = i + 1 == count;
        pointer_.setBusy(true);
        if (i == 0 && !last)
            view_.setStatus(tr("Initializing application ..."));
        if (last) {
            view_.setStatus(tr("Initializing application ... Almost Done"));
            view_.setProgress(90);
        }
        runLoader(loaders.tests[i]);
        view_.setProgress(last ? 100 : std::min(45 + 15 * int(i + 1), 90));
    }

    view_.setStatus(QStringLiteral(" "));
    pointer_.setBusy(false);
    state_.StartupDone = true;
    return StartupOutcome::ShowMainMenu;
}

// The file named on the command line, else the lab's class configuration, else Reflex.cfg.
std::optional<ReflexConfig> StartupSequence::readConfiguration(const QString& commandLine)
{
    state_.SettingsLock = lab_.lock;
    const QString named = labNotices(commandLine);
    std::optional<ReflexConfig> loaded;
    if (!named.isEmpty()) {
        loaded = readNamedFile(named);
    } else if (!lab_.classConfiguration.isEmpty()) {
        loaded = readClassFile();
    } else {
        view_.setStatus(tr("Loading default configuration file ..."));
        loaded = readDefaultFile();
    }
    if (!loaded)
        state_.ConfigurationInUse = QCoreApplication::translate("Startup", "the built-in defaults");
    if (!lab_.lock.isEmpty())
        state_.ConfigurationInUse += QCoreApplication::translate("Startup", ", locked by the lab");
    return loaded;
}

StartupSequence::FileCheck StartupSequence::readFile(const QString& path, ReflexConfig& into, QString* why)
{
    refusal_.clear();
    if (!QFileInfo::exists(path))
        return FileCheck::Missing;
    FileReadResult file = readWholeFile(path);
    refusal_ = file.error;
    QBuffer bytes(&file.bytes);
    if (!file.ok || !bytes.open(QIODevice::ReadOnly)) {
        if (why)
            *why = file.error;
        return FileCheck::Invalid;
    }
    if (readStartupConfig(bytes, into) == ConfigReadResult::Ok)
        return FileCheck::Valid;
    if (why)
        *why = tr("not a configuration file");
    return FileCheck::Invalid;
}

// The file named on the command line, relative names taken in the start directory; a missing
// or refused file falls back to the default file.
std::optional<ReflexConfig> StartupSequence::readNamedFile(const QString& name)
{
    view_.setStatus(tr("Loading user configuration file ..."));
    ReflexConfig read = state_.Config;
    const QString path = QDir::toNativeSeparators(dir_.absoluteFilePath(name));
    QString why;
    switch (readFile(dir_.absoluteFilePath(name), read, &why)) {
    case FileCheck::Valid:
        state_.ConfigurationInUse = path;
        return read;
    case FileCheck::Missing:
        warn(tr("%1: no such configuration file; using the default configuration").arg(path));
        view_.setStatus(tr("Loading default configuration file ..."));
        show(MsgIcon::Critical, tr("Configuration load error"), tr("File %1 could not be found").arg(name),
             tr("Using Default Configuration"));
        break;
    case FileCheck::Invalid:
        warn(tr("%1: cannot read the configuration (%2); using the default configuration").arg(path, why));
        show(MsgIcon::Critical, tr("Configuration Error"), tr("Invalid Configuration File"),
             tr("Using Default Configuration File"), {}, refusal_);
        break;
    }
    // The lab's class configuration is this machine's default.
    return lab_.classConfiguration.isEmpty() ? readDefaultFile() : readClassFile();
}

// Reflex.cfg: created with the defaults when missing; replaced by a new one when it is refused
// or cannot be opened. A refused file may hold the user's edits, so it is kept beside as
// Reflex.cfg.bad first. Each step is tried once, so an unwritable directory ends here with
// the defaults in Config.
std::optional<ReflexConfig> StartupSequence::readDefaultFile()
{
    const QString path = dir_.filePath(QLatin1String(kDefaultConfigFileName));
    const QString shown = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    ReflexConfig read = state_.Config;
    QString why;
    FileCheck check = readFile(path, read, &why);
    const auto writeAndReread = [&] {
        writeDefaultConfiguration(state_.Config, dir_);
        read = state_.Config;
        check = readFile(path, read, &why);
    };
    if (check == FileCheck::Missing) {
        warn(tr("%1: not found; writing one with the defaults").arg(shown));
        view_.setStatus(tr("Loading default configuration file ..."));
        show(MsgIcon::None, tr("Configuration file not found"), tr("Default configuration file not found..."),
             tr("Creating Reflex.Cfg"));
        writeAndReread();
    }
    if (check != FileCheck::Valid) {
        QString kept;
        if (check == FileCheck::Invalid && keepRefusedFile(path))
            kept = tr("The refused file was kept as %1").arg(QLatin1String(kRefusedConfigFileName));
        else
            QFile::remove(path);
        const QString reason = check == FileCheck::Missing ? tr("it could not be written") : why;
        warn(kept.isEmpty()
                 ? tr("%1: cannot read the configuration (%2); writing a new one with the defaults").arg(shown, reason)
                 : tr("%1: cannot read the configuration (%2); writing a new one with the defaults "
                      "(the refused file is kept beside it as %3)")
                       .arg(shown, reason, QLatin1String(kRefusedConfigFileName)));
        show(MsgIcon::Critical, tr("Configuration Error"), tr("Invalid Default Configuration File"),
             tr("Creating New Configuration File"), kept, refusal_);
        writeAndReread();
    }
    if (check == FileCheck::Valid) {
        state_.ConfigurationInUse = shown;
        return read;
    }
    warn(tr("%1: cannot be written; the defaults are used until the program ends").arg(shown));
    return std::nullopt;
}

QString StartupSequence::labNotices(const QString& commandLine)
{
    if (!lab_.notice.isEmpty())
        tellLab(QCoreApplication::translate("Startup", "Settings Locked"), lab_.notice);
    if (commandLine.isEmpty() || lab_.lock.isEmpty())
        return commandLine;
    tellLab(
        QCoreApplication::translate("Startup", "Settings Locked"),
        QCoreApplication::translate("Startup", "The configuration file %1 is not read: the lab locks the "
                                               "settings (LockSettings in %2).")
            .arg(QDir::toNativeSeparators(dir_.absoluteFilePath(commandLine)), QDir::toNativeSeparators(lab_.labFile)));
    return {};
}

// The class configuration, on the share or on this machine; where it cannot be read, Reflex.cfg
// as though the lab named none.
std::optional<ReflexConfig> StartupSequence::readClassFile()
{
    view_.setStatus(QCoreApplication::translate("Startup", "Loading the class configuration ..."));
    const QString path = QDir::toNativeSeparators(lab_.classConfiguration);
    ReflexConfig read = state_.Config;
    QString why;
    const FileCheck check = readFile(lab_.classConfiguration, read, &why);
    if (check == FileCheck::Valid) {
        state_.ConfigurationInUse = QCoreApplication::translate("Startup", "the class configuration %1").arg(path);
        return read;
    }
    if (check == FileCheck::Missing)
        why = QCoreApplication::translate("Startup", "there is no such file");
    tellLab(QCoreApplication::translate("Startup", "Class Configuration"),
            QCoreApplication::translate("Startup", "The class configuration %1 that %2 names cannot be read (%3); "
                                                   "the configuration of this computer is used instead.")
                .arg(path, QDir::toNativeSeparators(lab_.labFile), why));
    view_.setStatus(tr("Loading default configuration file ..."));
    return readDefaultFile();
}

void StartupSequence::tellLab(const QString& title, const QString& text)
{
    warn(text);
    prompt_.ask(Message{text, title, MsgButtons::Ok, MsgIcon::Exclamation});
}

// Renames the refused default file to Reflex.cfg.bad, replacing an older copy. An empty file
// holds no edits and is not kept.
bool StartupSequence::keepRefusedFile(const QString& path) const
{
    const QFileInfo refused(path);
    if (!refused.isFile() || refused.size() == 0)
        return false;
    const QString bad = dir_.filePath(QLatin1String(kRefusedConfigFileName));
    QFile::remove(bad);
    return QFile::rename(path, bad);
}

void StartupSequence::show(MsgIcon icon, const QString& title, const QString& line1, const QString& line2,
                           const QString& line3, const QString& detail)
{
    Message message;
    message.title = title;
    message.text = line1 + QLatin1Char('\r') + line2;
    if (!line3.isEmpty())
        message.text += QLatin1Char('\r') + line3;
    message.buttons = MsgButtons::Ok;
    message.icon = icon;
    message.detail = detail;
    prompt_.ask(message);
}

// Times of runs 1..10 and the statistics of every set, in all three stores.
void StartupSequence::clearStores()
{
    for (SetData* store : {static_cast<SetData*>(&state_.Simple), static_cast<SetData*>(&state_.Color),
                           static_cast<SetData*>(&state_.Number)})
        for (int set = 1; set <= kSetCount; ++set)
            clearSetRuns(*store, set);
}

} // namespace brevane
