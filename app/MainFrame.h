#pragma once
// CMainFrame: the program's one top-level window, with menu bar 128, toolbar 128, the status bar
// (text pane, "CAP", "NUM") and the main view. It keeps the program's status text, routes the
// menu and toolbar commands (view first, then the frame, then the application) and closes the
// program after the view agreed to discard its data.

#include "app/ChildView.h"
#include "app/CommandActions.h"
#include "app/CommandHandlers.h"
#include "app/LockKeys.h"
#include "app/RecentFiles.h"
#include "table/TableHost.h"
#include "update/Version.h"

#include <QMainWindow>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

class CAutoUpdate;
class QDockWidget;
class QLabel;
class QMenu;
class QToolBar;
class QUrl;
struct SUpdateSetup;

class CMainFrame : public QMainWindow, public IViewFrame, public ITableHost {
    Q_OBJECT
public:
    // Status texts are kept up to this many characters.
    static constexpr int kMaxStatusText = 255;
    // How often the command states and key indicators are brought up to date while idle.
    static constexpr int kIdleUpdateMs = 250;

    struct Options {
        QStringList commandLine;                      // arguments without the program name
        const CommandHandlers* appCommands = nullptr; // the application's own commands
        // The update service's setup; without one the frame has no update service (tests).
        const SUpdateSetup* update = nullptr;
        // Opens a document or a web address with the desktop's handler, without waiting; false
        // when that failed. Empty: the desktop's own handler.
        std::function<bool(const QUrl&)> openUrl;
    };

    CMainFrame();
    explicit CMainFrame(const Options& options);
    ~CMainFrame() override;

    CChildView& View() { return m_view; }
    QToolBar* ToolBar() const { return m_toolBar; }
    CommandActions& Actions() { return m_actions; }

    // Stores text as the status text and shows it in the first pane. The text is shown as it
    // stands (it is never used as a format pattern).
    void SetStatusText(const QString& text) override;
    // The stored status text, and what the first pane shows at the moment.
    QString StatusText() const override { return m_statusText; }
    bool OpenDocument(const QString& path) override;
    QString ShownStatusText() const;

    // The state a command gets from its handler; a command nobody handles is disabled.
    CommandState StateOf(int id) const;
    // Carries out a command through the routing; false when it is not handled or disabled.
    bool RunCommand(int id);
    // Brings every action's enabled and checked state up to date.
    void UpdateCommandUI();

    // ---- the update service and the "New version available!" menu (FrameUpdate.cpp) ----------
    // "Check for updates" (58466): the loaded data and the connection go first (asking to save),
    // then the update wizard runs; when it has started an installer the program closes.
    void CheckForUpdates();
    CAutoUpdate* UpdateService() const { return m_updateService.get(); }
    CVersion NewestSoftwareVersion() const { return m_newestSoftware; }
    CVersion NewestFirmwareVersion() const { return m_newestFirmware; }
    // The firmware upgrade was started: its item leaves the update menu.
    void ForgetNewestFirmware() override;
    // The "New version available!" popup while the menu bar shows one.
    QMenu* UpdateMenu() const { return m_updateMenu; }
    // A measurement file dropped on the window (only the first of several counts).
    void DropFiles(const QStringList& paths);
    // The recent measurement files of the File menu.
    CRecentFiles& RecentFiles() { return m_recentFiles; }
    // Opens entry i of the recent files; a file that is gone is taken off the list with a message.
    void OpenRecentFile(int i);

    // Replaces where the Caps Lock and Num Lock states come from (tests).
    void SetLockKeySource(std::function<bool(LockKey)> source);
    void UpdateIndicators();

    // What the table asks of its window: the port's state and the window itself.
    bool IsPortOpen() const override;
    QWidget* MainWindow() const override { return const_cast<CMainFrame*>(this); }
    // The table's contents changed (a rebuild, a table command): emits tableChanged().
    void TableChanged() override { emit tableChanged(); }

signals:
    // After every rebuild of the table and every table command, click, key or edit that acted on
    // it. Connect here whatever has to follow what the table shows.
    void tableChanged();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    QMenu* createPopupMenu() override { return nullptr; }

private:
    void CreateToolBar();
    void CreateStatusBar();
    void RemoveUpdateMenu();
    void CreateUpdateService(const Options& options);
    void AddFrameCommands();
    // UM_SOFTWARE_VERSION / UM_FIRMWARE_VERSION; false for any other event.
    bool OnVersionMessage(QEvent* event);
    void RebuildUpdateMenu();
    // Commands 2100 and 2101: the web page of string textId.
    void OpenWebLink(int textId);
    // The recent files above "Exit" in the File menu, brought up to date when it opens.
    void AddRecentFileItems();
    void UpdateRecentFileItems();
    // A menu or toolbar prompt (empty: none, the status text returns).
    void ShowPrompt(const QString& prompt);

    CRecentFiles m_recentFiles;
    QString m_statusText;
    QLabel* m_statusPane = nullptr;
    QLabel* m_capsPane = nullptr;
    QLabel* m_numPane = nullptr;
    QToolBar* m_toolBar = nullptr;
    QDockWidget* m_chartDock = nullptr;
    CChildView m_view;
    // The "New version available!" popup, while the menu bar shows one.
    QMenu* m_updateMenu = nullptr;
    std::unique_ptr<CAutoUpdate> m_updateService;
    CVersion m_newestSoftware;
    CVersion m_newestFirmware;
    std::function<bool(const QUrl&)> m_openUrl;
    CommandActions m_actions;
    CommandHandlers m_commands;
    const CommandHandlers* m_appCommands = nullptr;
    std::function<bool(LockKey)> m_lockKeyOn;
    QTimer m_idleTimer;
};
