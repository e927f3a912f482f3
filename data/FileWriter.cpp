#include "data/FileWriter.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileWriter {
namespace {

Result Failed(Result result, int code, QString* reason)
{
    if (reason)
        *reason = QString::fromLocal8Bit(std::strerror(code));
    return result;
}

QByteArray Native(const QString& path)
{
    return QFile::encodeName(path);
}

// The file a symbolic link points to (followed to its end), so that the link itself stays.
QString ResolvedTarget(const QString& path)
{
    QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString canonical = info.canonicalFilePath();
    // A dangling link: the file it names is created.
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

// Devices, FIFOs and sockets are written into as they are; the open never waits for a reader.
Result WriteInPlace(const QString& path, const QByteArray& bytes, QString* reason)
{
    const int fd = ::open(Native(path).constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return Failed(Result::NotCreated, errno, reason);
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    Result result = WriteAll(fd, bytes, reason);
    if (::close(fd) != 0 && result == Result::Written && errno != EINTR)
        result = Failed(Result::NotWritten, errno, reason);
    return result;
}

// Creates a new file beside target (mode 0666 less the umask, as any new file).
int CreateTemporary(const QString& target, QByteArray* temporary)
{
    const QFileInfo info(target);
    for (int tries = 0; tries < 100; ++tries) {
        const QString name = QStringLiteral(".%1.%2.tmp")
                                 .arg(info.fileName())
                                 .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        *temporary = Native(info.dir().filePath(name));
        const int fd = ::open(temporary->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

Result WriteReplacing(const QString& target, const struct stat* existing, const QByteArray& bytes, QString* reason)
{
    // A file nobody may write is not replaced behind its owner's back (root passes access()).
    if (existing && (existing->st_mode & 0222) == 0)
        return Failed(Result::NotCreated, EACCES, reason);
    if (existing && ::access(Native(target).constData(), W_OK) != 0)
        return Failed(Result::NotCreated, errno, reason);
    QByteArray temporary;
    const int fd = CreateTemporary(target, &temporary);
    if (fd < 0)
        return Failed(Result::NotCreated, errno, reason);
    if (existing) {
        ::fchmod(fd, existing->st_mode & 07777);
        if (::geteuid() == 0)
            (void)!::fchown(fd, existing->st_uid, existing->st_gid);
    }
    Result result = WriteAll(fd, bytes, reason);
    if (result == Result::Written && ::fsync(fd) != 0)
        result = Failed(Result::NotWritten, errno, reason);
    if (::close(fd) != 0 && result == Result::Written)
        result = Failed(Result::NotWritten, errno, reason);
    if (result == Result::Written && ::rename(temporary.constData(), Native(target).constData()) != 0)
        result = Failed(Result::NotWritten, errno, reason);
    if (result != Result::Written)
        ::unlink(temporary.constData());
    return result;
}

} // namespace

Result WriteAll(int fd, const QByteArray& bytes, QString* reason)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return Failed(Result::NotWritten, errno, reason);
        }
        if (written == 0)
            return Failed(Result::NotWritten, EIO, reason);
        data += written;
        left -= written;
    }
    return Result::Written;
}

Result WriteFile(const QString& path, const QByteArray& bytes, QString* reason)
{
    if (path.isEmpty())
        return Failed(Result::NotCreated, ENOENT, reason);
    const QString target = ResolvedTarget(path);
    struct stat st {};
    if (::stat(Native(target).constData(), &st) != 0) {
        if (errno != ENOENT)
            return Failed(Result::NotCreated, errno, reason);
        return WriteReplacing(target, nullptr, bytes, reason);
    }
    if (S_ISDIR(st.st_mode))
        return Failed(Result::NotCreated, EISDIR, reason);
    if (!S_ISREG(st.st_mode))
        return WriteInPlace(target, bytes, reason);
    return WriteReplacing(target, &st, bytes, reason);
}

} // namespace FileWriter
