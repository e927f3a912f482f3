#include "updatewizard/AutoUpdate.h"
#include "updatewizard/PageDownload.h"
#include "updatewizard/PageSearch.h"

#include "update/InstallerChoice.h"
#include "update/VersionMessage.h"

#include "common/FtpServer.h"
#include "common/Minisign.h"
#include "common/ScriptedPrompts.h"
#include "common/TempDir.h"
#include "common/WizardDriver.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QTimer>

#include <functional>

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

const QString kWillClose = QStringLiteral("The new version has been downloaded and its signature checked.\nScleron will now close so that the installer can run.");

class AutoUpdateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("DoDovavez/Scleron")));
        ASSERT_TRUE(key.Valid());
    }

    // Puts an installer on the server, signed with the trusted key unless told otherwise.
    void Put(const QString& name, const QByteArray& bytes, const MinisignKey* signer = nullptr) const
    {
        const QString path = root.filePath(QStringLiteral("DoDovavez/Scleron/")) + name;
        WriteWholeFile(path, bytes);
        ASSERT_TRUE((signer ? signer : &key)->Sign(path));
    }
    void PutUnsigned(const QString& name, const QByteArray& bytes) const
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
        setup.trustedKeys = {key.PublicKey()};
        return setup;
    }
    // After the wizard: its worker has ended (a cancelled exchange ends by itself within moments).
    static bool WorkerEnds(CAutoUpdate& wizard) { return QTest::qWaitFor([&] { return !wizard.Worker().Busy(); }, 5000); }
    QStringList ProgramFolderFiles() const { return QDir(program.path()).entryList(QDir::Files | QDir::Hidden); }

    static void Click(CAutoUpdate& wizard, QWizard::WizardButton which)
    {
        QAbstractButton* button = wizard.button(which);
        ASSERT_TRUE(button->isVisible() && button->isEnabled()) << which;
        button->click();
    }

    QTemporaryDir root;
    QTemporaryDir program;
    QTemporaryDir keys;
    MinisignKey key{keys.path(), QStringLiteral("site")};
    FtpServer ftp;
    ScriptedPrompts prompts;
};

TEST_F(AutoUpdateTest, ReturnTakesTheOperatorFromTheOfferToTheStartedInstaller)
{
    const QByteArray installer = StubInstaller(5000);
    Put(QStringLiteral("Scleron_V_3_0_5.exe"), StubInstaller(100));
    Put(QStringLiteral("Scleron_V_3_1_0.exe"), installer);
    Put(QStringLiteral("Scleron_V_3_0_9.exe"), StubInstaller(100));
    StartServer({QStringLiteral("--extra-entry"), QStringLiteral("type=file;size=10; ../x_V_9_9_9.exe"),
                 QStringLiteral("--extra-entry"), QStringLiteral("type=file;size=10; /tmp/a_V_9_9_9.exe"),
                 QStringLiteral("--extra-entry"), QStringLiteral("type=file;size=10; a\u2028_V_9_9_9.exe"),
                 QStringLiteral("--extra-entry"), QStringLiteral("type=file;size=10; ") + QString(10000, QLatin1Char('a')) + QStringLiteral("_V_9_9_9.exe")});
    CAutoUpdate wizard(nullptr, Setup());
    EXPECT_EQ(wizard.windowTitle(), QStringLiteral("Scleron"));
    WizardDriver driver(&wizard);
    CPageSearch* search = wizard.SearchPage();
    driver.Add("searching", [&] { return wizard.currentPage() == search; },
               [&] { EXPECT_EQ(search->title(), QStringLiteral("Searching for updates...")); });
    driver.Add("offer", [&] { return wizard.currentPage() == search && search->WizardButtons() == CAutoUpdate::kButtonNext; },
               [&] {
                   EXPECT_EQ(search->Message()->text(), QLatin1String(kTenFour));
                   EXPECT_EQ(search->title(), QStringLiteral("A newer version is available"));
                   EXPECT_TRUE(search->Message()->isVisibleTo(search));
                   EXPECT_FALSE(search->TitleLine()->isVisibleTo(search));
                   EXPECT_FALSE(wizard.button(QWizard::FinishButton)->isVisible());
                   EXPECT_EQ(wizard.installerName, QStringLiteral("Scleron_V_3_1_0.exe"));
                   EXPECT_EQ(wizard.installerSize, 5000u);
                   // Return on whatever has the focus, Cancel included, presses Next.
                   QTest::keyClick(wizard.button(QWizard::CancelButton), Qt::Key_Return);
               });
    EXPECT_TRUE(wizard.RunWizard()) << qPrintable(driver.Pending());
    EXPECT_TRUE(driver.AllDone());
    const QString local = program.filePath(QStringLiteral("Scleron_V_3_1_0.exe"));
    EXPECT_EQ(ReadWholeFile(local), installer);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(local + QStringLiteral(".ran")); }, 10000));
    EXPECT_EQ(wizard.DownloadPage()->ProgressBar()->value(), 100);
    EXPECT_TRUE(wizard.DownloadPage()->StatusLine()->text().startsWith(QStringLiteral("0.00 MB of 0.00 MB downloaded (")))
        << qPrintable(wizard.DownloadPage()->StatusLine()->text());
    // Told before the installer started, and nothing else.
    EXPECT_EQ(prompts.messages, QStringList{kWillClose});
}

