#pragma once
// A scripted tester on a pseudo-terminal: answers each request with bytes a test chose, and
// records every request it received. It parses frames the way a tester does (0xC0 + n, command,
// n data bytes; 0x10 then a text command up to a carriage return) and, like a real tester, leaves
// the line settings to the program. The slave path is made COM1 through SCLERON_SERIAL_PORTS.

#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

class CScriptedTester {
public:
    CScriptedTester();
    ~CScriptedTester();

    const std::string& SlavePath() const { return slavePath; }

    // Answers request with reply (empty: silence) from now on.
    void Answer(const Bytes& request, const Bytes& reply);
    // Answers request with these replies in turn; the last one stays.
    void AnswerInTurn(const Bytes& request, const std::vector<Bytes>& replies);
    // Answers every request that starts with prefix and has no answer of its own.
    void AnswerPrefix(const Bytes& prefix, const Bytes& reply);
    // Answers the prompt byte 0x10 with '>' and the text command with line.
    void AnswerText(const std::string& command, const std::string& line);
    // The requests received so far, each as its raw bytes (a text command with its CR).
    std::vector<Bytes> Requests();
    void ClearRequests();
    // Waits until at least n requests arrived (at most timeoutMs).
    bool WaitForRequests(std::size_t n, int timeoutMs);
    // Pulls the plug: the tester's end of the line is closed, the line is hung up.
    void Hangup();

private:
    void Run();
    void Stop();
    // Records the request and writes its answer; returns the answer.
    Bytes Dispatch(const Bytes& request);

    int master = -1;
    int keepSlave = -1; // keeps the line alive while the program has its own end closed
    int wakeRead = -1;
    int wakeWrite = -1;
    std::string slavePath;
    std::thread worker;
    std::mutex mutex;
    std::condition_variable arrived;
    std::map<Bytes, std::vector<Bytes>> answers;
    std::vector<std::pair<Bytes, Bytes>> prefixAnswers;
    std::vector<Bytes> requests;
};

// Frames of the binary protocol.
Bytes Frame(std::initializer_list<std::uint8_t> bytes);
