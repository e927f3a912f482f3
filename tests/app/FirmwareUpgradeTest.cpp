// The firmware upgrade: the tester's port goes to a stub upgrade tool that records how it was
// started, and polling takes the tester up again once the tool has ended.
#include "ViewOnSim.h"

#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "common/FtpServer.h"
#include "common/Minisign.h"
#include "common/TempDir.h"
#include "devicelink/DeviceLink.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>

namespace {

class FirmwareUpgrade : public ViewOnSim {
protected:
    void SetUp() override
    {
        ViewOnSim::SetUp();
        ASSERT_TRUE(folder.isValid());
        view->SetProgramFile(folder.filePath("scleron"));
    }

    // A stub tool: writes its arguments one per line and its working folder, then waits (at most
    // 20 s) until the test lets it end, and ends with exitCode.
    void InstallStubTool(int exitCode = 0)
    {
        QFile tool(folder.filePath("DoDovavez"));
        ASSERT_TRUE(tool.open(QIODevice::WriteOnly));
        tool.write("#!/bin/sh\n"
                   "dir=$(dirname \"$0\")\n"
                   "pwd > \"$dir/cwd\"\n"
                   "printf '%s\\n' \"$@\" > \"$dir/args.tmp\" && mv \"$dir/args.tmp\" \"$dir/args\"\n"
                   "i=0\n"
                   "while [ ! -e \"$dir/release\" ] && [ $i -lt 2000 ]; do sleep 0.01; i=$((i+1)); done\n"
                   "exit " + QByteArray::number(exitCode) + "\n");
        tool.close();
        tool.setPermissions(tool.permissions() | QFileDevice::ExeOwner);
    }

    // While the tool runs (the view waits in its modal window) this looks at the view once the
    // tool has started, then lets the tool end.
    void WatchWhileToolRuns() { WatchWhileToolRuns(view.get(), [this] { return frame.current; }); }
    void WatchWhileToolRuns(CChildView* watched, std::function<QString()> status)
    {
        watcher.setInterval(10);
        QObject::connect(&watcher, &QTimer::timeout, [this, watched, status] {
            if (!QFile::exists(folder.filePath("args")))
                return;
            watcher.stop();
            whileRunning.seen = true;
            whileRunning.linkOpen = watched->Link().IsOpen();
            whileRunning.polling = watched->PollTimer().isActive();
            QWidget* modal = QApplication::activeModalWidget();
            whileRunning.window = modal ? modal->objectName() : QString();
            whileRunning.status = status();
            QFile release(folder.filePath("release"));
            release.open(QIODevice::WriteOnly);
        });
        watcher.start();
    }

    QStringList ToolArguments()
    {
        QFile file(folder.filePath("args"));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }

    bool ConnectTester()
    {
        if (!StartTesters({{"--model", "kestrel2", "--series", "1", "--impacts", "2"}}))
            return false;
        view->Connect();
        return view->Link().IsOpen() && view->Link().jobs == 0;
    }

