#pragma once
// CFirmwareCheck: after a tester's port was opened, finds out whether newer firmware exists for it.
//
// Start identifies a second-generation tester over its open stream (on the caller's thread),
// notes its installed firmware and device id, then a thread of its own looks for firmware packages
// ("*.lod") in the tester's folder on the update server ("./DoDovavez/<id as %08x>/"), downloads
// the one to offer with its signature into the package folder (VerifiedDownload.h) and posts its
// version to the main frame as UM_FIRMWARE_VERSION only when it verified (0: none). A package that
// does not verify is removed and the operator is told why. A tester without a folder on the server
// has no firmware on offer. Failures to reach the server (and only those) are counted in the
// registry (FirmwareCounters.h); one failure too many reminds the user, in a message box shown on
// the user-interface thread, to connect the PC to the Internet.
//
// The thread works on copies of what it needs and touches no window: it only posts. A new Start
// lets a running check finish for up to 3 s and then asks it to stop; destroying the object asks
// a running check to stop at once. Either way the thread is waited for, never killed, and a check
// that was asked to stop posts nothing and counts nothing.

#include "device/Contents.h"
#include "device/DeviceIdentity.h"
#include "update/FirmwareCounters.h"
#include "update/Signature.h"
#include "update/TrustedKeys.h"
#include "update/UpdateServer.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

class QObject;
struct SRemoteEntry;
class CVersion;

// $XDG_CACHE_HOME/scleron/firmware (~/.cache/scleron/firmware by default).
QString DefaultFirmwareFolder();

namespace Device {
class CHxDevice;
}

// Where verified firmware packages are kept and whose signatures they may carry.
struct SFirmwarePackages {
    QList<SPublicKey> trustedKeys = TrustedUpdateKeys();
    // One folder per tester (its id) below this one.
    QString folder = DefaultFirmwareFolder();
};

// A verified package on offer: the file and the text of its signature.
struct SFirmwarePackage {
    QString path;
    QByteArray signature;
};

class CFirmwareCheck {
public:
    // How long a new Start lets the previous check finish before asking it to stop.
    static constexpr int kPreviousCheckWaitMs = 3000;

    // window receives the messages and is the context of the reminder (it must outlive this
    // object); server is where the firmware folders are; productName names the registry key (empty:
    // the running program's ProductName).
    CFirmwareCheck(QObject* window, SUpdateServer server, QString productName = {}, SFirmwarePackages packages = {});
    ~CFirmwareCheck();
    CFirmwareCheck(const CFirmwareCheck&) = delete;
    CFirmwareCheck& operator=(const CFirmwareCheck&) = delete;

    // Identifies the tester on device's attached stream and starts the check thread. False, with
    // no thread and the registry untouched, when the tester is not a second-generation one or its
    // versions are unknown. The caller detaches and destroys the device afterwards; the thread
    // never uses it. osMessage 0: the operating-system result is not posted.
    bool Start(Device::CHxDevice* device, int firmwareMessage, int osMessage);

    // Waits up to timeoutMs for a running check to end; true when none runs any more.
    bool WaitForCheck(int timeoutMs);

    // The verified application firmware package of the last check (empty path: none), checked once
    // more against its signature. A package that no longer verifies is removed; *problem then says
    // why and the path is empty.
    SFirmwarePackage CheckedPackage(QString* problem);

    // The counters as the last check left them (read them while no check runs).
    SFirmwareCounters Counters() const;
    const QString& Folder() const { return m_folder; }
    const QString& RegistryKey() const { return m_registryKey; }
    const Device::SShortIdentity& Identity() const { return m_identity; }
    const Device::CContents& Contents() const { return m_contents; }

private:
    struct Run;

    // Lets a running check finish within waitMs, then asks it to stop, and waits for it.
    void EndCheck(int waitMs);
    // The check thread.
    void Check(Run& run);
    void PostReminder(const QString& typeName);
    void PostNotice(const QString& text);
    // Downloads and verifies the package of entry into the tester's package folder; its version
    // when it verified, else 0 (and the operator told why, unless the server failed).
    CVersion FetchPackage(Run& run, const SRemoteEntry& entry, const CVersion& version, int kind);

    QObject* m_window;
    SUpdateServer m_server;
    QString m_productName;
    Device::CHxDevice* m_device = nullptr;
    QString m_folder;
    QString m_registryKey;
    std::atomic<int> m_failCount{0};
    std::atomic<int> m_failCountMax{1};
    int m_firmwareMessage = 0;
    int m_osMessage = 0;
    Device::CContents m_contents;
    Device::SShortIdentity m_identity;
    SFirmwarePackages m_packages;
    std::mutex m_packageMutex;
    SFirmwarePackage m_package;
    std::shared_ptr<Run> m_run;
    std::thread m_thread;
};
