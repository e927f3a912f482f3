// The firmware update check: identification on the caller's thread, the server on its own.
#include "update/FirmwareCheck.h"

#include "data/UserPrompts.h"
#include "device/HxDevice.h"
#include "update/FileVersionInfo.h"
#include "update/UpdateSession.h"
#include "update/UpdateTexts.h"
#include "update/Version.h"
#include "update/VersionMessage.h"

#include <QMetaObject>
#include <QObject>

#include <chrono>
#include <cstdio>

namespace {

constexpr int kReminderText = 22032; // "Repeatedly it was not possible to connect ... for the %s device. ..."

std::uint64_t VersionValue(const std::wstring& text)
{
    return CVersion(QString::fromStdWString(text)).Value();
}

} // namespace

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

CFirmwareCheck::CFirmwareCheck(QObject* window, SUpdateServer server, QString productName)
    : m_window(window)
    , m_server(std::move(server))
    , m_productName(std::move(productName))
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
    if (!session.ConnectFolder(run.folder)) {
        // A check that was asked to stop did not fail: it was not let finish.
        if (run.stop)
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

    CVersion newest[3]; // by kind: application firmware 1, operating system 2
    for (const Device::SContentEntry& entry : run.contents.entries) {
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
            if (!offered.IsNull() && offered > installed)
                newest[entry.kind] = offered;
        }
    }
    if (!run.stop) {
        if (run.osMessage != 0)
            PostVersionMessage(m_window, run.osMessage, newest[Device::kContentOperatingSystem]);
        PostVersionMessage(m_window, run.firmwareMessage, newest[Device::kContentApplication]);
    }
    session.Close();
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
