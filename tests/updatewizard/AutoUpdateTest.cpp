#include "updatewizard/AutoUpdate.h"
#include "updatewizard/PageDownload.h"
#include "updatewizard/PageSearch.h"

#include "update/InstallerChoice.h"
#include "update/VersionMessage.h"

#include "common/FtpServer.h"
#include "common/ScriptedPrompts.h"
#include "common/TempDir.h"
#include "common/WizardDriver.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A listening socket on 127.0.0.1 that never accepts: connections wait for a greeting forever.
struct SilentServer {
    int fd = -1;
    int port = 0;
    SilentServer()
    {
        fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && listen(fd, 4) == 0
            && getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
            port = ntohs(address.sin_port);
    }
    ~SilentServer() { close(fd); }
};

constexpr char kTenFour[] = "Found a newer version of Scleron on the server. \n Server version: 3.1.0 \n Your version: 3.0.5";

// A shell script of exactly size bytes that leaves "<itself>.ran" when it runs.
QByteArray StubInstaller(qsizetype size)
{
    QByteArray script = "#!/bin/sh\necho ran > \"$0.ran\"\nexit 0\n";
    while (script.size() < size)
        script += QByteArray(std::min<qsizetype>(size - script.size(), 80) - 1, 'x').prepend('#') + '\n';
    script.truncate(size);
    return script;
}

class AutoUpdateTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("DoDovavez/Scleron"))); }

    void Put(const QString& name, const QByteArray& bytes) const
    {
        WriteWholeFile(root.filePath(QStringLiteral("DoDovavez/Scleron/")) + name, bytes);
    }
    void StartServer(const QStringList& extra = {})
    {
        QString error;
        ASSERT_TRUE(ftp.Start(root.path(), extra, &error)) << qPrintable(error);
    }
    SUpdateSetup Setup(const QString& own = QStringLiteral("3.0.5")) const
    {
        SUpdateSetup setup;
        setup.programFolder = program.path() + QLatin1Char('/');
        setup.productName = QStringLiteral("Scleron");
        setup.productVersion = own;
        setup.server = {QStringLiteral("127.0.0.1"), ftp.Port(), QString::fromLatin1(FtpServer::kUser),
                        QString::fromLatin1(FtpServer::kPassword)};
        return setup;
    }
    QStringList ProgramFolderFiles() const { return QDir(program.path()).entryList(QDir::Files | QDir::Hidden); }

    static void Click(CAutoUpdate& wizard, QWizard::WizardButton which)
    {
        QAbstractButton* button = wizard.button(which);
        ASSERT_TRUE(button->isVisible() && button->isEnabled()) << which;
        button->click();
    }

    QTemporaryDir root;
    QTemporaryDir program;
    FtpServer ftp;
    ScriptedPrompts prompts;
};

TEST_F(AutoUpdateTest, OffersTheNewerVersionDownloadsItBesideTheProgramAndStartsIt)
{
    const QByteArray installer = StubInstaller(5000); // smaller than 10000 bytes: one chunk
    Put(QStringLiteral("Scleron_V_3_0_5.exe"), StubInstaller(100));
    Put(QStringLiteral("Scleron_V_3_1_0.exe"), installer);
    Put(QStringLiteral("Scleron_V_3_0_9.exe"), StubInstaller(100));
    StartServer({QStringLiteral("--extra-entry"), QStringLiteral("type=file;size=10; ../x_V_9_9_9.exe"),
                 QStringLiteral("--extra-entry"), QStringLiteral("type=file;size=10; /tmp/a_V_9_9_9.exe")});
    CAutoUpdate wizard(nullptr, Setup());
    WizardDriver driver(&wizard);
    CPageSearch* search = wizard.SearchPage();
    driver.Add("offer", [&] { return wizard.currentPage() == search && search->WizardButtons() == CAutoUpdate::kButtonNext; },
               [&] {
                   EXPECT_EQ(search->Message()->text(), QLatin1String(kTenFour));
                   EXPECT_TRUE(search->Message()->isVisibleTo(search));
                   EXPECT_FALSE(search->TitleLine()->isVisibleTo(search));
                   EXPECT_FALSE(wizard.button(QWizard::FinishButton)->isVisible());
                   EXPECT_EQ(wizard.installerName, QStringLiteral("Scleron_V_3_1_0.exe"));
                   EXPECT_EQ(wizard.installerSize, 5000u);
                   Click(wizard, QWizard::NextButton);
               });
    EXPECT_TRUE(wizard.RunWizard(true)) << qPrintable(driver.Pending());
    EXPECT_TRUE(driver.AllDone());
    const QString local = program.filePath(QStringLiteral("Scleron_V_3_1_0.exe"));
    EXPECT_EQ(ReadWholeFile(local), installer);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(local + QStringLiteral(".ran")); }, 10000));
    EXPECT_EQ(wizard.DownloadPage()->ProgressBar()->value(), 100);
    EXPECT_EQ(wizard.DownloadPage()->StatusLine()->text(), QStringLiteral("0.00 MB downloaded"));
    EXPECT_TRUE(prompts.messages.isEmpty()) << qPrintable(prompts.messages.join('|'));
}

