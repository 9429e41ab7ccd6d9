#include "platform/toolkit/atomicfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Owns a file descriptor.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    {
    }
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    int get() const { return m_fd; }
    bool isValid() const { return m_fd >= 0; }
    // Closes now and reports the result: close can be the first to tell of a failed write.
    bool close()
    {
        const int fd = std::exchange(m_fd, -1);
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool writeAll(int fd, QByteArrayView data)
{
    const char *next = data.data();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        next += written;
        left -= written;
    }
    return true;
}

// An existing file keeps its permissions; a new one gets mkstemp's owner-only mode.
bool copyModeFrom(const QByteArray &target, int fd)
{
    struct stat status {};
    if (::stat(target.constData(), &status) != 0)
        return errno == ENOENT;
    return ::fchmod(fd, status.st_mode & 07777) == 0;
}

// The file a save replaces. A symbolic link, as dotfile managers make, is followed to the file it stands
// for, so that the link survives the save; a dangling one gets that file made. Empty when the links loop.
QString fileBehindLinks(const QString &path)
{
    constexpr int kMaxLinks = 40; // what the kernel follows before it gives ELOOP
    QFileInfo info(path);
    for (int links = 0; links < kMaxLinks && info.isSymLink(); ++links)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? QString() : info.absoluteFilePath();
}

bool syncDirectory(const QByteArray &directory)
{
    const FileDescriptor fd(::open(directory.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return fd.isValid() && ::fsync(fd.get()) == 0;
}

// Writes the temporary file completely; the caller renames or removes it.
bool writeTemporary(FileDescriptor &fd, const QByteArray &target, QByteArrayView data)
{
    return copyModeFrom(target, fd.get()) && writeAll(fd.get(), data) && ::fsync(fd.get()) == 0 && fd.close();
}

} // namespace

bool AtomicFile::write(const QString &path, QByteArrayView data, RenameFunction renameFile)
{
    const QString file = fileBehindLinks(path);
    if (file.isEmpty())
        return false;
    const QFileInfo info(file);
    const QString directory = info.absolutePath();
    if (!QDir().mkpath(directory))
        return false;
    const QByteArray target = QFile::encodeName(info.absoluteFilePath());
    // Hidden, and named after the target, so a leftover from a crash is recognisable and never taken for
    // a file of ours.
    QByteArray temporary = QFile::encodeName(directory + QLatin1String("/.") + info.fileName()) + ".XXXXXX";
    FileDescriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (!fd.isValid())
        return false;
    if (!writeTemporary(fd, target, data) || renameFile(temporary.constData(), target.constData()) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    // The new content is in place; syncing the directory makes the rename itself survive a power cut.
    return syncDirectory(QFile::encodeName(directory));
}