    struct {
        bool seen = false;
        bool linkOpen = true;
        bool polling = true;
        QString window;
        QString status;
    } whileRunning;
    QTemporaryDir folder;
    QTimer watcher;
};

TEST_F(FirmwareUpgrade, ThePortIsClosedWhileTheToolRunsAndPollingResumesAfterwards)
{
    ASSERT_TRUE(ConnectTester());
    InstallStubTool();
    WatchWhileToolRuns();

    view->UpgradeFirmware();

    ASSERT_TRUE(whileRunning.seen);
    EXPECT_EQ(ToolArguments(), QStringList({"-DeviceTypeList", "04-00000-0"}));
    EXPECT_FALSE(whileRunning.linkOpen);
    EXPECT_FALSE(whileRunning.polling);
    EXPECT_EQ(whileRunning.window, "UpgradeToolRunning");
    EXPECT_EQ(whileRunning.status, "Offline");
    EXPECT_EQ(frame.firmwareVersionsForgotten, 1);

    // The tool has ended: polling starts at 100 ms, and its ticks open the port again.
    EXPECT_TRUE(view->PollTimer().isActive());
    EXPECT_EQ(view->PollTimer().interval(), CChildView::kAfterUpgradeTickMs);
    EXPECT_EQ(frame.current, "Offline");
    EXPECT_TRUE(WaitFor([this] { return view->Link().IsOpen() && frame.current == "Online"; }, 10000));
    EXPECT_TRUE(view->PollTimer().isActive());
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(FirmwareUpgrade, WithoutATesterTheToolRunsAndPollingStaysOff)
{
    InstallStubTool();
    WatchWhileToolRuns();
    ASSERT_TRUE(view->Commands().Run(Cmd::FirmwareUpgrade));
    EXPECT_TRUE(whileRunning.seen);
    EXPECT_EQ(ToolArguments(), QStringList({"-DeviceTypeList", "04-00000-0"}));
    EXPECT_FALSE(view->PollTimer().isActive());
    EXPECT_EQ(frame.current, "Offline");
    EXPECT_EQ(frame.firmwareVersionsForgotten, 1);
}

TEST_F(FirmwareUpgrade, AMissingToolIsReportedWithWhereItWasLookedForAndTheTesterStays)
{
    ASSERT_TRUE(ConnectTester());
    view->UpgradeFirmware();
    EXPECT_EQ(prompts.messages, QStringList{"The firmware upgrade tool could not be started.\nIt was looked for at: "
                                            + folder.filePath("DoDovavez")});
    // Nothing was handed over: the offer stays and the tester stays connected.
    EXPECT_EQ(frame.firmwareVersionsForgotten, 0);
    EXPECT_TRUE(view->Link().IsOpen());
}

TEST_F(FirmwareUpgrade, AToolThatFailsIsReported)
{
    InstallStubTool(3);
    WatchWhileToolRuns();
    view->UpgradeFirmware();
    EXPECT_TRUE(whileRunning.seen);
    EXPECT_EQ(prompts.messages, QStringList{"The firmware upgrade tool ended with an error (exit code 3)."});
}

// The whole road in the main window: a tester whose folder on the update server holds newer
// firmware gets the menu item, and choosing it hands the tester to the tool and takes it up again.
TEST_F(FirmwareUpgrade, TheUpdateMenuItemRunsTheUpgradeAndTheTesterComesBack)
{
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath("DoDovavez/0badcafe"));
    QTemporaryDir keys;
    const MinisignKey key(keys.path());
    ASSERT_TRUE(key.Valid());
    const QString package = root.filePath("DoDovavez/0badcafe/Kestrel2-V2.2.0_FW.lod");
    WriteWholeFile(package, "firmware 2.2.0");
    ASSERT_TRUE(key.Sign(package));
    FtpServer ftp;
    QString error;
    ASSERT_TRUE(ftp.Start(root.path(), {}, &error)) << error.toStdString();
    // The server, the key and the package folder the firmware check takes on connecting.
    const ScopedEnv url("SCLERON_UPDATE_URL", ftp.Url().toUtf8());
    const ScopedEnv trusted("SCLERON_UPDATE_PUBKEY", key.PublicKeyLine());
    const ScopedEnv cache("XDG_CACHE_HOME", keys.filePath("cache").toLocal8Bit());
    ASSERT_TRUE(StartTesters({{"--model", "kestrel2", "--firmware", "2.1.4", "--device-id", "0x0badcafe"}}));
    InstallStubTool();

    CMainFrame window;
    window.View().SetProgramFile(folder.filePath("scleron"));
    ASSERT_TRUE(window.RunCommand(Cmd::ConnectDevice));
    QAction* item = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        if (window.UpdateMenu() == nullptr)
            return false;
        for (QAction* action : window.UpdateMenu()->actions()) {
            if (action->data().toInt() == Cmd::FirmwareUpgrade)
                item = action;
        }
        return item != nullptr;
    }, 15000));
    EXPECT_EQ(item->text().remove('&'), "Update Kestrel to version 2.2.0");

    WatchWhileToolRuns(&window.View(), [&window] { return window.StatusText(); });
    item->trigger();
    ASSERT_TRUE(whileRunning.seen);
    EXPECT_FALSE(whileRunning.linkOpen);
    EXPECT_EQ(whileRunning.status, "Offline");
    EXPECT_EQ(ToolArguments(), QStringList({"-DeviceTypeList", "04-00000-0"}));
    // The tool starts beside the verified package.
    const QString packageFolder = keys.filePath("cache/scleron/firmware/0badcafe");
    EXPECT_EQ(ReadWholeFile(folder.filePath("cwd")).trimmed(), packageFolder.toUtf8());
    EXPECT_EQ(ReadWholeFile(packageFolder + "/Kestrel2-V2.2.0_FW.lod"), "firmware 2.2.0");
    // The item went with the start of the upgrade.
    EXPECT_TRUE(window.NewestFirmwareVersion().IsNull());
    EXPECT_TRUE(WaitFor([&window] { return window.UpdateMenu() == nullptr; }, 5000));
    // The tester is taken up again.
    EXPECT_TRUE(WaitFor([&window] { return window.View().Link().IsOpen() && window.StatusText() == "Online"; }, 15000));
}

} // namespace
