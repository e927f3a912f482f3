// Connecting a second-generation tester asks the update server for newer firmware: the answer
// reaches the window the view sits in, and the tester's memory arrives as usual.
#include "ViewOnSim.h"

#include "common/FtpServer.h"
#include "common/Minisign.h"
#include "common/TempDir.h"
#include "devicelink/DeviceLink.h"
#include "update/VersionMessage.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

// Catches the version messages that reach the view's window.
class VersionCatcher : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != CVersionMessage::TypeOf(UM_FIRMWARE_VERSION))
            return false;
        versions << static_cast<CVersionMessage*>(event)->Version().Format(3);
        return true;
    }
    QStringList versions;
};

TEST_F(ViewOnSim, ConnectingASecondGenerationTesterLooksForNewerFirmware)
{
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath("DoDovavez/0badcafe"));
    // A package signed with a key the program is told to trust.
    QTemporaryDir keys;
    const MinisignKey key(keys.path());
    ASSERT_TRUE(key.Valid());
    const QString package = root.filePath("DoDovavez/0badcafe/Kestrel2-V2.2.0_FW.lod");
    WriteWholeFile(package, "firmware");
    ASSERT_TRUE(key.Sign(package));
    FtpServer ftp;
    QString error;
    ASSERT_TRUE(ftp.Start(root.path(), {}, &error)) << error.toStdString();
    // The server, the key and the package folder the firmware check takes on connecting.
    const ScopedEnv url("SCLERON_UPDATE_URL", ftp.Url().toUtf8());
    const ScopedEnv trusted("SCLERON_UPDATE_PUBKEY", key.PublicKeyLine());
    const ScopedEnv cache("XDG_CACHE_HOME", keys.filePath("cache").toLocal8Bit());
    VersionCatcher catcher;
    view->window()->installEventFilter(&catcher);

    ASSERT_TRUE(StartTesters({{"--model", "kestrel2", "--firmware", "2.1.4", "--device-id", "0x0badcafe", "--series",
                               "2", "--impacts", "3"}}));
    view->Connect();

    // The identification shares the port with the link, which then downloads as always.
    EXPECT_EQ(view->Link().jobs, 0u);
    EXPECT_EQ(Keys(), QStringList({"0", "1"}));
    EXPECT_TRUE(WaitFor([&] { return !catcher.versions.isEmpty(); }, 15000));
    EXPECT_EQ(catcher.versions, QStringList{"2.2.0"});
    EXPECT_EQ(ReadWholeFile(keys.filePath("cache/scleron/firmware/0badcafe/Kestrel2-V2.2.0_FW.lod")), "firmware");
    EXPECT_TRUE(prompts.messages.isEmpty());
    view->window()->removeEventFilter(&catcher);
}

} // namespace
