// Finding and attaching a tester: "Connect device", the choice of another tester in the device
// list box, and attaching the chosen one.
#include "app/ChildView.h"

#include "app/AppStrings.h"
#include "data/UserPrompts.h"
#include "device/HxDevice.h"
#include "devicelink/DeviceLink.h"
#include "devicelink/FoundDevices.h"
#include "devicelink/TesterModels.h"
#include "resources/StringTable.h"
#include "table/TableHost.h"
#include "update/FirmwareCheck.h"
#include "update/VersionMessage.h"

#include <QComboBox>

void CChildView::Connect()
{
    CWaitCursor wait;
    ShowStatus(ResString(AppText::SearchDevice));
    if (ResetData(true)) {
        Link().ScanPorts();
        FillDeviceList();
        if (!store.foundDevices.IsEmpty()) {
            if (Link().OpenPort(store.foundPorts[0]) == LinkResult::Ok) {
                ShowStatus(ResString(AppText::Connecting));
                m_deviceList->setCurrentIndex(0);
                AttachSelectedTester();
            }
        } else {
            TellPortProblems();
        }
        if (m_table)
            m_table->setFocus();
    }
    update();
    ShowConnectResult();
}

void CChildView::FillDeviceList()
{
    m_deviceList->clear();
    m_attachedLine = -1;
    for (int i = 0; i < store.foundDevices.GetSize(); ++i) {
        const DEVICE& found = *store.foundDevices[i];
        m_deviceList->addItem(TesterModels::FoundDeviceLine(found.name, found.serialNumber, store.foundPorts[i]));
    }
}

void CChildView::TellPortProblems()
{
    // On Linux the usual reason for "no tester" is a port the user may not open (the serial
    // devices belong to a group such as "dialout"); the search has the reasons, one per port.
    const QStringList& problems = Link().PortProblems();
    if (problems.isEmpty())
        return;
    Prompts().Message(ResString(AppText::PortsNotOpened).arg(problems.join(QLatin1Char('\n'))), PromptButtons::Ok,
                      PromptIcon::Warning);
}

void CChildView::OnDeviceListSelection(int index)
{
    (void)index; // the list box's current line is the one attached
    CWaitCursor wait;
    ShowStatus(ResString(AppText::Connecting));
    if (!ResetData(false)) {
        // The user kept the data, and with them the tester they came from: the list shows it
        // again instead of a tester that was never attached.
        m_deviceList->setCurrentIndex(m_attachedLine);
    } else {
        m_pollTimer.stop();
        ClearCurrentDevice();
        Link().Close();
        m_initialTransfer = false;
        const int selected = m_deviceList->currentIndex();
        if (!store.foundDevices.IsEmpty() && selected >= 0 && selected < store.foundPorts.GetSize()
            && Link().OpenPort(store.foundPorts[selected]) == LinkResult::Ok)
            AttachSelectedTester();
    }
    update();
    if (m_table)
        m_table->setFocus();
    ShowConnectResult();
}

void CChildView::AttachSelectedTester()
{
    StartFirmwareUpdateCheck();
    AttachTester(CDeviceLink::jobsConnect);
}

void CChildView::AttachTester(std::uint32_t connectJobs)
{
    const int selected = m_deviceList->currentIndex();
    m_attachedLine = selected;
    AdoptFoundDevice(store, selected);
    CDeviceLink& link = Link();
    link.CheckApplication();
    link.events = 0;
    // Only the application answers 01 01; any other complete answer means the boot loader. A check
    // that went unanswered proves nothing: the connect goes ahead, and a tester that really does
    // not answer is then given up within seconds by the timer's failed ticks.
    if (link.LastApplicationCheck() != CDeviceLink::ApplicationCheck::BootLoader) {
        link.jobs = connectJobs;
        // Only a connect that reads the whole memory has a transfer that a lost connection
        // takes back.
        m_initialTransfer = (connectJobs & CDeviceLink::jobReadMeasurements) != 0;
        RunLinkJobs();
        if (link.jobs == 0)
            m_initialTransfer = false;
        m_failureCount = 0;
        m_pollTimer.start(kFirstTickMs);
    } else {
        link.jobs = 0;
        store.bootloaderMode = 1;
    }
}

void CChildView::StartFirmwareUpdateCheck()
{
    // A second-generation tester is identified over the freshly opened port; the check then asks
    // the update server for newer firmware on a thread of its own and tells the frame. The port is
    // only lent to the device object: it is detached again before the object goes.
    if (!m_firmwareCheck)
        m_firmwareCheck = std::make_unique<CFirmwareCheck>(window(), UpdateServerFromEnvironment());
    Device::CKestrelDevice device;
    Device::DetachGuard detach(device);
    if (device.Attach(&Link().Stream(), 1))
        m_firmwareCheck->Start(&device, UM_FIRMWARE_VERSION, 0);
}

void CChildView::ShowConnectResult()
{
    if (!Link().IsOpen()) {
        ShowStatus(ResString(AppText::Offline));
        return;
    }
    if (Link().jobs != 0)
        return;
    QString text = ResString(AppText::Online);
    if (store.bootloaderMode == 1)
        text += ResString(AppText::BootloaderResetSuffix);
    ShowStatus(text);
}
