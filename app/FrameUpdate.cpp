// The main frame's update service, its "New version available!" menu, the two web links and
// measurement files dropped on the window.
#include "app/AppStrings.h"
#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "data/UserPrompts.h"
#include "resources/StringTable.h"
#include "update/VersionMessage.h"
#include "updatewizard/AutoUpdate.h"

#include <QDesktopServices>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>

namespace {

// The text with an access key on its first letter that no other entry of the same menu uses.
QString WithAccessKey(const QString& text, QString& usedKeys)
{
    if (text.contains(QLatin1Char('&')))
        return text;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar key = text[i].toLower();
        if (key.isLetter() && !usedKeys.contains(key)) {
            usedKeys += key;
            return text.left(i) + QLatin1Char('&') + text.mid(i);
        }
    }
    return text;
}

QString AccessKeysOf(const QMenuBar* bar)
{
    QString keys;
    for (const QAction* action : bar->actions()) {
        const QString text = action->text();
        const qsizetype amp = text.indexOf(QLatin1Char('&'));
        if (amp >= 0 && amp + 1 < text.size())
            keys += text[amp + 1].toLower();
    }
    return keys;
}

} // namespace

void CMainFrame::AddFrameCommands()
{
    m_commands.Add(Cmd::Exit, [this] { close(); });
    m_commands.Add(Cmd::CheckForUpdates, [this] { CheckForUpdates(); });
    m_commands.Add(Cmd::ProductRegistration, [this] { OpenWebLink(AppText::RegistrationPage); });
    m_commands.Add(Cmd::CustomerFeedback, [this] { OpenWebLink(AppText::FeedbackPage); });
    m_commands.Add(Cmd::SeriesChart, [this] { m_chartDock->setHidden(!m_chartDock->isHidden()); },
        [this](CommandState& state) { state.checked = !m_chartDock->isHidden(); });
}

void CMainFrame::CreateUpdateService(const Options& options)
{
    m_openUrl = options.openUrl ? options.openUrl : [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    setAcceptDrops(true);
    if (!options.update)
        return;
    m_updateService = std::make_unique<CAutoUpdate>(this, *options.update);
    m_updateService->StartBackgroundCheck(UM_SOFTWARE_VERSION);
}

void CMainFrame::CheckForUpdates()
{
    // The loaded data and the connection go even when the wizard then finds nothing.
    if (!m_view.ResetData(true))
        return;
    // The link is closed now: the status bar must not go on saying "Online" beside an empty
    // device list while the wizard runs and after it.
    SetStatusText(ResString(AppText::Offline));
    if (!m_updateService)
        return;
    if (m_updateService->RunWizard() && m_view.ResetData(true)) {
        // The installer runs: make way for it.
        m_updateService.reset();
        RemoveUpdateMenu();
        close();
    }
}

bool CMainFrame::OnVersionMessage(QEvent* event)
{
    const bool software = event->type() == CVersionMessage::TypeOf(UM_SOFTWARE_VERSION);
    const bool firmware = event->type() == CVersionMessage::TypeOf(UM_FIRMWARE_VERSION);
    if (!software && !firmware)
        return false;
    const CVersion version = static_cast<CVersionMessage*>(event)->Version();
    (software ? m_newestSoftware : m_newestFirmware) = version;
    RebuildUpdateMenu();
    return true;
}

void CMainFrame::ForgetNewestFirmware()
{
    m_newestFirmware = CVersion();
    RebuildUpdateMenu();
}

void CMainFrame::RebuildUpdateMenu()
{
    const QString softwareText = m_newestSoftware.IsNull()
        ? QString()
        : ResString(AppText::UpdateProgramTo).replace(QLatin1String("%s"), m_newestSoftware.Format(3));
    const QString firmwareText = m_newestFirmware.IsNull()
        ? QString()
        : ResString(AppText::UpdateTesterTo).replace(QLatin1String("%s"), m_newestFirmware.Format(3));
    RemoveUpdateMenu();
    if (!softwareText.isEmpty() || !firmwareText.isEmpty()) {
        QString barKeys = AccessKeysOf(menuBar());
        m_updateMenu = new QMenu(WithAccessKey(ResString(AppText::NewVersionAvailable), barKeys), this);
        m_updateMenu->setObjectName(QStringLiteral("updateMenu"));
        menuBar()->addMenu(m_updateMenu);
        QString itemKeys;
        const auto addItem = [this, &itemKeys](int command, const QString& text) {
            QAction* item = m_updateMenu->addAction(WithAccessKey(text, itemKeys));
            item->setData(command);
            item->setStatusTip(ResPrompt(command));
            connect(item, &QAction::triggered, this, [this, command] { RunCommand(command); });
        };
        if (!softwareText.isEmpty())
            addItem(Cmd::CheckForUpdates, softwareText);
        if (!firmwareText.isEmpty())
            addItem(Cmd::FirmwareUpgrade, firmwareText);
    }
    menuBar()->update();
}

void CMainFrame::OpenWebLink(int textId)
{
    // Without a browser the user is told the address, to open it elsewhere.
    const QString address = ResString(textId);
    if (!m_openUrl(QUrl(address)))
        Prompts().Message(ResString(AppText::CannotOpen).arg(address), PromptButtons::Ok, PromptIcon::Warning);
}

void CMainFrame::DropFiles(const QStringList& paths)
{
    if (paths.isEmpty())
        return;
    const QString& first = paths.first();
    if (first.right(4).compare(QLatin1String(".hkp"), Qt::CaseInsensitive) == 0)
        m_view.OpenFile(first);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    event->acceptProposedAction();
    DropFiles(paths);
}