TEST_F(AutoUpdateTest, AServerWithoutMlsdOffersAndDeliversToo)
{
    const QByteArray installer = StubInstaller(300000);
    Put(QStringLiteral("Scleron_V_3_1_0.exe"), installer);
    StartServer({QStringLiteral("--refuse-command"), QStringLiteral("MLSD")});
    CAutoUpdate wizard(nullptr, Setup());
    WizardDriver driver(&wizard);
    driver.Add("offer", [&] { return wizard.SearchPage()->WizardButtons() == CAutoUpdate::kButtonNext; },
               [&] { Click(wizard, QWizard::NextButton); });
    EXPECT_TRUE(wizard.RunWizard()) << qPrintable(driver.Pending());
    EXPECT_EQ(ReadWholeFile(program.filePath(QStringLiteral("Scleron_V_3_1_0.exe"))), installer);
    EXPECT_TRUE(wizard.DownloadPage()->StatusLine()->text().startsWith(QStringLiteral("0.29 MB of 0.29 MB downloaded (")));
}

TEST_F(AutoUpdateTest, AnInstallerWithoutATrustedSignatureIsNeitherKeptNorStarted)
{
    QTemporaryDir otherKeys;
    const MinisignKey stranger(otherKeys.path(), QStringLiteral("stranger"));
    ASSERT_TRUE(stranger.Valid());
    const struct {
        const char* what;
        std::function<void()> put;
        QString reason;
    } cases[] = {
        {"unsigned", [&] { PutUnsigned(QStringLiteral("Scleron_V_3_1_0.exe"), StubInstaller(5000)); },
         QStringLiteral("The file was not used because it has no signature on the update server.")},
        {"another key", [&] { Put(QStringLiteral("Scleron_V_3_1_0.exe"), StubInstaller(5000), &stranger); },
         QStringLiteral("The file was not used because it was signed with a key this program does not trust.")},
        {"changed after signing",
         [&] {
             Put(QStringLiteral("Scleron_V_3_1_0.exe"), StubInstaller(5000));
             QByteArray changed = StubInstaller(5000);
             changed[4000] = 'y';
             WriteWholeFile(root.filePath(QStringLiteral("DoDovavez/Scleron/Scleron_V_3_1_0.exe")), changed);
         },
         QStringLiteral("The file was not used because it does not match its signature: it was changed after it was signed.")},
    };
    for (const auto& c : cases) {
        QFile::remove(root.filePath(QStringLiteral("DoDovavez/Scleron/Scleron_V_3_1_0.exe.minisig")));
        c.put();
        ftp.Stop();
        StartServer();
        prompts.messages.clear();
        CAutoUpdate wizard(nullptr, Setup());
        WizardDriver driver(&wizard);
        CPageDownload* download = wizard.DownloadPage();
        driver.Add("offer", [&] { return wizard.SearchPage()->WizardButtons() == CAutoUpdate::kButtonNext; },
                   [&] { Click(wizard, QWizard::NextButton); });
        driver.Add("refused", [&] { return wizard.currentPage() == download && download->WizardButtons() == CAutoUpdate::kButtonFinish; },
                   [&] {
                       EXPECT_EQ(download->TitleLine()->text(), c.reason) << c.what;
                       EXPECT_EQ(download->title(), QStringLiteral("The download failed")) << c.what;
                       QTest::keyClick(wizard.button(QWizard::CancelButton), Qt::Key_Return); // Return presses Finish
                   });
        EXPECT_FALSE(wizard.RunWizard()) << c.what;
        EXPECT_TRUE(driver.AllDone()) << c.what << ": " << qPrintable(driver.Pending());
        EXPECT_TRUE(prompts.messages.isEmpty()) << c.what << ": nothing was started, nor announced";
        EXPECT_TRUE(ProgramFolderFiles().isEmpty()) << c.what << ": " << qPrintable(ProgramFolderFiles().join(' '));
    }
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
    EXPECT_FALSE(wizard.RunWizard());
    EXPECT_TRUE(driver.AllDone()) << qPrintable(driver.Pending());
    EXPECT_FALSE(wizard.Server().IsConnected());
    EXPECT_TRUE(ProgramFolderFiles().isEmpty());
}

