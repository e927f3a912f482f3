#include "app/MainFrame.h"

#include "app/AppStrings.h"
#include "app/ChartDock.h"
#include "app/CommandIds.h"
#include "app/ControlIds.h"
#include "app/MainMenu.h"
#include "app/MainToolBar.h"
#include "data/UserPrompts.h"
#include "devicelink/DeviceLink.h"
#include "resources/StringTable.h"
#include "updatewizard/AutoUpdate.h"

#include <QAction>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileInfo>
#include <QUrl>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>

CMainFrame::CMainFrame(const Options& options)
    : m_actions(this, [this](int id) { RunCommand(id); })
    , m_appCommands(options.appCommands)
    , m_lockKeyOn([](LockKey key) { return LockKeyOn(key); })
{
    setWindowTitle(ResString(AppText::Title));
    SetTableHost(this);
    m_view.Create(this, this, options.commandLine);
    setCentralWidget(&m_view);
    m_chartDock = AddSeriesChartDock(*this, m_view);
    connect(this, &CMainFrame::tableChanged, &m_view, &CChildView::FitColumnsToContent);
    m_view.FitColumnsToContent();
    setFocusProxy(&m_view);
    CreateToolBar();
    CreateStatusBar();
    BuildMainMenu(menuBar(), m_actions, [this](QMenu* menu) {
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
    });
    ApplyStandardShortcuts(m_actions);
    m_view.SetRecentFiles(&m_recentFiles);
    AddRecentFileItems();
    AddFrameCommands();
    CreateUpdateService(options);
    for (int i = 0; i < Cmd::RecentFileCount; ++i)
        m_commands.Add(Cmd::RecentFile1 + i, [this, i] { OpenRecentFile(i); },
            [this, i](CommandState& state) { state.enabled = i < m_recentFiles.Files().size(); });

    connect(&m_idleTimer, &QTimer::timeout, this, [this] {
        UpdateCommandUI();
        UpdateIndicators();
    });
    m_idleTimer.start(kIdleUpdateMs);
    UpdateCommandUI();
    UpdateIndicators();
}

CMainFrame::CMainFrame()
    : CMainFrame(Options())
{
}

bool CMainFrame::OpenDocument(const QString& path)
{
    // False when the desktop has no program for it.
    return m_openUrl(QUrl::fromLocalFile(path));
}

CMainFrame::~CMainFrame()
{
    m_idleTimer.stop();
    m_view.SetRecentFiles(nullptr);
    // Ends a background search still running before anything it could post to goes.
    m_updateService.reset();
    // The view is a member: the window must not delete it a second time.
    takeCentralWidget();
    if (&TableHost() == this)
        SetTableHost(nullptr);
}

bool CMainFrame::IsPortOpen() const
{
    return m_view.Link().IsOpen();
}

void CMainFrame::CreateToolBar()
{
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("toolbar%1").arg(ResId::MainFrame));
    SetControlId(m_toolBar, CtrlId::ToolBar);
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    BuildToolBar(m_toolBar, m_actions);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
}

void CMainFrame::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    SetControlId(bar, CtrlId::StatusBar);
    m_statusPane = new QLabel(m_statusText, bar);
    m_statusPane->setObjectName(QStringLiteral("statusText"));
    bar->addWidget(m_statusPane, 1);
    // An indicator keeps its width and shows its text only while its key is on.
    auto makeIndicator = [bar](int textId, const char* name) {
        auto* pane = new QLabel(bar);
        pane->setObjectName(QLatin1String(name));
        pane->setProperty("indicatorText", ResString(textId));
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(ResString(textId)) + 8);
        bar->addPermanentWidget(pane);
        return pane;
    };
    m_capsPane = makeIndicator(AppText::CapsIndicator, "indicatorCaps");
    m_numPane = makeIndicator(AppText::NumIndicator, "indicatorNum");
}

void CMainFrame::SetStatusText(const QString& text)
{
    m_statusText = text.left(kMaxStatusText);
    if (m_statusPane)
        m_statusPane->setText(m_statusText);
}

QString CMainFrame::ShownStatusText() const
{
    return m_statusPane ? m_statusPane->text() : QString();
}

void CMainFrame::ShowPrompt(const QString& prompt)
{
    if (m_statusPane)
        m_statusPane->setText(prompt.isEmpty() ? m_statusText : prompt);
}

