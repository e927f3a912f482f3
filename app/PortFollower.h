#pragma once
// CPortFollower: the desktop program's answer to serial devices coming and going. It watches the
// ports (CSerialPortWatcher) and, on a change, lets the view refresh its list of testers found;
// when the port of a lost tester the view waits for comes back it says so (AttachedPortReturned)
// and has the view try to attach that tester again at once (CChildView::TryReattachNow). At start, and after every change, it tells in the status bar when
// serial ports exist but this user may open none of them, with the group to join.

#include "hotplug/SerialPortWatcher.h"

#include <QObject>

#include <functional>
#include <string>
#include <vector>

class CChildView;
class IViewFrame;

class CPortFollower : public QObject {
    Q_OBJECT
public:
    struct Setup {
        // The COM mapping; empty: the machine's (SCLERON_SERIAL_PORTS, else its serial devices).
        CSerialPortWatcher::PortMap portMap;
        // The group to join when ports exist and none may be opened ("" when nothing is to be
        // told); empty: StreamIO::GroupToJoin.
        std::function<std::string(const std::vector<std::string>&)> groupToJoin;
    };

    CPortFollower(CChildView& view, IViewFrame& frame, Setup setup);

    // Tells about the ports' permissions and starts watching.
    void Start();
    CSerialPortWatcher& Watcher() { return m_watcher; }

signals:
    // The port of a lost tester the view waits for has a device again.
    void AttachedPortReturned(unsigned port);

private:
    void OnPortsChanged(const QVector<unsigned>& appeared, const QVector<unsigned>& vanished);
    void TellPermissions();

    CChildView& m_view;
    IViewFrame& m_frame;
    Setup m_setup;
    CSerialPortWatcher m_watcher;
};
