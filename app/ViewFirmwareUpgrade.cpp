// The firmware upgrade (32730, and the frame's "Update Kestrel to version ..." item): the tester's
// port is handed to the external upgrade tool, and polling resumes when the tool has ended.
#include "app/AppStrings.h"
#include "app/ChildView.h"
#include "app/UpgradeToolRun.h"
#include "device/UpgradeTool.h"
#include "devicelink/DeviceLink.h"
#include "table/TableHost.h"

#include <QCoreApplication>

void CChildView::UpgradeFirmware()
{
    CWaitCursor wait;
    CDeviceLink& link = Link();
    const bool wasOpen = link.IsOpen();
    m_pollTimer.stop();
    link.jobs = 0;
    link.events = 0;
    m_failureCount = 0;
    m_initialTransfer = false;
    // The tool opens the port itself.
    link.Close();
    // The firmware on offer is the tool's business now.
    if (m_frame)
        m_frame->ForgetNewestFirmware();
    ShowStatus(ConnectionText());

    const QString program = UpgradeToolProgram();
    QStringList arguments;
    for (const std::string& word : Device::UpgradeToolArguments())
        arguments << QString::fromStdString(word);
    // A tool that is missing or cannot start is not reported: the tester is simply taken up again.
    RunUpgradeTool(this, program, arguments);

    // The first tick finds the port closed, fails and opens it again.
    if (wasOpen)
        m_pollTimer.start(kAfterUpgradeTickMs);
    ShowStatus(ConnectionText());
}

QString CChildView::UpgradeToolProgram() const
{
    const QString programFile = m_programFile.isEmpty() ? QCoreApplication::applicationFilePath() : m_programFile;
    return QString::fromStdString(Device::UpgradeToolPath(programFile.toStdString()));
}
