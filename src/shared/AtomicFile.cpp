#include "shared/AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brevane {

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

FileDescriptor::~FileDescriptor()
{
    if (fd_ >= 0)
        ::close(fd_);
}

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The mode bits of QFileDevice's permissions (its owner and user bits are one on Linux).
mode_t modeOf(QFileDevice::Permissions p)
{
    const std::pair<QFileDevice::Permission, mode_t> bits[] = {
        {QFileDevice::ReadOwner, S_IRUSR}, {QFileDevice::WriteOwner, S_IWUSR}, {QFileDevice::ExeOwner, S_IXUSR},
        {QFileDevice::ReadGroup, S_IRGRP}, {QFileDevice::WriteGroup, S_IWGRP}, {QFileDevice::ExeGroup, S_IXGRP},
        {QFileDevice::ReadOther, S_IROTH}, {QFileDevice::WriteOther, S_IWOTH}, {QFileDevice::ExeOther, S_IXOTH},
        {QFileDevice::ReadUser, S_IRUSR},  {QFileDevice::WriteUser, S_IWUSR},  {QFileDevice::ExeUser, S_IXUSR}};
    mode_t mode = 0;
    for (const auto& [permission, bit] : bits)
        if (p.testFlag(permission))
            mode |= bit;
    return mode;
}

// A name beside `name`, `name.XXXXXX`, that `make` takes for a new file of this call alone
// (O_EXCL, or a link that may not replace); the name taken comes back in `made`.
template <typename Make> bool takeName(const QByteArray& name, QByteArray& made, Make make)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        made = name + '.';
        for (int i = 0; i < 6; ++i)
            made += letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)];
        if (make(made.constData()))
            return true;
        if (errno != EEXIST)
            return false;
    }
    return false;
}

// The temporary file, never through a link. Where the file system has them it has no name
// until it is whole (O_TMPFILE): a program killed while writing leaves nothing behind. Linking
// it into the folder goes through /proc, so without /proc (a bare chroot), and on file systems
// without unnamed files (NFS, SMB), it is `name.XXXXXX` from the start, its name in `made`.
FileDescriptor createTemporary(int folder, const QByteArray& name, QByteArray& made)
{
    made.clear();
    if (::access("/proc/self/fd", X_OK) == 0) {
        const int fd = ::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (fd >= 0)
            return FileDescriptor(fd);
    }
    int fd = -1;
    takeName(name, made, [&](const char* candidate) {
        fd = ::openat(folder, candidate, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        return fd >= 0;
    });
    return FileDescriptor(fd);
}

// An unnamed temporary file given a name beside `name`, to be renamed over it.
bool nameTemporary(int fd, int folder, const QByteArray& name, QByteArray& made)
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    if (takeName(name, made, [&](const char* candidate) {
            return ::linkat(AT_FDCWD, self.constData(), folder, candidate, AT_SYMLINK_FOLLOW) == 0;
        }))
        return true;
    const int error = errno;
    made.clear(); // no name of ours to remove
    errno = error;
    return false;
}

// The temporary file's contents and mode, each step checked where its failure shows: a small
// file fits QFile's buffer, and a full disk shows at the flush, or on a network share at the
// sync or the close.
QString fill(int fd, int folder, const QByteArray& name, const std::function<bool(QIODevice&)>& write,
             std::optional<QFileDevice::Permissions> permissions)
{
    struct stat old { };
    if (permissions) {
        if (::fchmod(fd, modeOf(*permissions)) != 0)
            return systemReason(errno);
    } else if (::fstatat(folder, name.constData(), &old, 0) == 0 && S_ISREG(old.st_mode)) {
        ::fchmod(fd, old.st_mode & 07777); // a replaced file keeps its mode
    }
    QFile file;
    if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
        return file.errorString();
    if (!write(file) || !file.flush())
        return file.error() != QFileDevice::NoError ? file.errorString() : systemReason(EIO);
    // A file system that cannot sync (EINVAL, ENOTSUP) has nothing to wait for; one that fails to
    // (a full NFS server, EIO) has not kept the bytes.
    if (::fdatasync(fd) != 0 && errno != EINVAL && errno != ENOTSUP && errno != ENOSYS)
        return systemReason(errno);
    return {};
}

} // namespace

FileWriteResult replaceFileAtomically(const FileInFolder& target, const std::function<bool(QIODevice&)>& write,
                                      std::optional<QFileDevice::Permissions> permissions)
{
    const QByteArray name = QFile::encodeName(target.name);
    QByteArray temporary;
    FileDescriptor fd = createTemporary(target.folder, name, temporary);
    if (!fd)
        return {false, systemReason(errno)};
    QString reason = fill(fd.get(), target.folder, name, write, permissions);
    if (reason.isEmpty() && temporary.isEmpty() && !nameTemporary(fd.get(), target.folder, name, temporary))
        reason = systemReason(errno);
    if (::close(fd.release()) != 0 && reason.isEmpty())
        reason = systemReason(errno);
    if (reason.isEmpty() && ::renameat(target.folder, temporary.constData(), target.folder, name.constData()) != 0)
        reason = systemReason(errno);
    if (!reason.isEmpty()) {
        if (!temporary.isEmpty())
            ::unlinkat(target.folder, temporary.constData(), 0);
        return {false, reason};
    }
    return {true, {}};
}

FileWriteResult replaceFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write,
                                      std::optional<QFileDevice::Permissions> permissions)
{
    const QFileInfo given(path);
    const QFileInfo file(given.isSymLink() ? given.symLinkTarget() : given.absoluteFilePath());
    const FileDescriptor folder(
        ::open(QFile::encodeName(file.absolutePath()).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!folder)
        return {false, systemReason(errno)};
    return replaceFileAtomically(FileInFolder{folder.get(), file.fileName()}, write, permissions);
}

FileWriteResult replaceFileAtomically(const FileInFolder& file, const QByteArray& bytes,
                                      std::optional<QFileDevice::Permissions> permissions)
{
    return replaceFileAtomically(
        file, [&](QIODevice& device) { return device.write(bytes) == bytes.size(); }, permissions);
}

FileWriteResult replaceFileAtomically(const QString& path, const QByteArray& bytes,
                                      std::optional<QFileDevice::Permissions> permissions)
{
    return replaceFileAtomically(
        path, [&](QIODevice& device) { return device.write(bytes) == bytes.size(); }, permissions);
}

} // namespace brevane
