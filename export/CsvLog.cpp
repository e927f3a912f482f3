#include "export/CsvLog.h"

#include "export/ExportStrings.h"
#include "resources/StringTable.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 kLongestHeader = 4096; // far beyond our header; a longer first line is not ours

QString Reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

CCsvLog::~CCsvLog()
{
    Close();
}

bool CCsvLog::Open(const QString& path, const CsvDialect& wanted, QString* error)
{
    Close();
    const QByteArray name = QFile::encodeName(path);
    // Not blocking while opening: a FIFO nobody reads is an error, not a hang. Writes then block
    // as usual.
    fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0) {
        *error = Reason(errno);
        return false;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags == -1 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == -1) {
        *error = Reason(errno);
        Close();
        return false;
    }
    return Begin(path, wanted, error);
}

bool CCsvLog::OpenStandardOutput(const CsvDialect& wanted, QString* error)
{
    Close();
    fd = ::fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 0);
    if (fd < 0) {
        *error = Reason(errno);
        return false;
    }
    // Standard output appended to a file (">> log.csv") is read back like a named log.
    return Begin(QStringLiteral("/proc/self/fd/%1").arg(fd), wanted, error);
}

bool CCsvLog::Begin(const QString& path, const CsvDialect& wanted, QString* error)
{
    dialect = wanted;
    needsLineEnd = false;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        *error = Reason(errno);
        Close();
        return false;
    }
    if (S_ISREG(info.st_mode) && info.st_size > 0) {
        if (!AdoptExistingHeader(path, error)) {
            Close();
            return false;
        }
        if (!needsLineEnd)
            return true;
        // A last line without its line end (the file was edited by hand): end it, so the next row
        // is not glued onto it.
        needsLineEnd = false;
        if (!WriteWhole(QByteArrayLiteral("\r\n"), error)) {
            Close();
            return false;
        }
        return true;
    }
    QByteArray start = dialect.byteOrderMark ? Utf8ByteOrderMark() : QByteArray();
    start += CsvHeaderLine(MeasurementColumns(), dialect);
    if (!WriteWhole(start, error)) {
        Close();
        return false;
    }
    return true;
}

bool CCsvLog::AdoptExistingHeader(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    QByteArray first = file.readLine(kLongestHeader);
    const bool hasBom = first.startsWith(Utf8ByteOrderMark());
    if (hasBom)
        first.remove(0, Utf8ByteOrderMark().size());
    while (first.endsWith('\n') || first.endsWith('\r'))
        first.chop(1);
    for (const CsvDialect& candidate : {CsvDialect::C(), CsvDialect::Locale(QLocale(QLocale::German))}) {
        QByteArray header = CsvHeaderLine(MeasurementColumns(), candidate);
        header.chop(2); // CR LF
        if (first == header) {
            dialect = candidate;
            dialect.byteOrderMark = hasBom;
            if (file.seek(file.size() - 1)) {
                char last = 0;
                needsLineEnd = file.getChar(&last) && last != '\n';
            }
            return true;
        }
    }
    *error = ResString(ExportStrings::NotALog);
    return false;
}

bool CCsvLog::WriteWhole(const QByteArray& bytes, QString* error)
{
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    const off_t before = regular ? info.st_size : 0;
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        *error = Reason(n < 0 ? errno : EIO);
        // Take back the part of the line that made it, so the file ends with a whole line.
        if (regular && done > 0 && ::ftruncate(fd, before) != 0)
            *error += QStringLiteral(" (and the partial line could not be removed)");
        return false;
    }
    return true;
}

bool CCsvLog::Append(const QByteArray& line, QString* error)
{
    if (fd < 0) {
        *error = QStringLiteral("the log is not open");
        return false;
    }
    return WriteWhole(line, error);
}

void CCsvLog::Close()
{
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
    fd = -1;
}
