// The firmware update check: identification on the caller's thread, the server on its own.
#include "update/FirmwareCheck.h"

#include "data/UserPrompts.h"
#include "resources/StringTable.h"
#include "device/HxDevice.h"
#include "update/FileVersionInfo.h"
#include "update/UpdateSession.h"
#include "update/UpdateTexts.h"
#include "update/VerifiedDownload.h"
#include "update/Version.h"
#include "update/VersionMessage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QObject>
#include <QSaveFile>

#include <chrono>
#include <cstdio>

namespace {

constexpr int kReminderText = 22032; // "Repeatedly it was not possible to connect ... for the %s device. ..."

std::uint64_t VersionValue(const std::wstring& text)
{
    return CVersion(QString::fromStdWString(text)).Value();
}

} // namespace

QString DefaultFirmwareFolder()
{
    QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (cache.isEmpty() || QDir::isRelativePath(cache))
        cache = QDir::homePath() + QStringLiteral("/.cache");
    return cache + QStringLiteral("/scleron/firmware");
}

// What one check thread works with: its own session and copies of the tester's data.
struct CFirmwareCheck::Run {
    std::unique_ptr<CUpdateSession> session;
    QString folder;
    QString registryKey;
    QString typeName;
    Device::CContents contents;
    int firmwareMessage = 0;
    int osMessage = 0;
    std::atomic<bool> stop{false};
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
};

CFirmwareCheck::CFirmwareCheck(QObject* window, SUpdateServer server, QString productName, SFirmwarePackages packages)
    : m_window(window)
    , m_server(std::move(server))
    , m_productName(std::move(productName))
    , m_packages(std::move(packages))
{
}

CFirmwareCheck::~CFirmwareCheck()
{
    EndCheck(0);
}

bool CFirmwareCheck::Start(Device::CHxDevice* device, int firmwareMessage, int osMessage)
{
    EndCheck(kPreviousCheckWaitMs);
    m_device = device;
    m_firmwareMessage = firmwareMessage;
    m_osMessage = osMessage;
    if (device == nullptr || !device->ReadIdentity(m_identity))
        return false;
    if (!device->GetVersions(m_contents, VersionValue))
        return false;
    if (m_registryKey.isEmpty()) {
        QString product = m_productName;
        if (product.isEmpty()) {
            CFileVersionInfo info;
            info.LoadModule();
            product = info.GetProductName();
        }
        m_registryKey = FirmwareCheckRegistryKey(product);
    }
    SFirmwareCounters counters = Counters();
    ReadFirmwareCounters(m_registryKey, counters);
    m_failCount = counters.failCount;
    m_failCountMax = counters.failCountMax;
    char folder[16];
    std::snprintf(folder, sizeof folder, "%08x", static_cast<unsigned>(device->GetDeviceId()));
    m_folder = QString::fromLatin1(folder);
    // The device is the caller's again from here on.
    m_device = nullptr;

    auto run = std::make_shared<Run>();
    run->session = std::make_unique<CUpdateSession>(m_server);
    run->folder = m_folder;
    run->registryKey = m_registryKey;
    run->typeName = QString::fromStdWString(m_identity.type);
    run->contents = m_contents;
    run->firmwareMessage = m_firmwareMessage;
    run->osMessage = m_osMessage;
    try {
        m_thread = std::thread([this, run] {
            Check(*run);
            std::lock_guard<std::mutex> lock(run->mutex);
            run->done = true;
            run->ended.notify_all();
        });
    } catch (const std::system_error&) {
        return false;
    }
    m_run = std::move(run);
    return true;
}

void CFirmwareCheck::Check(Run& run)
{
    CUpdateSession& session = *run.session;
    session.SetShowMessages(false);
    {
        std::lock_guard<std::mutex> lock(m_packageMutex);
        m_package = {};
    }
    const bool connected = session.ConnectFolder(run.folder);
    // A check that was asked to stop did not fail: it was not let finish.
    if (!connected && run.stop)
        return;
    // Only a server that could not be reached counts towards the reminder; one that answered
    // (even without a folder for this tester) was reached.
    const bool folderMissing = !connected && session.LastFailure() == UpdateFailure::NotFound;
    if (!connected && !folderMissing) {
        if (session.LastFailure() != UpdateFailure::Unreachable)
            return;
        SFirmwareCounters counters = Counters();
        const bool remind = CountFirmwareCheckFailure(counters);
        m_failCount = counters.failCount;
        m_failCountMax = counters.failCountMax;
        WriteFirmwareCounters(run.registryKey, counters);
        if (remind)
            PostReminder(run.typeName);
        return;
    }
    SFirmwareCounters counters;
    CountFirmwareCheckSuccess(counters);
    m_failCount = counters.failCount;
    m_failCountMax = counters.failCountMax;
    WriteFirmwareCounters(run.registryKey, counters);

    // By kind (application firmware 1, operating system 2): the package to offer and its version.
    CVersion newest[3];
    SRemoteEntry chosen[3];
    // No folder for this tester: no firmware is offered for it.
    const std::vector<Device::SContentEntry> none;
    for (const Device::SContentEntry& entry : folderMissing ? none : run.contents.entries) {
        if (entry.kind != Device::kContentApplication && entry.kind != Device::kContentOperatingSystem)
            continue;
        // Always the server's listing as it is now.
        const auto listing = session.List(QStringLiteral("*.lod"));
        if (!listing || run.stop) {
            // The listing broke off: the check ends without a result.
            session.Close();
            return;
        }
        const CVersion installed = CVersion::FromValue(entry.version);
        for (const SRemoteEntry& file : *listing) {
            const CVersion offered = CVersion::FromFirmwareName(file.name, entry.kind);
            // The last listed package above the installed version wins, not the highest.
            if (!offered.IsNull() && offered > installed) {
                newest[entry.kind] = offered;
                chosen[entry.kind] = file;
            }
        }
    }
    // Only what verified is offered.
    for (int kind : {Device::kContentOperatingSystem, Device::kContentApplication}) {
        const bool posted = kind == Device::kContentApplication || run.osMessage != 0;
        if (posted && !newest[kind].IsNull() && !run.stop)
            newest[kind] = FetchPackage(run, chosen[kind], newest[kind], kind);
    }
    if (!run.stop) {
        if (run.osMessage != 0)
            PostVersionMessage(m_window, run.osMessage, newest[Device::kContentOperatingSystem]);
        PostVersionMessage(m_window, run.firmwareMessage, newest[Device::kContentApplication]);
    }
    session.Close();
}