TEST_F(AutoUpdateTest, NothingNewerEndsWithFinish)
{
    Put(QStringLiteral("Scleron_V_3_0_5.exe"), StubInstaller(100));
    Put(QStringLiteral("Scleron_V_2_9_0.exe"), StubInstaller(100));
    Put(QStringLiteral("Scleron_V_3_1_0.EXE"), StubInstaller(100)); // not an installer name
    StartServer();
    CAutoUpdate wizard(nullptr, Setup());
    WizardDriver driver(&wizard);
    CPageSearch* search = wizard.SearchPage();
    driver.Add("no update", [&] { return search->WizardButtons() == CAutoUpdate::kButtonFinish; }, [&] {
        EXPECT_EQ(search->Message()->text(), QStringLiteral("There is no update available. \nYou are already using the most recent version of Scleron."));
        EXPECT_FALSE(wizard.button(QWizard::NextButton)->isVisible());
        EXPECT_TRUE(wizard.installerName.isEmpty());
        Click(wizard, QWizard::FinishButton);
    });
    EXPECT_FALSE(wizard.RunWizard(true));
    EXPECT_TRUE(driver.AllDone()) << qPrintable(driver.Pending());
    EXPECT_FALSE(wizard.Server().IsConnected());
    EXPECT_TRUE(ProgramFolderFiles().isEmpty());
}

TEST_F(AutoUpdateTest, ServerFailuresShowTheirTextOnThePageAndInABox)
{
    StartServer();
    struct Case {
        const char* what;
        SUpdateServer server;
        QString productName;
        QString textEnd;
    };
    const SUpdateServer good = Setup().server;
    SUpdateServer wrongPassword = good;
    wrongPassword.password = QStringLiteral("wrong");
    const Case cases[] = {
        {"refused", {QStringLiteral("127.0.0.1"), UnusedLocalPort(), QStringLiteral("u"), QStringLiteral("p")},
         QStringLiteral("Scleron"), QStringLiteral("(Error 7)")},
        {"wrong password", wrongPassword, QStringLiteral("Scleron"), QStringLiteral("(Error 67)")},
        {"missing folder", good, QStringLiteral("Nothing"), QStringLiteral("Directory (./DoDovavez/Nothing/) not found on the FTP server!")},
    };
    for (const Case& c : cases) {
        prompts.messages.clear();
        SUpdateSetup setup = Setup();
        setup.server = c.server;
        setup.productName = c.productName;
        CAutoUpdate wizard(nullptr, setup);
        WizardDriver driver(&wizard);
        CPageSearch* search = wizard.SearchPage();
        driver.Add("error", [&] { return search->WizardButtons() == CAutoUpdate::kButtonFinish; }, [&] {
            const QString text = search->StatusLine()->text();
            EXPECT_TRUE(text.endsWith(c.textEnd)) << c.what << ": " << qPrintable(text);
            EXPECT_EQ(prompts.messages, QStringList{text}) << c.what;
            EXPECT_FALSE(search->TitleLine()->isVisibleTo(search));
            EXPECT_FALSE(wizard.button(QWizard::NextButton)->isVisible());
            Click(wizard, QWizard::FinishButton);
        });
        EXPECT_FALSE(wizard.RunWizard(true)) << c.what;
        EXPECT_TRUE(driver.AllDone()) << c.what;
    }
}

TEST_F(AutoUpdateTest, OfTwoInstallersWithOneVersionTheFirstListedIsOffered)
{
    // Listing order is the server's; the second one is only in the listing.
    Put(QStringLiteral("First_V_3_1_0.exe"), StubInstaller(100));
    StartServer({QStringLiteral("--extra-entry"), QStringLiteral("type=file;size=100; Second_V_3_1_0.exe")});
    CAutoUpdate wizard(nullptr, Setup());
    WizardDriver driver(&wizard);
    driver.Add("offer", [&] { return wizard.SearchPage()->WizardButtons() == CAutoUpdate::kButtonNext; }, [&] {
        EXPECT_EQ(wizard.installerName, QStringLiteral("First_V_3_1_0.exe"));
        Click(wizard, QWizard::CancelButton);
    });
    EXPECT_FALSE(wizard.RunWizard(true));
    EXPECT_TRUE(driver.AllDone());

    const CVersion own(QStringLiteral("3.0.5"));
    const SInstallerChoice choice = ChooseInstaller(
        {{QStringLiteral("B_V_3_2_0.exe"), 1}, {QStringLiteral("A_V_3_2_0.exe"), 2}, {QStringLiteral("C_V_3_1_9.exe"), 3}}, own);
    EXPECT_EQ(choice.name, QStringLiteral("B_V_3_2_0.exe"));
    EXPECT_EQ(choice.size, 1u);
}

