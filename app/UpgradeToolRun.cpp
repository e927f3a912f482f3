// The modal "tool is running" window around the external firmware upgrade tool.
#include "app/UpgradeToolRun.h"

#include "app/AppStrings.h"
#include "resources/StringTable.h"

#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QProcess>
#include <QVBoxLayout>

namespace {

// Stays until the tool ends: Escape and the window's close button do nothing.
class CToolRunningWindow final : public QDialog {
public:
    explicit CToolRunningWindow(QWidget* owner)
        : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    {
        setObjectName(QStringLiteral("UpgradeToolRunning"));
        setWindowTitle(ResString(AppText::Title));
        setModal(true);
        auto* layout = new QVBoxLayout(this);
        auto* text = new QLabel(ResString(AppText::UpgradeToolRunning), this);
        text->setMargin(12);
        layout->addWidget(text);
    }
    void reject() override {}

protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

} // namespace

SToolRun RunUpgradeTool(QWidget* owner, const QString& program, const QStringList& arguments, const QString& workingFolder)
{
    SToolRun run;
    QProcess tool;
    tool.setProgram(program);
    tool.setArguments(arguments);
    if (!workingFolder.isEmpty())
        tool.setWorkingDirectory(workingFolder);
    // The tool talks to the user through its own windows; its output is not ours to read.
    tool.setProcessChannelMode(QProcess::ForwardedChannels);
    tool.setInputChannelMode(QProcess::ForwardedInputChannel);
    tool.start();
    if (!tool.waitForStarted(-1)) {
        run.error = tool.errorString();
        return run;
    }
    run.started = true;
    CToolRunningWindow running(owner);
    // Also a tool that crashed has finished.
    QObject::connect(&tool, &QProcess::finished, &running, &QDialog::accept);
    if (tool.state() == QProcess::Running)
        running.exec();
    // Without a time limit: the window closed because the tool ended.
    tool.waitForFinished(-1);
    run.exitCode = tool.exitCode();
    run.failed = tool.exitStatus() != QProcess::NormalExit || run.exitCode != 0;
    return run;
}
