#include "ScriptedTester.h"

#include <QByteArray>
#include <QtGlobal>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <stdlib.h>
#include <unistd.h>

CScriptedTester::CScriptedTester()
{
    master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
        throw std::runtime_error("no pseudo-terminal");
    slavePath = ptsname(master);
    keepSlave = ::open(slavePath.c_str(), O_RDWR | O_NOCTTY);
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        throw std::runtime_error("no pipe");
    wakeRead = pipeFds[0];
    wakeWrite = pipeFds[1];
    qputenv("SCLERON_SERIAL_PORTS", QByteArray::fromStdString(slavePath));
    worker = std::thread([this] { Run(); });
}

CScriptedTester::~CScriptedTester()
{
    Stop();
    ::close(wakeRead);
    ::close(wakeWrite);
    if (keepSlave >= 0)
        ::close(keepSlave);
    if (master >= 0)
        ::close(master);
    qunsetenv("SCLERON_SERIAL_PORTS");
}

void CScriptedTester::Stop()
{
    if (!worker.joinable())
        return;
    const char quit = 'q';
    (void)!::write(wakeWrite, &quit, 1);
    worker.join();
}

void CScriptedTester::Hangup()
{
    Stop();
    ::close(keepSlave);
    keepSlave = -1;
    ::close(master);
    master = -1;
}

void CScriptedTester::AnswerPrefix(const Bytes& prefix, const Bytes& reply)
{
    std::lock_guard lock(mutex);
    prefixAnswers.emplace_back(prefix, reply);
}

void CScriptedTester::Answer(const Bytes& request, const Bytes& reply)
{
    AnswerInTurn(request, {reply});
}

void CScriptedTester::AnswerInTurn(const Bytes& request, const std::vector<Bytes>& replies)
{
    std::lock_guard lock(mutex);
    answers[request] = replies;
}

void CScriptedTester::AnswerText(const std::string& command, const std::string& line)
{
    Answer({0x10}, {'>'});
    Bytes request(command.begin(), command.end());
    request.push_back('\r');
    Answer(request, Bytes(line.begin(), line.end()));
}

std::vector<Bytes> CScriptedTester::Requests()
{
    std::lock_guard lock(mutex);
    return requests;
}

void CScriptedTester::ClearRequests()
{
    std::lock_guard lock(mutex);
    requests.clear();
}

bool CScriptedTester::WaitForRequests(std::size_t n, int timeoutMs)
{
    std::unique_lock lock(mutex);
    return arrived.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return requests.size() >= n; });
}

Bytes CScriptedTester::Dispatch(const Bytes& request)
{
    Bytes reply;
    {
        std::lock_guard lock(mutex);
        requests.push_back(request);
        auto it = answers.find(request);
        if (it != answers.end() && !it->second.empty()) {
            reply = it->second.front();
            if (it->second.size() > 1)
                it->second.erase(it->second.begin());
        } else if (it == answers.end()) {
            for (const auto& [prefix, answer] : prefixAnswers)
                if (request.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), request.begin()))
                    reply = answer;
        }
    }
    arrived.notify_all();
    std::size_t done = 0;
    while (done < reply.size()) {
        const ssize_t n = ::write(master, reply.data() + done, reply.size() - done);
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return reply;
}

void CScriptedTester::Run()
{
    Bytes pending;
    bool text = false;
    for (;;) {
        pollfd fds[2] = {{master, POLLIN, 0}, {wakeRead, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0 && errno != EINTR)
            return;
        if (fds[1].revents & POLLIN)
            return;
        if (!(fds[0].revents & POLLIN))
            continue;
        std::uint8_t buffer[256];
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n <= 0)
            continue;
        for (ssize_t i = 0; i < n; ++i) {
            const std::uint8_t b = buffer[i];
            pending.push_back(b);
            if (text) {
                if (b == '\r') {
                    Dispatch(pending);
                    pending.clear();
                    text = false;
                }
                continue;
            }
            if (pending.size() == 1 && b == 0x10) {
                // Only a tester that offered its prompt takes a text command next.
                text = Dispatch(pending) == Bytes{'>'};
                pending.clear();
                continue;
            }
            if (pending.size() == 1 && (b < 0xC0 || b > 0xDF)) {
                pending.clear(); // noise
                continue;
            }
            const std::size_t length = 2 + (pending[0] - 0xC0);
            if (pending.size() == length) {
                Dispatch(pending);
                pending.clear();
            }
        }
    }
}

Bytes Frame(std::initializer_list<std::uint8_t> bytes)
{
    return Bytes(bytes);
}