TEST_F(AutoUpdateTest, AnUnwritableProgramFolderAsksWhereToSave)
{
    const QByteArray installer = StubInstaller(300000);
    Put(QStringLiteral("Scleron_V_3_1_0.exe"), installer);
    StartServer();
    QTemporaryDir elsewhere;
    const QString chosen = elsewhere.filePath(QStringLiteral("mine.exe"));
    for (bool answer : {false, true}) {
        prompts.dialogs.clear();
        prompts.fileNames.clear();
        if (answer)
            prompts.fileNames.push_back(chosen);
        SUpdateSetup setup = Setup();
        setup.programFolder = program.filePath(QStringLiteral("no-such-folder/"));
        CAutoUpdate wizard(nullptr, setup);
        WizardDriver driver(&wizard);
        driver.Add("offer", [&] { return wizard.SearchPage()->WizardButtons() == CAutoUpdate::kButtonNext; },
                   [&] { Click(wizard, QWizard::NextButton); });
        if (!answer) {
            driver.Add("only Cancel", [&] { return !prompts.dialogs.isEmpty(); }, [&] {
                EXPECT_EQ(wizard.DownloadPage()->WizardButtons(), CAutoUpdate::kButtonsNone);
                EXPECT_FALSE(wizard.button(QWizard::FinishButton)->isEnabled());
                EXPECT_FALSE(wizard.button(QWizard::BackButton)->isEnabled());
                Click(wizard, QWizard::CancelButton);
            });
        }
        EXPECT_EQ(wizard.RunWizard(true), answer);
        EXPECT_TRUE(driver.AllDone()) << qPrintable(driver.Pending());
        ASSERT_EQ(prompts.dialogs.size(), 1);
        EXPECT_EQ(prompts.dialogs[0].initialName, QStringLiteral("Scleron_V_3_1_0.exe"));
        EXPECT_EQ(prompts.dialogs[0].defaultExtension, QStringLiteral("exe"));
        EXPECT_TRUE(prompts.dialogs[0].save);
        if (answer) {
            EXPECT_EQ(ReadWholeFile(chosen), installer);
            EXPECT_EQ(wizard.DownloadPage()->TitleLine()->text(), QStringLiteral("Downloading mine.exe"));
            EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(chosen + QStringLiteral(".ran")); }, 10000));
        }
    }
}

TEST_F(AutoUpdateTest, ATransferShorterThanTheListingStartsNothingAndLeavesNoFile)
{
    Put(QStringLiteral("Scleron_V_3_1_0.exe"), StubInstaller(300000));
    StartServer({QStringLiteral("--truncate"), QStringLiteral("Scleron_V_3_1_0.exe=70000")});
    CAutoUpdate wizard(nullptr, Setup());
    WizardDriver driver(&wizard);
    CPageDownload* download = wizard.DownloadPage();
    driver.Add("offer", [&] { return wizard.SearchPage()->WizardButtons() == CAutoUpdate::kButtonNext; },
               [&] { Click(wizard, QWizard::NextButton); });
    driver.Add("error", [&] { return wizard.currentPage() == download && download->WizardButtons() == CAutoUpdate::kButtonFinish; }, [&] {
        EXPECT_EQ(download->TitleLine()->text(), QStringLiteral("Unknown error while downloading."));
        EXPECT_FALSE(download->ProgressBar()->isVisibleTo(download));
        EXPECT_FALSE(download->StatusLine()->isVisibleTo(download));
        Click(wizard, QWizard::FinishButton);
    });
    EXPECT_FALSE(wizard.RunWizard(true));
    EXPECT_TRUE(driver.AllDone()) << qPrintable(driver.Pending());
    EXPECT_TRUE(ProgramFolderFiles().isEmpty()) << qPrintable(ProgramFolderFiles().join(' '));
}

TEST_F(AutoUpdateTest, CancelDuringTheDownloadLeavesNoFile)
{
    Put(QStringLiteral("Scleron_V_3_1_0.exe"), StubInstaller(8 * 1024 * 1024));
    StartServer();
    CAutoUpdate wizard(nullptr, Setup());
    WizardDriver driver(&wizard);
    CPageDownload* download = wizard.DownloadPage();
    driver.Add("offer", [&] { return wizard.SearchPage()->WizardButtons() == CAutoUpdate::kButtonNext; },
               [&] { Click(wizard, QWizard::NextButton); });
    driver.Add("under way", [&] { return download->Transferred() > 0; }, [&] {
        EXPECT_LT(download->Transferred(), 8u * 1024 * 1024);
        Click(wizard, QWizard::CancelButton);
    });
    EXPECT_FALSE(wizard.RunWizard(true));
    EXPECT_TRUE(driver.AllDone()) << qPrintable(driver.Pending());
    EXPECT_TRUE(ProgramFolderFiles().isEmpty()) << qPrintable(ProgramFolderFiles().join(' '));
    EXPECT_FALSE(wizard.Server().IsConnected());
}

