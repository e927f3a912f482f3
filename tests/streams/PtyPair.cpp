#include "PtyPair.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

PtyPair::PtyPair()
{
    char name[256] = {};
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0)
        ADD_FAILURE() << "openpty failed: " << errno;
    path = name;
}

PtyPair::~PtyPair()
{
    HangUp();
    if (slave >= 0)
        ::close(slave);
}

void PtyPair::SendFromDevice(const std::string& bytes) const
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(master, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        ASSERT_GT(n, 0) << "write to the pty master failed: " << errno;
        done += static_cast<std::size_t>(n);
    }
}

std::string PtyPair::ReceiveOnDevice(std::size_t count, int timeoutMs) const
{
    std::string received;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (received.size() < count) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now()).count();
        if (left <= 0)
            break;
        pollfd fd {master, POLLIN, 0};
        if (::poll(&fd, 1, static_cast<int>(left)) <= 0)
            break;
        char buffer[256];
        const ssize_t n = ::read(master, buffer, std::min(sizeof buffer, count - received.size()));
        if (n <= 0)
            break;
        received.append(buffer, static_cast<std::size_t>(n));
    }
    return received;
}

void PtyPair::MakeRaw() const
{
    termios line {};
    ASSERT_EQ(tcgetattr(slave, &line), 0);
    cfmakeraw(&line);
    ASSERT_EQ(tcsetattr(slave, TCSANOW, &line), 0);
}

void PtyPair::HangUp()
{
    if (master >= 0)
        ::close(master);
    master = -1;
}
