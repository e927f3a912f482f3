#pragma once
// The pseudo-terminal the tester hangs on. The simulator holds the master side and one slave
// descriptor of its own, so the master never reads EIO while the PC has the port closed. It never
// changes the line settings: configuring the line is the PC program's job.

#include <string>

namespace Sim {

class Pty {
public:
    Pty() = default;
    ~Pty();
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    // Opens a fresh pseudo-terminal; false with a reason when that fails.
    bool Open(std::string* error);
    // Closes both sides: the slave path disappears and the PC's descriptor sees a hang-up.
    void Close();
    bool IsOpen() const { return master_ >= 0; }
    int Master() const { return master_; }
    const std::string& SlavePath() const { return slavePath_; }
    // True when the line still has canonical input or echo on, i.e. nobody configured it.
    bool LineLooksUnconfigured() const;

private:
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
};

// A symbolic link at linkPath naming the slave. An existing link is replaced; any other file at
// that path is left alone and reported.
bool PointLink(const std::string& linkPath, const std::string& target, std::string* error);
// Removes the link when it still points at target.
void RemoveLink(const std::string& linkPath, const std::string& target);

} // namespace Sim
