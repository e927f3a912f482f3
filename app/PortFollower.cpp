#include "app/PortFollower.h"

#include "app/AppStrings.h"
#include "app/ChildView.h"
#include "resources/StringTable.h"
#include "streams/PortAccess.h"
#include "streams/SerialPorts.h"

CPortFollower::CPortFollower(CChildView& view, IViewFrame& frame, Setup setup)
    : m_view(view),
      m_frame(frame),
      m_setup(std::move(setup)),
      m_watcher(m_setup.portMap)
{
    if (!m_setup.portMap)
        m_setup.portMap = StreamIO::SerialPortMap;
    if (!m_setup.groupToJoin)
        m_setup.groupToJoin = StreamIO::GroupToJoin;
    connect(&m_watcher, &CSerialPortWatcher::PortsChanged, this, &CPortFollower::OnPortsChanged);
    // A lost tester's port is back: attach it now rather than at the view's next look.
    connect(this, &CPortFollower::AttachedPortReturned, &m_view, [this] { m_view.TryReattachNow(); });
}

void CPortFollower::Start()
{
    TellPermissions();
    m_watcher.Start();
}

void CPortFollower::OnPortsChanged(const QVector<unsigned>& appeared, const QVector<unsigned>& vanished)
{
    const int returned = m_view.FollowPortChanges(appeared, vanished);
    TellPermissions();
    if (returned > 0)
        emit AttachedPortReturned(static_cast<unsigned>(returned));
}

void CPortFollower::TellPermissions()
{
    const std::string group = m_setup.groupToJoin(m_setup.portMap());
    if (!group.empty())
        m_frame.SetStatusText(ResString(AppText::SerialPortsForbidden).arg(QString::fromStdString(group)));
}
