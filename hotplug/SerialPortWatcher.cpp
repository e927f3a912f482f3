#include "hotplug/SerialPortWatcher.h"

#include "streams/SerialPorts.h"

#include <QFileSystemWatcher>

#include <filesystem>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

// Links are followed this many steps when looking for the folders to watch.
constexpr int kMaxLinkSteps = 8;

// The nearest folder above path that exists (path's own folder when it does).
fs::path ExistingFolderOf(const fs::path& path)
{
    std::error_code error;
    fs::path folder = path.parent_path();
    while (!folder.empty() && !fs::is_directory(folder, error)) {
        if (folder == folder.root_path())
            return {};
        folder = folder.parent_path();
    }
    return folder;
}

} // namespace

CSerialPortWatcher::CSerialPortWatcher(PortMap portMap, QObject* parent)
    : QObject(parent),
      m_portMap(portMap ? std::move(portMap) : PortMap(StreamIO::SerialPortMap)),
      m_watcher(std::make_unique<QFileSystemWatcher>())
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &CSerialPortWatcher::Rescan);
    connect(m_watcher.get(), &QFileSystemWatcher::directoryChanged, this, [this] { m_settle.start(); });
}

CSerialPortWatcher::~CSerialPortWatcher() = default;

void CSerialPortWatcher::Start()
{
    m_present = Look();
}

QVector<unsigned> CSerialPortWatcher::PresentPorts() const
{
    QVector<unsigned> ports;
    for (const auto& [port, node] : m_present)
        ports.append(port);
    return ports;
}

std::map<unsigned, CSerialPortWatcher::SNode> CSerialPortWatcher::Look()
{
    const std::vector<std::string> ports = m_portMap();
    // Watching is set up with every look: a mapping or a link may have changed.
    WatchFoldersOf(ports);
    std::map<unsigned, SNode> present;
    for (std::size_t i = 0; i < ports.size(); ++i) {
        struct stat info {};
        if (ports[i].empty() || ::stat(ports[i].c_str(), &info) != 0)
            continue;
        present[static_cast<unsigned>(i + 1)] = {ports[i], static_cast<unsigned long long>(info.st_rdev),
                                                 static_cast<unsigned long long>(info.st_ino)};
    }
    return present;
}

void CSerialPortWatcher::WatchFoldersOf(const std::vector<std::string>& ports)
{
    // /dev always: that is where new USB serial devices appear when the mapping is automatic.
    std::set<QString> wanted = {QStringLiteral("/dev")};
    for (const std::string& port : ports) {
        if (port.empty())
            continue;
        // The port's own folder, and the folder of every link target on the way to the device
        // (a link kept by the user or udev, pointing into /dev or /dev/pts), even while the target
        // is gone: it comes back there.
        fs::path path = port;
        std::error_code error;
        for (int step = 0; step < kMaxLinkSteps; ++step) {
            const fs::path folder = ExistingFolderOf(path.is_absolute() ? path : fs::absolute(path, error));
            if (!folder.empty())
                wanted.insert(QString::fromStdString(folder.string()));
            if (!fs::is_symlink(path, error))
                break;
            const fs::path target = fs::read_symlink(path, error);
            if (error)
                break;
            path = target.is_absolute() ? target : path.parent_path() / target;
        }
    }
    // A folder that was removed (the last USB device gone takes /dev/serial/by-id with it) has
    // dropped out of the watcher; it is watched again once it is back.
    const QStringList watched = m_watcher->directories();
    for (const QString& folder : wanted) {
        if (!watched.contains(folder))
            m_watcher->addPath(folder);
    }
}

void CSerialPortWatcher::Rescan()
{
    std::map<unsigned, SNode> now = Look();
    QVector<unsigned> appeared;
    QVector<unsigned> vanished;
    for (const auto& [port, node] : m_present) {
        const auto it = now.find(port);
        if (it == now.end() || !(it->second == node))
            vanished.append(port);
    }
    for (const auto& [port, node] : now) {
        const auto it = m_present.find(port);
        if (it == m_present.end() || !(it->second == node))
            appeared.append(port);
    }
    m_present = std::move(now);
    if (!appeared.isEmpty() || !vanished.isEmpty())
        emit PortsChanged(appeared, vanished);
}
