#include "updatewizard/AutoUpdate.h"

#include "resources/StringTable.h"
#include "update/FileVersionInfo.h"
#include "update/UpdateTexts.h"
#include "update/VersionMessage.h"
#include "updatewizard/PageDownload.h"
#include "updatewizard/PageSearch.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>

namespace {
constexpr int kSearchPageId = 0;
constexpr int kDownloadPageId = 1;
} // namespace

SUpdateSetup RunningProgramSetup()
{
    SUpdateSetup setup;
    const QString exe = CFileVersionInfo::OwnExecutablePath();
    setup.programFolder = QFileInfo(exe).absolutePath() + QLatin1Char('/');
    CFileVersionInfo info;
    info.LoadFile(exe);
    setup.productName = info.GetProductName();
    setup.productVersion = info.GetProductVersion();
    return setup;
}

bool StartInstallerDetached(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    QProcess process;
    process.setProgram(path);
    process.setWorkingDirectory(QFileInfo(path).absolutePath());
    if (!process.startDetached()) {
        if (error)
            *error = process.errorString();
        return false;
    }
    return true;
}

void PostStep(QObject* page, int message)
{
    QCoreApplication::postEvent(page, new QEvent(static_cast<QEvent::Type>(QEvent::User + message)));
}

bool IsStep(const QEvent* event, int message)
{
    return event->type() == static_cast<QEvent::Type>(QEvent::User + message);
}

QString ShownFileName(const QString& name)
{
    constexpr qsizetype kShown = 80;
    if (name.size() <= kShown)
        return name;
    return name.left(kShown / 2 - 1) + QChar(0x2026) + name.right(kShown / 2);
}

CAutoUpdate::CAutoUpdate(QWidget* mainFrame, SUpdateSetup setup)
    : QWizard(mainFrame)
    , m_setup(std::move(setup))
    , m_server(m_setup.server)
    , m_worker(m_server)
    , m_mainFrame(mainFrame)
{
    if (!m_setup.startInstaller)
        m_setup.startInstaller = &StartInstallerDetached;
    m_server.SetProductName(m_setup.productName);
    setObjectName(QStringLiteral("autoUpdate"));
    setWindowTitle(ResString(UpdateText::ProgramTitle));
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::NoBackButtonOnStartPage);
    setOption(QWizard::DisabledBackButtonOnLastPage);
    setButtonText(QWizard::NextButton, ResString(UpdateText::Next));
    setButtonText(QWizard::BackButton, ResString(UpdateText::Back));
    setButtonText(QWizard::FinishButton, ResString(UpdateText::Finish));
    setButtonText(QWizard::CancelButton, ResString(UpdateText::Cancel));
    // Return presses the one button UpdateDefaultButton names, never the button that has the focus.
    for (QWizard::WizardButton which : {QWizard::BackButton, QWizard::NextButton, QWizard::FinishButton, QWizard::CancelButton})
        if (auto* push = qobject_cast<QPushButton*>(button(which)))
            push->setAutoDefault(false);
    connect(this, &QWizard::currentIdChanged, this, [this] { UpdateDefaultButton(); });
    m_searchPage = new CPageSearch(this);
    m_downloadPage = new CPageDownload(this);
    setPage(kSearchPageId, m_searchPage);
    setPage(kDownloadPageId, m_downloadPage);
    setStartId(kSearchPageId);
}

CAutoUpdate::~CAutoUpdate()
{
    m_search.Stop();
    m_worker.Cancel();
    m_worker.Wait();
}

void CAutoUpdate::UpdateDefaultButton()
{
    QPushButton* chosen = nullptr;
    for (QWizard::WizardButton which : {QWizard::NextButton, QWizard::FinishButton}) {
        auto* push = qobject_cast<QPushButton*>(button(which));
        if (push && push->isVisibleTo(this) && push->isEnabled() && !chosen)
            chosen = push;
    }
    for (QWizard::WizardButton which : {QWizard::BackButton, QWizard::NextButton, QWizard::FinishButton, QWizard::CancelButton})
        if (auto* push = qobject_cast<QPushButton*>(button(which)))
            push->setDefault(push == chosen);
}

void CAutoUpdate::StartBackgroundCheck(int resultMessage)
{
    QObject* frame = m_mainFrame;
    // The frame owns this object, and Stop() in the destructor waits for the thread: the frame
    // still exists whenever the thread posts.
    m_search.Start(m_server, OwnVersion(),
                   [frame, resultMessage](const CVersion& newest) { PostVersionMessage(frame, resultMessage, newest); });
}

bool CAutoUpdate::RunWizard()
{
    m_search.Stop();
    m_worker.Wait();
    // The pages tell failures themselves.
    m_server.SetShowMessages(false);
    m_installerStarted = false;
    restart();
    const int result = exec();
    return result == QDialog::Accepted && m_installerStarted;
}

bool CAutoUpdate::EnsureConnected(QString* error)
{
    if (m_server.IsConnected())
        return true;
    const bool connected = m_server.ConnectFolder({});
    if (!connected && error)
        *error = m_server.GetErrorText();
    return connected;
}

void CAutoUpdate::InstallerStarted()
{
    m_installerStarted = true;
    accept();
}

void CAutoUpdate::done(int result)
{
    // Finish, Cancel or the end after the installer: nothing of this run goes on afterwards.
    m_downloadPage->Abort();
    for (int message : {UM_SEARCH_CONNECT, UM_SEARCH_LIST, UM_DOWNLOAD_START, UM_DOWNLOAD_CHUNK, UM_DOWNLOAD_DONE})
        for (QObject* page : {static_cast<QObject*>(m_searchPage), static_cast<QObject*>(m_downloadPage)})
            QCoreApplication::removePostedEvents(page, QEvent::User + message);
    // Does not wait for a job at work: it ends by itself within a moment and closes the connection.
    m_worker.Cancel();
    QWizard::done(result);
}
