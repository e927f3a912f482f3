#include "updatewizard/PageDownload.h"

#include "data/UserPrompts.h"
#include "resources/StringTable.h"
#include "update/RemoteFile.h"
#include "update/UpdateTexts.h"
#include "updatewizard/AutoUpdate.h"

#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QSaveFile>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr double kBytesPerMegabyte = 1048576.0;
} // namespace

CPageDownload::CPageDownload(CAutoUpdate* sheet)
    : CUpdatePage(sheet, kDialogId, UpdateText::DownloadPage)
{
    m_title = AddLine(kTitleLine);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ctrl%1").arg(kProgressBar));
    m_progress->setRange(0, 100);
    layout()->addWidget(m_progress);
    m_status = AddLine(kStatusLine);
    static_cast<QVBoxLayout*>(layout())->addStretch(1);
}

CPageDownload::~CPageDownload() = default;

qint64 CPageDownload::ChunkSize(quint64 installerSize)
{
    return std::clamp<qint64>(static_cast<qint64>(installerSize / 10000), kMinChunk, kMaxChunk);
}

void CPageDownload::initializePage()
{
    m_title->setText(FillResString(UpdateText::Downloading, {m_sheet->installerName}));
    m_title->show();
    m_status->clear();
    m_status->show();
    m_progress->setValue(0);
    m_progress->show();
    SetWizardButtons(CAutoUpdate::kButtonsNone);
    PostStep(this, CAutoUpdate::UM_DOWNLOAD_START);
}

bool CPageDownload::event(QEvent* event)
{
    if (IsStep(event, CAutoUpdate::UM_DOWNLOAD_START))
        OnStart();
    else if (IsStep(event, CAutoUpdate::UM_DOWNLOAD_CHUNK))
        OnChunk();
    else if (IsStep(event, CAutoUpdate::UM_DOWNLOAD_DONE))
        OnDone();
    else
        return CUpdatePage::event(event);
    return true;
}

bool CPageDownload::OpenLocalFile()
{
    const QString name = m_sheet->installerName;
    m_localPath = m_sheet->Setup().programFolder + name;
    m_local = std::make_unique<QSaveFile>(m_localPath);
    if (m_local->open(QIODevice::WriteOnly))
        return true;
    FileDialogRequest request;
    request.filter = QStringLiteral("(*.exe)|*.exe|");
    request.initialName = name;
    request.defaultExtension = QStringLiteral("exe");
    request.save = true;
    const QString chosen = Prompts().FileName(request);
    if (chosen.isEmpty())
        return false;
    m_localPath = chosen;
    m_local = std::make_unique<QSaveFile>(m_localPath);
    m_title->setText(FillResString(UpdateText::Downloading, {QFileInfo(chosen).fileName()}));
    return m_local->open(QIODevice::WriteOnly);
}

void CPageDownload::OnStart()
{
    QString error;
    if (!m_sheet->EnsureConnected(&error)) {
        EndStep(error);
        return;
    }
    if (!OpenLocalFile()) {
        // Nothing to write to: only Cancel is left.
        m_local.reset();
        m_sheet->Server().Disconnect();
        return;
    }
    m_remote = m_sheet->Server().OpenFile(m_sheet->installerName);
    if (!m_remote) {
        EndStep(m_sheet->Server().GetErrorText());
        return;
    }
    m_transferred = 0;
    m_progress->setValue(0);
    m_status->setText(QString::number(m_transferred));
    m_buffer.resize(ChunkSize(m_sheet->installerSize));
    PostStep(this, CAutoUpdate::UM_DOWNLOAD_CHUNK);
}

void CPageDownload::OnChunk()
{
    if (!m_remote)
        return;
    const quint64 size = m_sheet->installerSize;
    if (m_transferred < size) {
        const qint64 n = m_remote->Read(m_buffer.data(), m_buffer.size());
        if (n <= 0) {
            // The end of the file or of the connection before the listed size.
            EndStep(ResString(UpdateText::DownloadError));
            return;
        }
        if (m_local->write(m_buffer.constData(), n) != n) {
            Prompts().Message(m_local->errorString(), PromptButtons::Ok, PromptIcon::Error);
            EndStep(ResString(UpdateText::DownloadError));
            return;
        }
        m_transferred += static_cast<quint64>(n);
        if (m_transferred > size) {
            // The file on the server is not the one the listing described.
            EndStep(ResString(UpdateText::DownloadError));
            return;
        }
        ShowProgress();
    }
    if (m_transferred < size) {
        PostStep(this, CAutoUpdate::UM_DOWNLOAD_CHUNK);
        return;
    }
    m_remote.reset();
    m_sheet->Server().Disconnect();
    if (!m_local->commit()) {
        const QString reason = m_local->errorString();
        m_local.reset();
        Prompts().Message(reason, PromptButtons::Ok, PromptIcon::Error);
        EndStep(ResString(UpdateText::DownloadError));
        return;
    }
    m_local.reset();
    PostStep(this, CAutoUpdate::UM_DOWNLOAD_DONE);
}

void CPageDownload::ShowProgress()
{
    const quint64 size = m_sheet->installerSize;
    m_progress->setValue(size ? static_cast<int>(m_transferred * 100 / size) : 100);
    const QString text = FillResString(UpdateText::MegabytesDownloaded,
                                       {QString::number(m_transferred / kBytesPerMegabyte, 'f', 2)});
    if (m_status->text() != text)
        m_status->setText(text);
}

void CPageDownload::OnDone()
{
    QString error;
    if (!m_sheet->Setup().startInstaller(m_localPath, &error)) {
        const QString text = ResString(UpdateText::InstallerNotStarted).arg(m_localPath, error);
        Prompts().Message(text, PromptButtons::Ok, PromptIcon::Error);
        EndStep(text);
        return;
    }
    m_sheet->InstallerStarted();
}

void CPageDownload::EndStep(const QString& text)
{
    m_title->setText(text);
    m_title->show();
    m_status->hide();
    m_progress->hide();
    SetWizardButtons(CAutoUpdate::kButtonFinish);
    Abort();
}

void CPageDownload::Abort()
{
    m_remote.reset();
    if (m_local) {
        m_local->cancelWriting();
        m_local.reset(); // the temporary file goes with it
    }
    m_sheet->Server().Disconnect();
}
