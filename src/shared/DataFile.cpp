#include "shared/DataFile.h"
#include "shared/AtomicFile.h"
#include "shared/ValueCodec.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

namespace reflex {

namespace {

void tell(Prompt& prompt, const char* title, const char* text)
{
    prompt.ask(Message{QString::fromLatin1(text), QString::fromLatin1(title)});
}

} // namespace

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

std::optional<QString> chooseSavePath(FileChooser& files, Prompt& prompt,
                                      const FileDialogRequest& dialog)
{
    FileDialogRequest request = dialog;
    request.dialogAsksBeforeOverwriting = false; // the question below is the only one
    for (;;) {
        const std::optional<QString> path = files.saveFile(request);
        if (!path)
            return std::nullopt;
        if (!FileExists(*path) || prompt.ask(overwriteQuestion()) == MsgAnswer::Yes)
            return path;
    }
}

FileCommand saveDataFile(FileChooser& files, Prompt& prompt, const FileDialogRequest& dialog,
                         const std::function<bool(ValueWriter&)>& write)
{
    const std::optional<QString> path = chooseSavePath(files, prompt, dialog);
    if (!path)
        return FileCommand::Cancelled;
    const FileWriteResult written = replaceFileAtomically(*path, [&write](QIODevice& device) {
        ValueWriter out(device);
        return write(out);
    });
    if (!written.ok) {
        tell(prompt, "Save Cancelled", "Save File Error");
        return FileCommand::Failed;
    }
    return FileCommand::Done;
}

FileCommand readDataFile(FileChooser& files, Prompt& prompt, const FileDialogRequest& dialog,
                         const std::function<bool(ValueReader&)>& read)
{
    const std::optional<QString> path = files.openFile(dialog);
    if (!path)
        return FileCommand::Cancelled;
    // The bytes first, whole: a read error half-way is then a failure like any other.
    QFile file(*path);
    QByteArray bytes;
    bool ok = file.open(QIODevice::ReadOnly);
    if (ok) {
        bytes = file.readAll();
        ok = file.error() == QFileDevice::NoError;
    }
    if (ok) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        ValueReader in(buffer);
        ok = read(in);
    }
    if (!ok) {
        tell(prompt, "Load Cancelled", "Load File Error");
        return FileCommand::Failed;
    }
    return FileCommand::Done;
}

} // namespace reflex
