#pragma once
// CArchiveDesk: the archive in the desktop program, put together in one place. It keeps the
// archive filled by itself (CArchiveFeeder) and carries the commands File > Archive... (the
// archive window) and Settings > Archive... (where it is kept, or off).

#include "app/ArchiveFeeder.h"
#include "app/CommandHandlers.h"

#include <memory>
#include <vector>

class CMainFrame;
struct ArchivedSeries;

class CArchiveDesk {
public:
    // How long closing the program waits for the archive to take what is still queued.
    static constexpr int kCloseFlushMs = 3000;

    explicit CArchiveDesk(CMainFrame& frame);
    ~CArchiveDesk();

    void AddCommands(CommandHandlers& commands);
    // File > Archive...: the archive window (modal).
    void ShowArchiveWindow();
    // Settings > Archive...
    void EditSettings();
    // Loads archived series as the window's document (asking to save the current data first).
    void OpenSeries(const std::vector<ArchivedSeries>& series);
    CArchiveFeeder& Feeder() { return feeder; }

private:
    CMainFrame& frame;
    CArchiveFeeder feeder;
};
