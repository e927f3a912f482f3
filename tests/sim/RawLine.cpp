#include "sim/RawLine.h"

#include <QElapsedTimer>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

RawLine::RawLine(const QString& path, bool configure)
{
    fd_ = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd_ < 0 || !configure)
        return;
    termios settings{};
    ::tcgetattr(fd_, &settings);
    ::cfmakeraw(&settings);
    ::cfsetispeed(&settings, B38400);
    ::cfsetospeed(&settings, B38400);
    settings.c_cflag |= CLOCAL | CREAD | CRTSCTS;
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    ::tcsetattr(fd_, TCSANOW, &settings);
    ::tcflush(fd_, TCIOFLUSH);
}

RawLine::~RawLine()
{
    if (fd_ >= 0)
        ::close(fd_);
}

void RawLine::Send(const QByteArray& bytes)
{
    qsizetype done = 0;
    while (fd_ >= 0 && done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n <= 0)
            return;
        done += n;
    }
}

QByteArray RawLine::Receive(int count, int timeoutMs)
{
    QByteArray got;
    QElapsedTimer clock;
    clock.start();
    while (fd_ >= 0 && got.size() < count) {
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0)
            break;
        pollfd pfd{fd_, POLLIN, 0};
        if (::poll(&pfd, 1, static_cast<int>(left)) <= 0)
            continue;
        char buffer[4096];
        const ssize_t n = ::read(fd_, buffer, std::min<size_t>(sizeof buffer, static_cast<size_t>(count - got.size())));
        if (n <= 0)
            break; // hang-up
        got.append(buffer, n);
    }
    return got;
}

QByteArray RawLine::Drain(int quietMs)
{
    QByteArray got;
    for (;;) {
        pollfd pfd{fd_, POLLIN, 0};
        if (fd_ < 0 || ::poll(&pfd, 1, quietMs) <= 0)
            return got;
        char buffer[4096];
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n <= 0)
            return got;
        got.append(buffer, n);
    }
}

QByteArray RawLine::Exchange(const QByteArray& request, int count, int timeoutMs)
{
    if (fd_ >= 0)
        ::tcflush(fd_, TCIFLUSH);
    Send(request);
    return Receive(count, timeoutMs);
}

QByteArray RawLine::ExchangeHex(const char* hex, int count, int timeoutMs)
{
    return Exchange(QByteArray::fromHex(hex), count, timeoutMs);
}

QByteArray RawLine::Text(const QByteArray& command, int timeoutMs)
{
    if (Exchange(QByteArray(1, '\x10'), 1, timeoutMs) != ">")
        return {};
    Send(command + '\r');
    QByteArray line;
    while (line.size() < 1024) {
        const QByteArray c = Receive(1, timeoutMs);
        if (c.isEmpty())
            return {};
        line += c;
        if (c == "\r" || c == "\n")
            return line;
    }
    return line;
}