TEST_F(AutoUpdateTest, InstallerThatCannotStartIsReportedInsteadOfEndingWithOk)
{
    Put(QStringLiteral("Scleron_V_3_1_0.exe"), QByteArray("not a program at all\n"));
    StartServer();
    CAutoUpdate wizard(nullptr, Setup());
    WizardDriver driver(&wizard);
    CPageDownload* download = wizard.DownloadPage();
    driver.Add("offer", [&] { return wizard.SearchPage()->WizardButtons() == CAutoUpdate::kButtonNext; },
               [&] { Click(wizard, QWizard::NextButton); });
    driver.Add("reported", [&] { return download->WizardButtons() == CAutoUpdate::kButtonFinish; }, [&] {
        ASSERT_EQ(prompts.messages.size(), 1);
        EXPECT_TRUE(prompts.messages[0].startsWith(QStringLiteral("The installer "))) << qPrintable(prompts.messages[0]);
        Click(wizard, QWizard::FinishButton);
    });
    EXPECT_FALSE(wizard.RunWizard(true));
    EXPECT_TRUE(driver.AllDone()) << qPrintable(driver.Pending());
}

TEST_F(AutoUpdateTest, ChunkSizeIsATenThousandthWithinBounds)
{
    const std::pair<quint64, qint64> cases[] = {
        {0, 64 * 1024}, {5000, 64 * 1024}, {50'000'000, 64 * 1024}, {1'000'000'000, 100'000},
        {100'000'000'000ULL, 4 * 1024 * 1024},
    };
    for (const auto& [size, chunk] : cases)
        EXPECT_EQ(CPageDownload::ChunkSize(size), chunk) << size;
}

// Stands in for the main frame: counts the version messages it receives.
struct FrameStub : QWidget {
    QList<CVersion> results;
    bool event(QEvent* e) override
    {
        if (e->type() != CVersionMessage::TypeOf(UM_SOFTWARE_VERSION))
            return QWidget::event(e);
        results << static_cast<CVersionMessage*>(e)->Version();
        return true;
    }
};

TEST_F(AutoUpdateTest, BackgroundSearchPostsTheNewestVersionOrNothingWhenOffline)
{
    Put(QStringLiteral("Scleron_V_3_1_0.exe"), StubInstaller(100));
    Put(QStringLiteral("Scleron_V_3_0_7.exe"), StubInstaller(100));
    StartServer();
    struct Case {
        const char* what;
        QString own;
        bool reachable;
        QList<CVersion> expected;
    };
    const Case cases[] = {
        {"newer", QStringLiteral("3.0.5"), true, {CVersion(QStringLiteral("3.1.0"))}},
        {"none newer", QStringLiteral("3.1.0"), true, {CVersion()}},
        {"offline", QStringLiteral("3.0.5"), false, {}},
    };
    for (const Case& c : cases) {
        FrameStub frame;
        SUpdateSetup setup = Setup(c.own);
        if (!c.reachable)
            setup.server.port = UnusedLocalPort();
        CAutoUpdate service(&frame, setup);
        service.StartBackgroundCheck(UM_SOFTWARE_VERSION);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !service.BackgroundCheckRunning() || !frame.results.isEmpty(); }, 20000));
        if (c.reachable) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return !frame.results.isEmpty(); }, 20000)) << c.what;
        }
        QCoreApplication::sendPostedEvents(&frame);
        EXPECT_EQ(frame.results, c.expected) << c.what;
        EXPECT_TRUE(prompts.messages.isEmpty()) << c.what;
    }
}

TEST_F(AutoUpdateTest, ClosingWhileTheSearchWaitsEndsItWithoutPosting)
{
    // A server that accepts connections and never answers: the search waits for its greeting.
    SilentServer silent;
    ASSERT_GT(silent.port, 0);
    FrameStub frame;
    SUpdateSetup setup = Setup();
    setup.server.port = silent.port;
    {
        CAutoUpdate service(&frame, setup);
        service.StartBackgroundCheck(UM_SOFTWARE_VERSION);
        QTest::qWait(200);
        EXPECT_TRUE(service.BackgroundCheckRunning());
    } // the destructor asks the search to stop and waits for it
    QCoreApplication::sendPostedEvents(&frame);
    EXPECT_TRUE(frame.results.isEmpty());
}

} // namespace
