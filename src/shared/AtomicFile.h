#pragma once
#include <QFileDevice>
#include <QString>
#include <functional>
#include <optional>

class QIODevice;

namespace brevane {

// Every file the program writes goes through here: the contents go to a temporary file
// beside `path`, which is renamed over the old file only when every byte was written and
// flushed. A full disk, a crash or a refused write therefore leaves the previous file as it
// was, never a cut one.
struct FileWriteResult {
    bool ok = false;
    QString error; // the system's reason when !ok
};

// `write` fills the device and returns false when it could not write everything. `permissions`,
// when given, are the file's from its first byte on: set on the temporary file before the
// rename, so nobody ever sees the file with the umask's mode. Without them a new file gets the
// umask's mode and a replaced one keeps its own.
FileWriteResult replaceFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write,
                                      std::optional<QFileDevice::Permissions> permissions = std::nullopt);
// The same with bytes made beforehand (a file saved here and handed in elsewhere is one text).
FileWriteResult replaceFileAtomically(const QString& path, const QByteArray& bytes,
                                      std::optional<QFileDevice::Permissions> permissions = std::nullopt);

} // namespace brevane