bool CMainFrame::event(QEvent* event)
{
    // Menu and toolbar prompts are shown in the first pane while the pointer is on an item;
    // when it leaves (an empty prompt) the status text comes back instead of an idle text.
    if (event->type() == QEvent::StatusTip) {
        ShowPrompt(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    if (OnVersionMessage(event))
        return true;
    return QMainWindow::event(event);
}

CommandState CMainFrame::StateOf(int id) const
{
    CommandState state;
    if (m_view.Commands().Update(id, state) || m_commands.Update(id, state)
        || (m_appCommands && m_appCommands->Update(id, state)))
        return state;
    return CommandState{false, false};
}

bool CMainFrame::RunCommand(int id)
{
    const bool ran = m_view.Commands().Run(id) || m_commands.Run(id) || (m_appCommands && m_appCommands->Run(id));
    UpdateCommandUI();
    return ran;
}

void CMainFrame::UpdateCommandUI()
{
    for (QAction* action : m_actions.All()) {
        const CommandState state = StateOf(CommandActions::CommandOf(action));
        action->setEnabled(state.enabled);
        action->setCheckable(state.checked);
        action->setChecked(state.checked);
    }
}

void CMainFrame::SetLockKeySource(std::function<bool(LockKey)> source)
{
    m_lockKeyOn = std::move(source);
    UpdateIndicators();
}

void CMainFrame::UpdateIndicators()
{
    for (auto [pane, key] : {std::pair{m_capsPane, LockKey::Caps}, std::pair{m_numPane, LockKey::Num}}) {
        const QString text = m_lockKeyOn(key) ? pane->property("indicatorText").toString() : QString();
        if (pane->text() != text)
            pane->setText(text);
    }
}

void CMainFrame::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // The chart takes at most a third of a narrow window, so the table and the tester keep room.
    if (m_chartDock && !m_chartDock->isFloating() && m_chartDock->isVisible()) {
        const int most = qMax(m_chartDock->minimumSizeHint().width(), width() / 3);
        if (m_chartDock->width() > most)
            resizeDocks({m_chartDock}, {most}, Qt::Horizontal);
    }
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!m_view.ResetData(true)) {
        event->ignore();
        return;
    }
    m_updateService.reset();
    RemoveUpdateMenu();
    m_idleTimer.stop();
    event->accept();
}

void CMainFrame::RemoveUpdateMenu()
{
    if (!m_updateMenu)
        return;
    menuBar()->removeAction(m_updateMenu->menuAction());
    // Later: the menu may be the one whose item is being carried out right now.
    m_updateMenu->deleteLater();
    m_updateMenu = nullptr;
}

void CMainFrame::AddRecentFileItems()
{
    QMenu* file = menuBar()->findChild<QMenu*>(QStringLiteral("file"));
    QAction* exit = m_actions.Find(Cmd::Exit);
    if (!file || !exit)
        return;
    for (int i = 0; i < Cmd::RecentFileCount; ++i)
        file->insertAction(exit, m_actions.Get(Cmd::RecentFile1 + i));
    QAction* separator = file->insertSeparator(exit);
    separator->setObjectName(QStringLiteral("recentFilesSeparator"));
    connect(file, &QMenu::aboutToShow, this, &CMainFrame::UpdateRecentFileItems);
    UpdateRecentFileItems();
}

void CMainFrame::UpdateRecentFileItems()
{
    const int count = static_cast<int>(m_recentFiles.Files().size());
    for (int i = 0; i < Cmd::RecentFileCount; ++i) {
        QAction* action = m_actions.Get(Cmd::RecentFile1 + i);
        action->setVisible(i < count);
        action->setText(m_recentFiles.MenuText(i));
        action->setStatusTip(i < count ? m_recentFiles.Files()[i] : QString());
    }
    if (QMenu* file = menuBar()->findChild<QMenu*>(QStringLiteral("file")))
        if (QAction* separator = file->findChild<QAction*>(QStringLiteral("recentFilesSeparator")))
            separator->setVisible(count > 0);
}

void CMainFrame::OpenRecentFile(int i)
{
    if (i < 0 || i >= m_recentFiles.Files().size())
        return;
    const QString path = m_recentFiles.Files()[i];
    if (!QFileInfo(path).isFile()) {
        m_recentFiles.Remove(path);
        UpdateRecentFileItems();
        Prompts().Message(ResString(AppText::RecentFileMissing).arg(path), PromptButtons::Ok, PromptIcon::Warning);
        return;
    }
    m_view.OpenFile(path);
    UpdateRecentFileItems();
}
