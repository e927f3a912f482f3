#pragma once
// A pseudo-terminal pair for stream tests. The test keeps a slave descriptor of its own open (as
// a device simulator would), so the master never reads EIO while the stream under test closes
// and reopens the slave by its path.

#include <string>

struct PtyPair {
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    // Writes all bytes to the master (the device side).
    void SendFromDevice(const std::string& bytes) const;
    // Reads from the master until count bytes arrived or timeoutMs passed.
    std::string ReceiveOnDevice(std::size_t count, int timeoutMs) const;
    // Puts the line into raw mode through the test's own slave descriptor (a fresh pty echoes
    // and collects lines until a program configures it).
    void MakeRaw() const;
    // Closes the master: the line hangs up (an unplugged device).
    void HangUp();

    int master = -1;
    int slave = -1;
    std::string path;
};
