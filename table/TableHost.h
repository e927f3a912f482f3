#pragma once
// What the table needs of the window that shows it: the status bar, whether the serial port is
// open (for the "Online"/"Offline" text), the main window (caption, repaint, dialog parent). The
// desktop program installs its implementation; without one the table runs without a window
// (status texts go nowhere, the port counts as closed).

#include <QString>

class QWidget;

class ITableHost {
public:
    virtual ~ITableHost() = default;
    virtual void SetStatusText(const QString& text) = 0;
    virtual bool IsPortOpen() const = 0;
    // The main window, or nullptr. Used as the parent of dialogs and for its caption.
    virtual QWidget* MainWindow() const = 0;
    // The table's rows or cell texts changed: called once after every reset (SetupTable) and full
    // rebuild (RefreshTable) and once at the end of every table command, click, key or in-place edit that acted on the
    // table. Whatever follows the table (a chart, a live export) hooks on here.
    virtual void TableChanged() {}
};

// The installed host (never null).
ITableHost& TableHost();
// Installs a host (not owned); nullptr restores the window-less default.
void SetTableHost(ITableHost* host);

// Shows "Online" when the serial port is open, else "Offline", in the status bar; after a file
// was written (writtenPath not empty) followed by "Written to <path>".
void ShowConnectionStatus(const QString& writtenPath = {});
// A status text followed by " — Written to <path>": how a command says where its file went.
QString WithWrittenNote(const QString& status, const QString& writtenPath);
// Repaints the main window, if there is one.
void RepaintMainWindow();
// Tells the host that the table's contents changed.
void NotifyTableChanged();

// Shows the wait cursor for its lifetime (only when a GUI application exists).
class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    bool shown = false;
};
