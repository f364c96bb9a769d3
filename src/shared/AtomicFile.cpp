#include "shared/AtomicFile.h"

#include <QSaveFile>

namespace brevane {

FileWriteResult replaceFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write,
                                      std::optional<QFileDevice::Permissions> permissions)
{
    // QSaveFile refuses to commit after a failed write, but a small file fits in its buffer
    // and commit() lets a failed flush of that buffer (a full disk) pass, renaming a cut file
    // over the good one; so the buffer is flushed here first, where the failure still shows.
    // An uncommitted QSaveFile removes its temporary file when it goes.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    // On the open QSaveFile this sets the temporary file's mode, which the rename keeps.
    if (permissions && !file.setPermissions(*permissions)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {false, reason};
    }
    if (!write(file) || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {false, reason};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}

FileWriteResult replaceFileAtomically(const QString& path, const QByteArray& bytes,
                                      std::optional<QFileDevice::Permissions> permissions)
{
    return replaceFileAtomically(
        path, [&](QIODevice& device) { return device.write(bytes) == bytes.size(); }, permissions);
}

} // namespace brevane
