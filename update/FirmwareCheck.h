#pragma once
// CFirmwareCheck: after a tester's port was opened, finds out whether newer firmware exists for it.
//
// Start identifies a second-generation tester over its open stream (on the caller's thread),
// notes its installed firmware and device id, then a thread of its own looks for firmware packages
// ("*.lod") in the tester's folder on the update server ("./DoDovavez/<id as %08x>/") and posts
// the newest version above the installed one to the main frame as UM_FIRMWARE_VERSION (0: none).
// Failed contacts are counted in the registry (FirmwareCounters.h); one failure too many reminds
// the user, in a message box shown on the user-interface thread, to connect the PC to the Internet.
//
// The thread works on copies of what it needs and touches no window: it only posts. A new Start
// lets a running check finish for up to 3 s and then asks it to stop; destroying the object asks
// a running check to stop at once. Either way the thread is waited for, never killed, and a check
// that was asked to stop posts nothing and counts nothing.

#include "device/Contents.h"
#include "device/DeviceIdentity.h"
#include "update/FirmwareCounters.h"
#include "update/UpdateServer.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

class QObject;

namespace Device {
class CHxDevice;
}

class CFirmwareCheck {
public:
    // How long a new Start lets the previous check finish before asking it to stop.
    static constexpr int kPreviousCheckWaitMs = 3000;

    // window receives the messages and is the context of the reminder (it must outlive this
    // object); server is where the firmware folders are; productName names the registry key (empty:
    // the running program's ProductName).
    CFirmwareCheck(QObject* window, SUpdateServer server, QString productName = {});
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
    std::shared_ptr<Run> m_run;
    std::thread m_thread;
};
