// The firmware upgrade (32730, and the frame's "Update Kestrel to version ..." item): the tester's
// port is handed to the external upgrade tool, and polling resumes when the tool has ended. A
// firmware package on offer is checked against its signature once more first, and the tool starts
// in its folder. A missing tool, or one that fails, is reported.
#include "app/AppStrings.h"
#include "app/ChildView.h"
#include "app/UpgradeToolRun.h"
#include "data/UserPrompts.h"
#include "device/UpgradeTool.h"
#include "devicelink/DeviceLink.h"
#include "table/TableHost.h"
#include "update/FirmwareCheck.h"
#include "update/UpdateTexts.h"

#include <QCoreApplication>
#include <QFileInfo>

void CChildView::UpgradeFirmware()
{
    const QString program = UpgradeToolProgram();
    // Without the tool nothing is touched: the tester stays connected and the offer stays.
    if (!QFileInfo(program).isFile() || !QFileInfo(program).isExecutable()) {
        Prompts().Message(FillResString(UpdateText::ToolNotStarted, {program}), PromptButtons::Ok, PromptIcon::Error);
        return;
    }
    QString problem;
    const SFirmwarePackage package = m_firmwareCheck ? m_firmwareCheck->CheckedPackage(&problem) : SFirmwarePackage{};
    if (!problem.isEmpty()) {
        if (m_frame)
            m_frame->ForgetNewestFirmware();
        Prompts().Message(problem, PromptButtons::Ok, PromptIcon::Error);
        return;
    }

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

    QStringList arguments;
    for (const std::string& word : Device::UpgradeToolArguments())
        arguments << QString::fromStdString(word);
    const SToolRun run = RunUpgradeTool(this, program, arguments,
                                        package.path.isEmpty() ? QString() : QFileInfo(package.path).absolutePath());

    // The first tick finds the port closed, fails and opens it again.
    if (wasOpen)
        m_pollTimer.start(kAfterUpgradeTickMs);
    ShowStatus(ConnectionText());
    if (!run.started)
        Prompts().Message(FillResString(UpdateText::ToolNotStarted, {program}) + QLatin1Char('\n') + run.error, PromptButtons::Ok,
                          PromptIcon::Error);
    else if (run.failed)
        Prompts().Message(FillResString(UpdateText::ToolFailed, {QString::number(run.exitCode)}), PromptButtons::Ok,
                          PromptIcon::Warning);
}

QString CChildView::UpgradeToolProgram() const
{
    const QString programFile = m_programFile.isEmpty() ? QCoreApplication::applicationFilePath() : m_programFile;
    return QString::fromStdString(Device::UpgradeToolPath(programFile.toStdString()));
}
