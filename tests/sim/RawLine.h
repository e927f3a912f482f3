#pragma once
// The PC side of a pseudo-terminal for the simulator's tests, written straight on termios: the
// line is configured here (raw, 38400 baud 8N1, RTS/CTS), never by the simulator.

#include <QByteArray>
#include <QString>

class RawLine {
public:
    // Opens path; configure = false leaves the line as it is (to look at what the simulator left).
    explicit RawLine(const QString& path, bool configure = true);
    ~RawLine();
    RawLine(const RawLine&) = delete;
    RawLine& operator=(const RawLine&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    int Descriptor() const { return fd_; }
    void Send(const QByteArray& bytes);
    // Reads until count bytes arrived or timeoutMs passed; returns what arrived.
    QByteArray Receive(int count, int timeoutMs = 2000);
    // Reads whatever arrives until the line was quiet for quietMs.
    QByteArray Drain(int quietMs = 300);
    // Discards what is waiting, sends the request and reads up to count bytes.
    QByteArray Exchange(const QByteArray& request, int count, int timeoutMs = 2000);
    // Convenience for hex requests: Exchange(QByteArray::fromHex(hex), count).
    QByteArray ExchangeHex(const char* hex, int count, int timeoutMs = 2000);
    // The text form: 0x10, the prompt, the command and CR, then one line up to CR or LF.
    // Empty when any step fails.
    QByteArray Text(const QByteArray& command, int timeoutMs = 2000);

private:
    int fd_ = -1;
};