TEST_F(AutoUpdateTest, ServerFailuresAreToldOnThePageInTheProgramsWords)
{
    StartServer();
    struct Case {
        const char* what;
        SUpdateServer server;
        QString productName;
        QString firstLine;
    };
    const SUpdateServer good = Setup().server;
    SUpdateServer wrongPassword = good;
    wrongPassword.password = QStringLiteral("wrong");
    SUpdateServer ftps = good;
    ftps.tls = UpdateTls::Required;
    const Case cases[] = {
        {"refused", {QStringLiteral("127.0.0.1"), UnusedLocalPort(), QStringLiteral("u"), QStringLiteral("p")},
         QStringLiteral("Scleron"), QStringLiteral("The update server could not be reached. Please check the PC's connection to the Internet.")},
        {"wrong password", wrongPassword, QStringLiteral("Scleron"), QStringLiteral("The update server did not accept the program's login.")},
        {"no TLS", ftps, QStringLiteral("Scleron"),
         QStringLiteral("The update server does not offer an encrypted connection, so nothing was fetched from it.")},
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
            EXPECT_EQ(text.section(QLatin1Char('\n'), 0, 0), c.firstLine) << c.what;
            EXPECT_EQ(search->title(), QStringLiteral("The search for updates failed")) << c.what;
            EXPECT_FALSE(search->TitleLine()->isVisibleTo(search));
            EXPECT_FALSE(wizard.button(QWizard::NextButton)->isVisible());
            Click(wizard, QWizard::FinishButton);
        });
        EXPECT_FALSE(wizard.RunWizard()) << c.what;
        EXPECT_TRUE(driver.AllDone()) << c.what;
        // Told once, on the page: no box on top of it.
        EXPECT_TRUE(prompts.messages.isEmpty()) << c.what;
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
    EXPECT_FALSE(wizard.RunWizard());
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
        EXPECT_EQ(wizard.RunWizard(), answer);
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
        EXPECT_EQ(download->TitleLine()->text(), QStringLiteral("The file on the update server is not the size the server announced, so it was not used."));
        EXPECT_FALSE(download->ProgressBar()->isVisibleTo(download));
        EXPECT_FALSE(download->StatusLine()->isVisibleTo(download));
        Click(wizard, QWizard::FinishButton);
    });
    EXPECT_FALSE(wizard.RunWizard());
    EXPECT_TRUE(driver.AllDone()) << qPrintable(driver.Pending());
    EXPECT_TRUE(ProgramFolderFiles().isEmpty()) << qPrintable(ProgramFolderFiles().join(' '));
}

// How long the window could not react: the longest gap between the ticks of a 20 ms timer.
struct LoopWatch {
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    QTimer timer;
    LoopWatch()
    {
        clock.start();
        QObject::connect(&timer, &QTimer::timeout, [this] {
            longest = std::max(longest, clock.elapsed() - last);
            last = clock.elapsed();
        });
        timer.start(20);
    }
};

