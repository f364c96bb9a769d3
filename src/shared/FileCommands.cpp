#include "shared/FileCommands.h"
#include "shared/AtomicFile.h"
#include "shared/FileRead.h"
#include "shared/ResultsCsv.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>

namespace brevane {

bool FileExists(const QString& path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.exists() && !info.isDir();
}

Message overwriteQuestion()
{
    return Message{
        QCoreApplication::translate("FileCommands", "\r\n\r\n        File already exisits. Do you want to overwrite?"),
        QCoreApplication::translate("FileCommands", "Save File"), MsgButtons::YesNo, MsgIcon::Exclamation, true};
}

FileDialogRequest dataFileDialog(const DataFileFormat& format, const QString& title)
{
    // A name typed without an extension gets the filter's; the dialog opens in the current
    // folder.
    return FileDialogRequest{title, QCoreApplication::translate("FileCommands", format.filter),
                             QLatin1String(format.presetName), QString(), QLatin1String(format.extension)};
}

std::optional<QString> chooseSavePath(FileChooser& files, Prompt& prompt, const FileDialogRequest& dialog)
{
    FileDialogRequest request = dialog;
    request.dialogAsksBeforeOverwriting = false; // the question below is the only one
    for (;;) {
        std::optional<QString> path = files.saveFile(request);
        if (!path)
            return std::nullopt;
        if (!FileExists(*path) || prompt.ask(overwriteQuestion()) == MsgAnswer::Yes)
            return path;
    }
}

FileCommand saveWithDialog(FileChooser& files, Prompt& prompt, const FileDialogRequest& dialog,
                           const std::function<bool(QIODevice&)>& write, HandIn* handIn)
{
    const std::optional<QString> path = chooseSavePath(files, prompt, dialog);
    if (!path)
        return FileCommand::Cancelled;
    // The bytes once, in memory: the file saved here and the one handed in are the same text.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    write(buffer);
    const FileWriteResult written = replaceFileAtomically(*path, buffer.data());
    if (!written.ok) {
        prompt.ask(Message{QCoreApplication::translate("FileCommands", "Save File Error"),
                           QCoreApplication::translate("FileCommands", "Save Cancelled"), MsgButtons::Ok, MsgIcon::None,
                           false, written.error});
        return FileCommand::Failed;
    }
    if (handIn)
        handIn->handIn(QFileInfo(*path).fileName(), buffer.data());
    return FileCommand::Done;
}

FileCommand saveDataFile(FileChooser& files, Prompt& prompt, HandIn& handIn, const DataFileFormat& format,
                         const QString& title, const StoreHalf& half)
{
    return saveWithDialog(
        files, prompt, dataFileDialog(format, title),
        [&](QIODevice& device) { return writeDataFile(device, format, half); }, &handIn);
}

FileCommand loadDataFile(FileChooser& files, Prompt& prompt, const DataFileFormat& format, const QString& title,
                         StoreHalf& half)
{
    const std::optional<QString> path = files.openFile(dataFileDialog(format, title));
    if (!path)
        return FileCommand::Cancelled;
    // The bytes first, whole: a read error half-way is then a failure like any other.
    FileReadResult file = readWholeFile(*path);
    QBuffer buffer(&file.bytes);
    if (!file.ok || !buffer.open(QIODevice::ReadOnly) || !readDataFile(buffer, format, half)) {
        prompt.ask(Message{QCoreApplication::translate("FileCommands", "Load File Error"),
                           QCoreApplication::translate("FileCommands", "Load Cancelled"), MsgButtons::Ok, MsgIcon::None,
                           false, file.error});
        return FileCommand::Failed;
    }
    return FileCommand::Done;
}

FileCommand exportResultsCsv(FileChooser& files, Prompt& prompt, const QString& test, const StoreHalf& half)
{
    const FileDialogRequest dialog{QCoreApplication::translate("FileCommands", "Export to CSV"),
                                   QCoreApplication::translate("FileCommands", kCsvFilter), QStringLiteral("*.csv"),
                                   QString(), QStringLiteral("csv")};
    return saveWithDialog(files, prompt, dialog,
                          [&](QIODevice& device) { return writeResultsCsv(device, test, half); });
}

} // namespace brevane
