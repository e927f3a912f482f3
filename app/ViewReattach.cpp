// Attaching a lost tester again: after a lost connection the view waits for the same tester to
// answer on its port (a cable plugged back, a tester switched on again) and takes it over by itself,
// reading only what the tester stored meanwhile.
#include "app/ChildView.h"

#include "app/AppStrings.h"
#include "app/NoticeBar.h"
#include "devicelink/DeviceLink.h"
#include "resources/StringTable.h"

#include <QComboBox>

namespace {
// A tester answers its prompt within milliseconds; while nothing is there, each look costs the
// window no more than this.
constexpr int kProbeReadTimeoutMs = 150;
constexpr int kProbeWriteTimeoutMs = 100;
} // namespace

void CChildView::AwaitLostTester(bool fullTransfer)
{
    m_lostTester.fullTransfer = fullTransfer;
    if (m_lostTester.port != 0)
        m_reattachTimer.start(kReattachEveryMs);
}

void CChildView::StopAwaitingLostTester()
{
    m_lostTester = SLostTester{};
    m_reattachTimer.stop();
}

bool CChildView::LostTesterAnswers(int port)
{
    CDeviceLink& link = Link();
    store.ClearFoundDevices();
    if (link.OpenPort(port) != LinkResult::Ok)
        return false;
    link.Stream().SetTimeouts(kProbeReadTimeoutMs, kProbeWriteTimeoutMs);
    const bool same = link.ProbeDevice(port) == LinkResult::Ok && store.foundDevices.GetSize() == 1
        && store.foundDevices[0]->name == m_lostTester.name
        && store.foundDevices[0]->serialNumber == m_lostTester.serialNumber;
    link.Close();
    return same;
}

bool CChildView::TryReattachNow()
{
    if (!AwaitsLostTester() || Link().IsOpen())
        return false;
    const SLostTester lost = m_lostTester;
    // Another tester on the port is not taken for the lost one: its data would mix with these.
    if (!LostTesterAnswers(lost.port) || Link().OpenPort(lost.port) != LinkResult::Ok) {
        store.ClearFoundDevices();
        return false;
    }
    StopAwaitingLostTester();
    m_notice->Clear();
    FillDeviceList();
    m_deviceList->setCurrentIndex(0);
    ShowStatus(ResString(AppText::Connecting));
    // The tester keeps its own mark of what it has sent: the impacts made meanwhile come as new
    // ones at the next poll. Only a connect whose download never completed reads everything.
    AttachTester(lost.fullTransfer ? CDeviceLink::jobsConnect
                                   : CDeviceLink::jobsConnect & ~CDeviceLink::jobReadMeasurements);
    update();
    ShowConnectResult();
    return Link().IsOpen();
}
