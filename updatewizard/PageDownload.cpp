#include "updatewizard/PageDownload.h"

#include "data/UserPrompts.h"
#include "resources/StringTable.h"
#include "update/UpdateTexts.h"
#include "update/VerifiedDownload.h"
#include "updatewizard/AutoUpdate.h"

#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QSaveFile>
#include <QVBoxLayout>

namespace {
constexpr double kBytesPerMegabyte = 1048576.0;

QString Megabytes(double bytes)
{
    return QString::number(bytes / kBytesPerMegabyte, 'f', 2);
}
} // namespace

CPageDownload::CPageDownload(CAutoUpdate* sheet)
    : CUpdatePage(sheet, kDialogId, UpdateText::DownloadPage)
    , m_transferred(std::make_shared<std::atomic<quint64>>(0))
{
    m_title = AddLine(kTitleLine);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ctrl%1").arg(kProgressBar));
    m_progress->setRange(0, 100);
    layout()->addWidget(m_progress);
    m_status = AddLine(kStatusLine);
    static_cast<QVBoxLayout*>(layout())->addStretch(1);
    m_progressTimer.setInterval(kProgressMs);
    connect(&m_progressTimer, &QTimer::timeout, this, &CPageDownload::ShowProgress);
}

CPageDownload::~CPageDownload() = default;

void CPageDownload::initializePage()
{
    setTitle(ResString(UpdateText::DownloadPage));
    m_title->setText(FillResString(UpdateText::Downloading, {ShownFileName(m_sheet->installerName)}));
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
    else if (IsStep(event, CAutoUpdate::UM_DOWNLOAD_DONE))
        OnDone();
    else
        return CUpdatePage::event(event);
    return true;
}

std::shared_ptr<QSaveFile> CPageDownload::OpenLocalFile()
{
    const QString name = m_sheet->installerName;
    m_localPath = m_sheet->Setup().programFolder + name;
    auto local = std::make_shared<QSaveFile>(m_localPath);
    if (local->open(QIODevice::WriteOnly))
        return local;
    FileDialogRequest request;
    request.filter = QStringLiteral("(*.exe)|*.exe|");
    request.initialName = name;
    request.defaultExtension = QStringLiteral("exe");
    request.save = true;
    const QString chosen = Prompts().FileName(request);
    if (chosen.isEmpty())
        return nullptr;
    m_localPath = chosen;
    local = std::make_shared<QSaveFile>(m_localPath);
    m_title->setText(FillResString(UpdateText::Downloading, {ShownFileName(QFileInfo(chosen).fileName())}));
    return local->open(QIODevice::WriteOnly) ? local : nullptr;
}

void CPageDownload::OnStart()
{
    const std::shared_ptr<QSaveFile> local = OpenLocalFile();
    if (!local)
        return; // nothing to write to: only Cancel is left
    *m_transferred = 0;
    m_clock.start();
    ShowProgress();
    m_progressTimer.start();

    auto outcome = std::make_shared<SDownloadOutcome>();
    CAutoUpdate* sheet = m_sheet;
    const QString name = sheet->installerName;
    const quint64 size = sheet->installerSize;
    const QList<SPublicKey> keys = sheet->Setup().trustedKeys;
    const std::shared_ptr<std::atomic<quint64>> transferred = m_transferred;
    // The job owns the local file: a cancelled job discards it when it ends.
    m_sheet->Worker().Run(
        this,
        [sheet, outcome, local, name, size, keys, transferred] {
            QString error;
            if (!sheet->EnsureConnected(&error)) {
                outcome->text = error;
                return;
            }
            *outcome = DownloadVerified(sheet->Server(), name, size, *local, keys, transferred.get());
            sheet->Server().Disconnect();
        },
        [this, outcome] { OnDownloaded(*outcome); });
}

void CPageDownload::ShowProgress()
{
    const quint64 size = m_sheet->installerSize;
    const quint64 done = *m_transferred;
    m_progress->setValue(size ? static_cast<int>(std::min<quint64>(done, size) * 100 / size) : 0);
    const double seconds = std::max<qint64>(m_clock.elapsed(), 1) / 1000.0;
    const QString text = FillResString(UpdateText::BytesOfTotal,
                                       {Megabytes(double(done)), Megabytes(double(size)), Megabytes(double(done) / seconds)});
    if (m_status->text() != text)
        m_status->setText(text);
}

void CPageDownload::OnDownloaded(const SDownloadOutcome& outcome)
{
    m_progressTimer.stop();
    if (outcome.result != DownloadResult::Done) {
        EndStep(outcome.text);
        return;
    }
    ShowProgress();
    PostStep(this, CAutoUpdate::UM_DOWNLOAD_DONE);
}

void CPageDownload::OnDone()
{
    // The program makes way for the installer: the operator hears it before it happens.
    Prompts().Message(FillResString(UpdateText::WillClose, {m_sheet->Setup().productName}), PromptButtons::Ok,
                      PromptIcon::Information);
    QString error;
    if (!m_sheet->Setup().startInstaller(m_localPath, &error)) {
        EndStep(ResString(UpdateText::InstallerNotStarted).arg(m_localPath, error));
        return;
    }
    m_sheet->InstallerStarted();
}

void CPageDownload::EndStep(const QString& text)
{
    setTitle(ResString(UpdateText::HeaderDownloadFailed));
    m_title->setText(text);
    m_title->show();
    m_status->hide();
    m_progress->hide();
    SetWizardButtons(CAutoUpdate::kButtonFinish);
    Abort();
}

void CPageDownload::Abort()
{
    m_progressTimer.stop();
    m_sheet->Worker().Cancel();
}