CVersion CFirmwareCheck::FetchPackage(Run& run, const SRemoteEntry& entry, const CVersion& version, int kind)
{
    const QString folder = m_packages.folder + QLatin1Char('/') + run.folder;
    const QString path = folder + QLatin1Char('/') + entry.name;
    const QString signaturePath = path + QLatin1String(kSignatureExtension);
    QFile::remove(signaturePath);
    SDownloadOutcome outcome;
    QSaveFile file(path);
    if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly)) {
        outcome.result = DownloadResult::LocalWriteFailed;
        outcome.text = ResString(UpdateText::LocalWriteFailed) + QLatin1Char('\n') + file.errorString();
    } else {
        outcome = DownloadVerified(*run.session, entry.name, entry.size, file, m_packages.trustedKeys);
    }
    if (outcome.result == DownloadResult::Done) {
        QSaveFile signature(signaturePath);
        if (signature.open(QIODevice::WriteOnly) && signature.write(outcome.signature) == outcome.signature.size()
            && signature.commit()) {
            if (kind == Device::kContentApplication) {
                std::lock_guard<std::mutex> lock(m_packageMutex);
                m_package = {path, outcome.signature};
            }
            return version;
        }
        outcome.text = ResString(UpdateText::LocalWriteFailed);
    }
    // Nothing of a package that is not offered stays behind.
    QFile::remove(path);
    QFile::remove(signaturePath);
    // A server that failed or a stop: the next check tries again. Anything else the operator hears.
    if (outcome.result != DownloadResult::ServerFailed && outcome.result != DownloadResult::Stopped)
        PostNotice(FillResString(UpdateText::FirmwareNotOffered, {run.typeName, outcome.text}));
    return CVersion();
}

SFirmwarePackage CFirmwareCheck::CheckedPackage(QString* problem)
{
    SFirmwarePackage package;
    {
        std::lock_guard<std::mutex> lock(m_packageMutex);
        package = m_package;
    }
    if (package.path.isEmpty())
        return {};
    if (VerifyFile(package.path, package.signature, m_packages.trustedKeys) == SignatureCheck::Verified)
        return package;
    QFile::remove(package.path);
    QFile::remove(package.path + QLatin1String(kSignatureExtension));
    {
        std::lock_guard<std::mutex> lock(m_packageMutex);
        m_package = {};
    }
    if (problem)
        *problem = FillResString(UpdateText::FirmwareChanged, {package.path});
    return {};
}

void CFirmwareCheck::PostReminder(const QString& typeName)
{
    if (m_window == nullptr)
        return;
    const QString text = FillResString(kReminderText, {typeName});
    // Shown by the user-interface thread; dropped if the window is gone by then.
    QMetaObject::invokeMethod(
        m_window, [text] { Prompts().Message(text, PromptButtons::Ok, PromptIcon::Information); },
        Qt::QueuedConnection);
}

void CFirmwareCheck::PostNotice(const QString& text)
{
    if (m_window == nullptr)
        return;
    QMetaObject::invokeMethod(
        m_window, [text] { Prompts().Message(text, PromptButtons::Ok, PromptIcon::Warning); }, Qt::QueuedConnection);
}

bool CFirmwareCheck::WaitForCheck(int timeoutMs)
{
    if (!m_run)
        return true;
    std::unique_lock<std::mutex> lock(m_run->mutex);
    return m_run->ended.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return m_run->done; });
}

void CFirmwareCheck::EndCheck(int waitMs)
{
    if (!m_thread.joinable())
        return;
    if (!WaitForCheck(waitMs)) {
        m_run->stop = true;
        m_run->session->RequestStop();
    }
    m_thread.join();
    m_run.reset();
}

SFirmwareCounters CFirmwareCheck::Counters() const
{
    return {m_failCount.load(), m_failCountMax.load()};
}
