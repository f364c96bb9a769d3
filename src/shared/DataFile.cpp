#include "shared/DataFile.h"
#include "shared/AtomicFile.h"
#include "shared/FileRead.h"
#include "shared/SetBlocks.h"
#include "shared/ValueCodec.h"

#include <QBuffer>
#include <QFileInfo>

namespace brevane {

int DataFileFormat::lines() const
{
    return kSetCount * (counts ? kChoiceSetLines : kSimpleSetLines);
}

FileDialogRequest DataFileFormat::dialog(const QString& title) const
{
    // A name typed without an extension gets the filter's; the dialog opens in the current
    // folder.
    return FileDialogRequest{title, QLatin1String(filter), QLatin1String(presetName), QString(),
                             QLatin1String(extension)};
}

bool writeDataFile(QIODevice& out, const DataFileFormat& format, const StoreHalf& half)
{
    ValueWriter writer(out);
    return writeSets(writer, half.sets, format.counts ? half.counts : nullptr);
}

bool readDataFile(QIODevice& in, const DataFileFormat& format, StoreHalf& half)
{
    SetData sets = half.sets; // runs 11..20 are in no file and stay as they are
    OutcomeCounts counts = half.counts ? *half.counts : OutcomeCounts{};
    ValueReader reader(in);
    if (!readSets(reader, sets, format.counts ? &counts : nullptr))
        return false;
    half.sets = std::move(sets);
    if (format.counts && half.counts)
        *half.counts = counts;
    return true;
}

bool FileExists(const QString& path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.exists() && !info.isDir();
}

Message overwriteQuestion()
{
    return Message{QStringLiteral("\r\n\r\n        File already exisits. Do you want to overwrite?"),
                   QStringLiteral("Save File"), MsgButtons::YesNo, MsgIcon::Exclamation, true};
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
                           const std::function<bool(QIODevice&)>& write)
{
    const std::optional<QString> path = chooseSavePath(files, prompt, dialog);
    if (!path)
        return FileCommand::Cancelled;
    const FileWriteResult written = replaceFileAtomically(*path, write);
    if (!written.ok) {
        prompt.ask(Message{QStringLiteral("Save File Error"), QStringLiteral("Save Cancelled"), MsgButtons::Ok,
                           MsgIcon::None, false, written.error});
        return FileCommand::Failed;
    }
    return FileCommand::Done;
}

FileCommand saveDataFile(FileChooser& files, Prompt& prompt, const DataFileFormat& format, const QString& title,
                         const StoreHalf& half)
{
    return saveWithDialog(files, prompt, format.dialog(title),
                          [&](QIODevice& device) { return writeDataFile(device, format, half); });
}

FileCommand loadDataFile(FileChooser& files, Prompt& prompt, const DataFileFormat& format, const QString& title,
                         StoreHalf& half)
{
    const std::optional<QString> path = files.openFile(format.dialog(title));
    if (!path)
        return FileCommand::Cancelled;
    // The bytes first, whole: a read error half-way is then a failure like any other.
    FileReadResult file = readWholeFile(*path);
    QBuffer buffer(&file.bytes);
    if (!file.ok || !buffer.open(QIODevice::ReadOnly) || !readDataFile(buffer, format, half)) {
        prompt.ask(Message{QStringLiteral("Load File Error"), QStringLiteral("Load Cancelled"), MsgButtons::Ok,
                           MsgIcon::None, false, file.error});
        return FileCommand::Failed;
    }
    return FileCommand::Done;
}

} // namespace brevane