TEST_F(AutoUpdateTest, CancelEndsAHeldUpListingOrDownloadAtOnceAndLeavesNoFile)
{
    Put(QStringLiteral("Scleron_V_3_1_0.exe"), StubInstaller(300000));
    struct Case {
        const char* what;
        QStringList server;
        bool duringDownload;
    };
    const Case cases[] = {
        {"listing never comes", {QStringLiteral("--stall-list")}, false},
        {"listing trickles", {QStringLiteral("--trickle-list")}, false},
        {"download stalls", {QStringLiteral("--stall"), QStringLiteral("Scleron_V_3_1_0.exe")}, true},
        {"download trickles", {QStringLiteral("--trickle"), QStringLiteral("Scleron_V_3_1_0.exe")}, true},
    };
    for (const Case& c : cases) {
        ftp.Stop();
        StartServer(c.server);
        CAutoUpdate wizard(nullptr, Setup());
        WizardDriver driver(&wizard);
        CPageDownload* download = wizard.DownloadPage();
        if (c.duringDownload)
            driver.Add("offer", [&] { return wizard.SearchPage()->WizardButtons() == CAutoUpdate::kButtonNext; },
                       [&] { Click(wizard, QWizard::NextButton); });
        QElapsedTimer held;
        QElapsedTimer cancelled;
        LoopWatch watch;
        driver.Add("held up", [&] {
            if (!wizard.Worker().Busy() || (c.duringDownload && wizard.currentPage() != download))
                return false;
            if (!held.isValid())
                held.start();
            return held.elapsed() > 1500;
        },
                   [&] {
                       cancelled.start();
                       Click(wizard, QWizard::CancelButton);
                   });
        EXPECT_FALSE(wizard.RunWizard()) << c.what;
        EXPECT_TRUE(driver.AllDone()) << c.what << ": " << qPrintable(driver.Pending());
        EXPECT_LT(cancelled.elapsed(), 1000) << c.what;
        EXPECT_LT(watch.longest, 1000) << c.what << ": the window was held up";
        EXPECT_TRUE(WorkerEnds(wizard)) << c.what;
        EXPECT_TRUE(ProgramFolderFiles().isEmpty()) << c.what << ": " << qPrintable(ProgramFolderFiles().join(' '));
        EXPECT_FALSE(wizard.Server().IsConnected()) << c.what;
    }
}

TEST_F(AutoUpdateTest, AServerThatStopsSendingEndsWithItsOwnMessage)
{
    Put(QStringLiteral("Scleron_V_3_1_0.exe"), StubInstaller(300000));
    const QString stalled = QStringLiteral("The update server stopped sending data. Please try again later.");
    for (bool duringDownload : {false, true}) {
        ftp.Stop();
        StartServer(duringDownload ? QStringList{QStringLiteral("--stall"), QStringLiteral("Scleron_V_3_1_0.exe")}
                                   : QStringList{QStringLiteral("--trickle-list")});
        CAutoUpdate wizard(nullptr, Setup());
        WizardDriver driver(&wizard, 90000);
        CPageSearch* search = wizard.SearchPage();
        CPageDownload* download = wizard.DownloadPage();
        if (duringDownload) {
            driver.Add("offer", [&] { return search->WizardButtons() == CAutoUpdate::kButtonNext; },
                       [&] { Click(wizard, QWizard::NextButton); });
            driver.Add("stalled", [&] { return wizard.currentPage() == download && download->WizardButtons() == CAutoUpdate::kButtonFinish; },
                       [&] {
                           EXPECT_EQ(download->TitleLine()->text().section(QLatin1Char('\n'), 0, 0), stalled);
                           EXPECT_GE(download->Transferred(), 1000u);
                           Click(wizard, QWizard::FinishButton);
                       });
        } else {
            driver.Add("stalled", [&] { return search->WizardButtons() == CAutoUpdate::kButtonFinish; }, [&] {
                EXPECT_EQ(search->StatusLine()->text().section(QLatin1Char('\n'), 0, 0), stalled);
                Click(wizard, QWizard::FinishButton);
            });
        }
        EXPECT_FALSE(wizard.RunWizard());
        EXPECT_TRUE(driver.AllDone()) << duringDownload << ": " << qPrintable(driver.Pending());
        EXPECT_TRUE(ProgramFolderFiles().isEmpty());
    }
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
        EXPECT_EQ(prompts.messages, QStringList{kWillClose});
        EXPECT_TRUE(download->TitleLine()->text().startsWith(QStringLiteral("The installer "))) << qPrintable(download->TitleLine()->text());
        Click(wizard, QWizard::FinishButton);
    });
    EXPECT_FALSE(wizard.RunWizard());
    EXPECT_TRUE(driver.AllDone()) << qPrintable(driver.Pending());
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
