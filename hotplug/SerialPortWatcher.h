#pragma once
// CSerialPortWatcher: notices serial devices appearing and disappearing (a USB tester or adapter
// plugged in or pulled) without touching the ports. It watches the folders that hold the mapped
// devices and what their links point at (/dev, /dev/pts, /dev/serial/by-id, a link's own folder)
// for entries coming and going, and after a short settling time compares which COM numbers have a
// device with the last look. A device that was replaced in the meantime (a replug: a new node
// under the same name) counts as gone and back.

#include <QObject>
#include <QTimer>
#include <QVector>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class QFileSystemWatcher;

class CSerialPortWatcher : public QObject {
    Q_OBJECT
public:
    // How long the folders must be quiet before the ports are looked at again: a plug-in creates
    // the node, then its links and permissions within a few hundred milliseconds.
    static constexpr int kSettleMs = 300;

    using PortMap = std::function<std::vector<std::string>()>;

    // portMap gives the COM mapping (entry k-1 is COM k, "" unused); the machine's by default.
    explicit CSerialPortWatcher(PortMap portMap = {}, QObject* parent = nullptr);
    ~CSerialPortWatcher() override;

    // Takes the first look (no signal for what is there already) and starts watching.
    void Start();
    // COM numbers whose device exists now, as of the last look.
    QVector<unsigned> PresentPorts() const;
    // Looks at the ports now (also what the folder events lead to after kSettleMs).
    void Rescan();

signals:
    // Some devices appeared or disappeared (COM numbers, ascending). A replaced device is in both.
    void PortsChanged(const QVector<unsigned>& appeared, const QVector<unsigned>& vanished);

private:
    // What identifies the device behind a path: its node, so a new node under the old name differs.
    struct SNode {
        std::string path;
        unsigned long long device = 0;
        unsigned long long inode = 0;
        bool operator==(const SNode&) const = default;
    };
    std::map<unsigned, SNode> Look();
    void WatchFoldersOf(const std::vector<std::string>& ports);

    PortMap m_portMap;
    std::unique_ptr<QFileSystemWatcher> m_watcher;
    QTimer m_settle;
    std::map<unsigned, SNode> m_present;
};
