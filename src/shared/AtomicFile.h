#pragma once
#include <QFileDevice>
#include <QString>
#include <functional>
#include <optional>
#include <utility>

class QIODevice;

namespace brevane {

// Every file the program writes goes through here: the contents go to a temporary file
// beside the file, which is renamed over the old file only when every byte was written and
// flushed to the disk. A full disk, a crash or a refused write therefore leaves the previous
// file as it was, never a cut one.
struct FileWriteResult {
    bool ok = false;
    QString error; // the system's reason when !ok
};

// A descriptor owned by whoever holds it, closed when it goes.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1)
        : fd_(fd)
    {
    }
    FileDescriptor(FileDescriptor&& other) noexcept
        : fd_(std::exchange(other.fd_, -1))
    {
    }
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor();

    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }
    explicit operator bool() const { return fd_ >= 0; }

private:
    int fd_;
};

// A file by its name within a folder opened beforehand. Saved this way, the temporary file is
// made, written and renamed relative to the folder's descriptor, so a folder replaced by
// another one (or by a link) after it was opened cannot send the file anywhere else.
struct FileInFolder {
    int folder;   // a descriptor of the folder; O_PATH will do
    QString name; // a plain file name, without a folder
};

// `write` fills the device and returns false when it could not write everything. `permissions`,
// when given, are the file's from its first byte on: set on the temporary file before the
// rename, so nobody ever sees the file with the umask's mode. Without them a new file gets the
// umask's mode and a replaced one keeps its own.
FileWriteResult replaceFileAtomically(const FileInFolder& file, const std::function<bool(QIODevice&)>& write,
                                      std::optional<QFileDevice::Permissions> permissions = std::nullopt);
// The same by path: the folder the path names is opened, and the file saved in it. A path that
// is a symbolic link saves over the file it points to.
FileWriteResult replaceFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write,
                                      std::optional<QFileDevice::Permissions> permissions = std::nullopt);
// The same with bytes made beforehand (a file saved here and handed in elsewhere is one text).
FileWriteResult replaceFileAtomically(const FileInFolder& file, const QByteArray& bytes,
                                      std::optional<QFileDevice::Permissions> permissions = std::nullopt);
FileWriteResult replaceFileAtomically(const QString& path, const QByteArray& bytes,
                                      std::optional<QFileDevice::Permissions> permissions = std::nullopt);

} // namespace brevane
