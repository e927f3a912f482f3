// The device list box follows serial devices plugged in and pulled.
#include "app/ChildView.h"

#include "devicelink/DeviceLink.h"
#include "devicelink/FoundDevices.h"
#include "table/TableHost.h"

#include <QApplication>
#include <QComboBox>

int CChildView::FollowPortChanges(const QVector<unsigned>& appeared, const QVector<unsigned>& vanished)
{
    const bool attached = Link().IsOpen();
    const int attachedPort = attached ? store.portNumber : 0;
    // The port of a lost tester is the re-attach's business (TryReattachNow), not a new device's.
    const int lostPort = AwaitsLostTester() ? m_lostTester.port : 0;
    bool changed = false;
    // The attached tester keeps its line while its port is open here: the polling decides
    // whether the connection is lost.
    for (unsigned port : vanished) {
        if (static_cast<int>(port) != attachedPort)
            changed = ForgetFoundPort(store, static_cast<int>(port)) > 0 || changed;
    }
    // New devices are asked who they are while the program is idle: with a tester attached the
    // search would take its port, and while a dialog is open (the firmware upgrade tool's run
    // among them, which has the tester's port) nothing is sent; the next "Connect device" finds
    // them then.
    if (!attached && !appeared.isEmpty() && QApplication::activeModalWidget() == nullptr) {
        CWaitCursor wait;
        std::vector<int> ports;
        for (unsigned port : appeared) {
            if (static_cast<int>(port) == lostPort)
                continue;
            changed = ForgetFoundPort(store, static_cast<int>(port)) > 0 || changed; // a replaced device
            ports.push_back(static_cast<int>(port));
        }
        changed = Link().ProbePorts(ports) > 0 || changed;
    }
    if (changed) {
        FillDeviceList();
        for (int i = 0; attached && i < store.foundPorts.GetSize(); ++i) {
            if (store.foundPorts[i] == attachedPort) {
                m_attachedLine = i;
                m_deviceList->setCurrentIndex(i);
                break;
            }
        }
    }
    return lostPort != 0 && appeared.contains(static_cast<unsigned>(lostPort)) ? lostPort : 0;
}
