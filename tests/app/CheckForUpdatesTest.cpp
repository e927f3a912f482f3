// "Check for updates" while a tester is connected and no update server answers: the wizard tells
// why on its page and ends, and the window no longer claims to be online once the connection is gone.
#include "AppTestEnvironment.h"

#include "app/ChildView.h"
#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "common/ScriptedPrompts.h"
#include "common/SimProcess.h"
#include "common/WizardDriver.h"
#include "devicelink/DeviceLink.h"
#include "updatewizard/AutoUpdate.h"
#include "updatewizard/PageSearch.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A port on 127.0.0.1 where nothing listens any more: connecting is refused at once.
quint16 RefusingPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return 0;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    quint16 port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), length) == 0
        && ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(fd); // bound but never listening, and now closed: connections are refused
    return port;
}

TEST(CheckForUpdates, NoServerEndsTheWizardWithAMessageAndTheStatusSaysOffline)
{
    SetTestRegistry({});
    SimProcess sim;
    QString error;
    ASSERT_TRUE(sim.Start({"--model", "kestrel1", "--series", "1", "--impacts", "2"}, &error)) << qPrintable(error);
    qputenv("SCLERON_SERIAL_PORTS", sim.SlavePath().toLocal8Bit());
    const quint16 port = RefusingPort();
    ASSERT_NE(port, 0);

    SUpdateSetup setup;
    setup.productName = QStringLiteral("Scleron");
    setup.productVersion = QStringLiteral("3.0.5");
    setup.server = {QStringLiteral("127.0.0.1"), port, QStringLiteral("user"), QStringLiteral("password")};
    CMainFrame::Options options;
    options.update = &setup;
    CMainFrame frame(options);
    ScriptedPrompts prompts;

    frame.View().Connect();
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame.View().store.series.GetSize() == 1; }, 15000));
    ASSERT_TRUE(frame.View().Link().IsOpen());
    ASSERT_EQ(frame.StatusText(), QStringLiteral("Online"));

    CAutoUpdate* wizard = frame.UpdateService();
    ASSERT_NE(wizard, nullptr);
    WizardDriver driver(wizard);
    driver.Add("the search ends with Finish",
               [&] { return wizard->SearchPage()->WizardButtons() == CAutoUpdate::kButtonFinish; },
               [&] { wizard->button(QWizard::FinishButton)->click(); });
    prompts.answers = {PromptAnswer::No}; // the downloaded measurements are not saved
    EXPECT_TRUE(frame.RunCommand(Cmd::CheckForUpdates));

    EXPECT_TRUE(driver.AllDone()) << qPrintable(driver.Pending());
    EXPECT_FALSE(driver.TimedOut());
    // The failure is told on the wizard's page, in the program's words with the detail below.
    ASSERT_EQ(prompts.messages.size(), 1) << qPrintable(prompts.messages.join(" | "));
    EXPECT_TRUE(prompts.messages[0].contains(QStringLiteral("not yet saved")));
    const QString told = wizard->SearchPage()->StatusLine()->text();
    EXPECT_TRUE(told.startsWith(QStringLiteral("The update server could not be reached.")) && told.contains(QStringLiteral("\n")))
        << qPrintable(told);
    EXPECT_FALSE(frame.View().Link().IsOpen());
    EXPECT_EQ(frame.View().store.series.GetSize(), 0);
    EXPECT_EQ(frame.StatusText(), QStringLiteral("Offline"));
    qunsetenv("SCLERON_SERIAL_PORTS");
}

} // namespace
