#pragma once
#include <QString>
#include <functional>

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

// `write` fills the device and returns false when it could not write everything.
FileWriteResult replaceFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write);
// The same with bytes made beforehand (a file saved here and handed in elsewhere is one text).
FileWriteResult replaceFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace brevane
