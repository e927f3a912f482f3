// The firmware update check against the simulated tester on its pseudo-terminal and a real FTP
// server on 127.0.0.1: which version it posts, and how it counts failed contacts in the registry.
#include "update/FirmwareCheck.h"

#include "common/FtpServer.h"
#include "common/Minisign.h"
#include "common/SimProcess.h"
#include "common/TempDir.h"
#include "data/UserPrompts.h"
#include "device/HxDevice.h"
#include "resources/Registry.h"
#include "streams/Rs232Stream.h"
#include "update/VersionMessage.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <gtest/gtest.h>

#include <functional>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const QString kKey = QStringLiteral("Software\\Halvex\\Scleron\\Settings");
const QString kReminderStart = QStringLiteral("Repeatedly it was not possible to connect the PC to the Internet");

// The main frame as far as the check sees it: keeps the version messages it receives.
class MessageSink : public QObject {
public:
    bool event(QEvent* event) override
    {
        if (event->type() == CVersionMessage::TypeOf(UM_FIRMWARE_VERSION)
            || event->type() == CVersionMessage::TypeOf(UM_FIRMWARE_VERSION + 1)) {
            const auto* message = static_cast<CVersionMessage*>(event);
            received.push_back({message->MessageId(), message->Version()});
            return true;
        }
        return QObject::event(event);
    }
    std::vector<std::pair<int, CVersion>> received;
};

// Message boxes: their texts and whether they came on the user-interface thread.
class RecordingPrompts final : public IUserPrompts {
public:
    RecordingPrompts() { SetPrompts(this); }
    ~RecordingPrompts() override { SetPrompts(nullptr); }
    PromptAnswer Message(const QString& text, PromptButtons, PromptIcon icon) override
    {
        texts << text;
        icons << icon;
        onUiThread = onUiThread && QThread::currentThread() == QCoreApplication::instance()->thread();
        return PromptAnswer::Ok;
    }
    QString FileName(const FileDialogRequest&) override { return {}; }
    QStringList texts;
    QList<PromptIcon> icons;
    bool onUiThread = true;
};

class FirmwareCheckTest : public ::testing::Test {
protected:
    static constexpr std::uint32_t kDeviceId = 0x00c0ffee;

    void SetUp() override
    {
        registryFile = registryDir.filePath("registry");
        qputenv("SCLERON_REGISTRY", registryFile.toLocal8Bit());
        ASSERT_TRUE(QDir(root.path()).mkpath("DoDovavez/00c0ffee"));
        ASSERT_TRUE(key.Valid());
    }
    // Where verified packages go, and the key they must be signed with.
    SFirmwarePackages Packages() const { return {{key.PublicKey()}, packages.path()}; }
    // A package of 100 bytes in the tester's folder, signed by signer (none: unsigned).
    void PutPackage(const QString& name, const MinisignKey* signer)
    {
        const QString path = root.filePath("DoDovavez/00c0ffee/" + name);
        WriteWholeFile(path, QByteArray(100, 'f'));
        if (signer)
            ASSERT_TRUE(signer->Sign(path));
    }
    QStringList PackageFiles() const
    {
        return QDir(packages.filePath("00c0ffee")).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    void TearDown() override { qunsetenv("SCLERON_REGISTRY"); }

    // The tester: a "Kestrel 2" with application firmware 1.0.3 unless told otherwise.
    void StartTester(QStringList arguments = {})
    {
        if (arguments.isEmpty())
            arguments = {"--model", "kestrel2", "--firmware", "1.0.3", "--device-id", "0x00c0ffee"};
        QString error;
        ASSERT_TRUE(sim.Start(arguments, &error)) << error.toStdString();
        port.Open(sim.SlavePath().toStdString(), StreamIO::modeRead | StreamIO::modeWrite);
        ASSERT_TRUE(port.ApplySettings(StreamIO::DeviceLinkSerialSettings()));
    }
    // The server with the device folder's listing made of these names, in this order.
    void StartServer(const QStringList& lodNames)
    {
        QStringList extra;
        for (const QString& name : lodNames)
            extra << "--extra-entry" << QStringLiteral("type=file;size=100; %1").arg(name);
        QString error;
        ASSERT_TRUE(ftp.Start(root.path(), extra, &error)) << error.toStdString();
        server = {QStringLiteral("127.0.0.1"), ftp.Port(), QString::fromLatin1(FtpServer::kUser),
                  QString::fromLatin1(FtpServer::kPassword)};
    }
    // Runs the check the way the connect flow does: a device object on the open port for the
    // duration of Start only.
    bool StartCheck(CFirmwareCheck& check, int osMessage = 0)
    {
        Device::CKestrelDevice device;
        Device::DetachGuard guard(device);
        if (!device.Attach(&port, 1))
            return false;
        return check.Start(&device, UM_FIRMWARE_VERSION, osMessage);
    }
    // Runs the event loop until done() or the time is up.
    static bool WaitFor(const std::function<bool()>& done, int timeoutMs = 15000)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done()) {
            if (clock.elapsed() > timeoutMs)
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            QThread::msleep(5);
        }
        return true;
    }
    void SetCounters(const QString& count, const QString& max)
    {
        ASSERT_TRUE(Registry::CreateKey(RegistryRoot::CurrentUser, kKey));
        CRegistryKey key;
        ASSERT_TRUE(key.Open(RegistryRoot::CurrentUser, kKey, RegistryAccess::Write));
        if (!count.isNull())
            key.WriteText("FwUpdateFailCount", count);
        if (!max.isNull())
            key.WriteText("FwUpdateFailCountMax", max);
    }
    QString Counter(const QString& name)
    {
        CRegistryKey key;
        if (!key.Open(RegistryRoot::CurrentUser, kKey, RegistryAccess::Read))
            return "(no key)";
        return key.ReadText(name, "(none)");
    }
    SUpdateServer Unreachable() const { return {QStringLiteral("127.0.0.1"), UnusedLocalPort(), "tester", "secret"}; }

    QTemporaryDir registryDir;
    QString registryFile;
    QTemporaryDir root;
    FtpServer ftp;
    SUpdateServer server;
    SimProcess sim;
    StreamIO::CRs232Stream port;
    MessageSink frame;
    RecordingPrompts prompts;
    QTemporaryDir keys;
    MinisignKey key{keys.path(), "site"};
    QTemporaryDir packages;
};

TEST_F(FirmwareCheckTest, TheLastListedNewerPackageWinsEvenWhenItIsLower)
{
    StartTester();
    // Package names of other kinds and older versions around two newer application packages.
    // The listing's order is the test's: the real package is listed again after the others.
    PutPackage("Kestrel2-V1.1.0.lod", &key);
    StartServer({"Kestrel2-V1.0.2_FW.lod", "Kestrel2-V1.2.0_FW.lod", "Kestrel2-V9.0.0_OS.lod",
                 "Kestrel2-V1.1.0.lod", "Kestrel2-V1.0.3_APP.lod", "notes.txt"});
    CFirmwareCheck check(&frame, server, "Scleron", Packages());
    ASSERT_TRUE(StartCheck(check));
    // The identification over the port, before the thread runs.
    EXPECT_EQ(check.Folder(), "00c0ffee");
    EXPECT_EQ(check.RegistryKey(), kKey);
    EXPECT_EQ(check.Identity().type, L"Lexamet Kestrel 2");
    ASSERT_EQ(check.Contents().entries.size(), 2u);
    EXPECT_EQ(check.Contents().entries[0].version, CVersion("1.0.3").Value());

    ASSERT_TRUE(WaitFor([&] { return !frame.received.empty(); }));
    ASSERT_TRUE(check.WaitForCheck(5000));
    QCoreApplication::processEvents();
    // 1.1.0 (no kind suffix: application firmware) is listed after 1.2.0, and it wins.
    ASSERT_EQ(frame.received.size(), 1u);
    EXPECT_EQ(frame.received[0].first, UM_FIRMWARE_VERSION);
    EXPECT_EQ(frame.received[0].second.Format(3), "1.1.0");
    // A successful contact resets the counters.
    EXPECT_EQ(Counter("FwUpdateFailCount"), "0");
    EXPECT_EQ(Counter("FwUpdateFailCountMax"), "100");
    EXPECT_TRUE(prompts.texts.isEmpty());
    // The package on offer was kept with its signature.
    EXPECT_EQ(PackageFiles(), QStringList({"Kestrel2-V1.1.0.lod", "Kestrel2-V1.1.0.lod.minisig"}));
    QString problem;
    EXPECT_EQ(check.CheckedPackage(&problem).path, packages.filePath("00c0ffee/Kestrel2-V1.1.0.lod"));
    EXPECT_TRUE(problem.isEmpty());
}

TEST_F(FirmwareCheckTest, OnlyAPackageWithATrustedSignatureIsOfferedOrHandedOn)
{
    QTemporaryDir otherKeys;
    const MinisignKey stranger(otherKeys.path(), "stranger");
    ASSERT_TRUE(stranger.Valid());
    StartTester();
    struct Case {
        const char* what;
        std::function<void()> put;
        QString reason; // empty: offered
    };
    const QString name = "Kestrel2-V1.2.0_FW.lod";
    const Case cases[] = {
        {"unsigned", [&] { PutPackage(name, nullptr); }, "The file was not used because it has no signature on the update server."},
        {"another key", [&] { PutPackage(name, &stranger); },
         "The file was not used because it was signed with a key this program does not trust."},
        {"changed after signing",
         [&] {
             PutPackage(name, &key);
             WriteWholeFile(root.filePath("DoDovavez/00c0ffee/" + name), QByteArray(100, 'g'));
         },
         "The file was not used because it does not match its signature: it was changed after it was signed."},
        {"signed", [&] { PutPackage(name, &key); }, {}},
    };
    StartServer({});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(root.filePath("DoDovavez/00c0ffee/" + name + ".minisig"));
        c.put();
        frame.received.clear();
        prompts.texts.clear();
        CFirmwareCheck check(&frame, server, "Scleron", Packages());
        ASSERT_TRUE(StartCheck(check));
        ASSERT_TRUE(check.WaitForCheck(15000));
        QCoreApplication::processEvents();
        ASSERT_EQ(frame.received.size(), 1u);
        QString problem;
        if (c.reason.isEmpty()) {
            EXPECT_EQ(frame.received[0].second.Format(3), "1.2.0");
            EXPECT_TRUE(prompts.texts.isEmpty());
            EXPECT_EQ(PackageFiles(), QStringList({name, name + ".minisig"}));
            // Changed on this PC after it was offered: not handed on, and gone.
            WriteWholeFile(packages.filePath("00c0ffee/" + name), QByteArray(100, 'h'));
            EXPECT_TRUE(check.CheckedPackage(&problem).path.isEmpty());
            EXPECT_TRUE(problem.startsWith("The firmware package ")) << problem.toStdString();
            EXPECT_TRUE(PackageFiles().isEmpty());
        } else {
            EXPECT_TRUE(frame.received[0].second.IsNull()) << "nothing is offered";
            ASSERT_EQ(prompts.texts.size(), 1);
            EXPECT_EQ(prompts.texts[0], "Newer firmware for the Lexamet Kestrel 2 device was found on the update server but is not offered:\n"
                                            + c.reason);
            EXPECT_TRUE(PackageFiles().isEmpty()) << PackageFiles().join(' ').toStdString();
            EXPECT_TRUE(check.CheckedPackage(&problem).path.isEmpty());
            EXPECT_TRUE(problem.isEmpty());
        }
    }
}

TEST_F(FirmwareCheckTest, NothingNewerPostsZeroAndTheOperatingSystemMessageWhenAsked)
{
    StartTester();
    StartServer({"Kestrel2-V1.0.3_FW.lod", "Kestrel2-V1.0.2.lod", "Kestrel2-V2.0.0_OS.lod"});
    CFirmwareCheck check(&frame, server, "Scleron", Packages());
    const int osMessage = UM_FIRMWARE_VERSION + 1;
    ASSERT_TRUE(StartCheck(check, osMessage));
    ASSERT_TRUE(WaitFor([&] { return frame.received.size() == 2; }));
    // The operating-system result first (this family installs none), then the firmware's.
    EXPECT_EQ(frame.received[0].first, osMessage);
    EXPECT_TRUE(frame.received[0].second.IsNull());
    EXPECT_EQ(frame.received[1].first, UM_FIRMWARE_VERSION);
    EXPECT_TRUE(frame.received[1].second.IsNull());
}

TEST_F(FirmwareCheckTest, AFirstGenerationTesterLeavesTheRegistryAlone)
{
    StartTester({"--model", "kestrel1"});
    CFirmwareCheck check(&frame, Unreachable(), "Scleron", Packages());
    EXPECT_FALSE(StartCheck(check));
    EXPECT_TRUE(check.WaitForCheck(0));
    EXPECT_FALSE(QFile::exists(registryFile));
    QCoreApplication::processEvents();
    EXPECT_TRUE(frame.received.empty());
}

TEST_F(FirmwareCheckTest, FailedContactsAreCountedAndTooManyRemindTheUser)
{
    StartTester();
    struct Case {
        const char* name;
        QString count, max; // registry before (null: value absent)
        bool keyMissing;
        const char* countAfter;
        const char* maxAfter;
        bool reminder;
    };
    const Case cases[] = {
        {"10 of 10: one too many", "10", "10", false, "0", "5", true},
        {"3 of 100", "3", "100", false, "4", "100", false},
        {"100 of 100", "100", "100", false, "0", "50", true},
        {"6 of 6: at most 10 failures give 10", "6", "6", false, "0", "10", true},
        {"no threshold value reads 100", "7", QString(), false, "8", "100", false},
        {"a text that is no number counts 0", "many", "x", false, "0", "10", true},
        {"no key: threshold 1, count 0", QString(), QString(), true, "1", "1", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(registryFile);
        if (!c.keyMissing)
            SetCounters(c.count, c.max);
        prompts.texts.clear();
        CFirmwareCheck check(&frame, Unreachable(), "Scleron", Packages());
        ASSERT_TRUE(StartCheck(check));
        ASSERT_TRUE(check.WaitForCheck(15000));
        // The thread shows no box itself: the reminder waits for the user-interface thread.
        EXPECT_TRUE(prompts.texts.isEmpty());
        EXPECT_EQ(Counter("FwUpdateFailCount"), c.countAfter);
        EXPECT_EQ(Counter("FwUpdateFailCountMax"), c.maxAfter);
        QCoreApplication::processEvents();
        if (c.reminder) {
            ASSERT_EQ(prompts.texts.size(), 1);
            EXPECT_TRUE(prompts.texts[0].startsWith(kReminderStart));
            EXPECT_TRUE(prompts.texts[0].contains("for the Lexamet Kestrel 2 device.\n"));
            EXPECT_EQ(prompts.icons[0], PromptIcon::Information);
        } else {
            EXPECT_TRUE(prompts.texts.isEmpty());
        }
        EXPECT_TRUE(prompts.onUiThread);
        EXPECT_TRUE(frame.received.empty()) << "a failed contact posts nothing";
    }
}

TEST_F(FirmwareCheckTest, OnlyFailuresToReachTheServerCount)
{
    StartTester({"--model", "kestrel2", "--firmware", "1.0.3", "--device-id", "0x12345678"});
    StartServer({});
    SetCounters("7", "8");
    SUpdateServer wrongPassword = server;
    wrongPassword.password = "wrong";
    // A refused login reached the server: not counted, and nothing is known about firmware.
    {
        CFirmwareCheck check(&frame, wrongPassword, "Scleron", Packages());
        ASSERT_TRUE(StartCheck(check));
        ASSERT_TRUE(check.WaitForCheck(15000));
    }
    EXPECT_EQ(Counter("FwUpdateFailCount"), "7");
    QCoreApplication::processEvents();
    EXPECT_TRUE(frame.received.empty());
    // The tester's folder 12345678 does not exist on the server: no firmware is offered for it,
    // and the server was reached.
    {
        CFirmwareCheck check(&frame, server, "Scleron", Packages());
        ASSERT_TRUE(StartCheck(check));
        EXPECT_EQ(check.Folder(), "12345678");
        ASSERT_TRUE(check.WaitForCheck(15000));
    }
    EXPECT_EQ(Counter("FwUpdateFailCount"), "0");
    EXPECT_EQ(Counter("FwUpdateFailCountMax"), "100");
    QCoreApplication::processEvents();
    EXPECT_TRUE(prompts.texts.isEmpty()) << "the connection errors themselves are not shown";
    ASSERT_EQ(frame.received.size(), 1u);
    EXPECT_TRUE(frame.received[0].second.IsNull());
}

TEST_F(FirmwareCheckTest, ACheckThatHangsIsStoppedNotKilled)
{
    // A server that takes the connection and never says a word.
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(listener, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(listener, 4), 0);
    socklen_t length = sizeof address;
    getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
    const SUpdateServer silent{QStringLiteral("127.0.0.1"), ntohs(address.sin_port), "tester", "secret"};

    StartTester();
    SetCounters("3", "100");
    {
        CFirmwareCheck check(&frame, silent, "Scleron", Packages());
        ASSERT_TRUE(StartCheck(check));
        EXPECT_FALSE(check.WaitForCheck(300)) << "still waiting for the server";
        // Destroying the check asks the thread to stop and waits for it.
    }
    // A second connect while a check hangs: the new Start ends the old check.
    {
        CFirmwareCheck check(&frame, silent, "Scleron", Packages());
        ASSERT_TRUE(StartCheck(check));
        ASSERT_TRUE(StartCheck(check));
    }
    close(listener);
    QCoreApplication::processEvents();
    // A check that was stopped neither counted a failure nor posted anything.
    EXPECT_EQ(Counter("FwUpdateFailCount"), "3");
    EXPECT_TRUE(frame.received.empty());
    EXPECT_TRUE(prompts.texts.isEmpty());
}

TEST_F(FirmwareCheckTest, CountersAreReadAsTheirTextsSay)
{
    struct Case {
        const char* name;
        QByteArray values; // registry lines below the key (null: no key at all)
        int count, max;    // read into counters that held 7 and 1 before
    };
    const Case cases[] = {
        {"no key keeps both", QByteArray(), 7, 1},
        {"empty key: count kept, threshold 100", "", 7, 100},
        {"texts", "\"FwUpdateFailCount\"=\"12\"\n\"FwUpdateFailCountMax\"=\"50\"\n", 12, 50},
        {"numbers are not texts", "\"FwUpdateFailCount\"=dword:00000003\n\"FwUpdateFailCountMax\"=dword:00000005\n", 7, 100},
        {"leading number of a text", "\"FwUpdateFailCount\"=\" 4 tries\"\n\"FwUpdateFailCountMax\"=\"-2\"\n", 4, -2},
        {"out of range", "\"FwUpdateFailCount\"=\"99999999999\"\n", 2147483647, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(registryFile);
        if (!c.values.isNull())
            WriteWholeFile(registryFile, "[" + kKey.toUtf8() + "]\n" + c.values);
        SFirmwareCounters counters{7, 1};
        ReadFirmwareCounters(kKey, counters);
        EXPECT_EQ(counters.failCount, c.count);
        EXPECT_EQ(counters.failCountMax, c.max);
    }
    // A count at the end of the range does not turn negative with one more failure.
    SFirmwareCounters full{2147483647, 100};
    EXPECT_TRUE(CountFirmwareCheckFailure(full));
    EXPECT_EQ(full.failCount, 0);
    EXPECT_EQ(full.failCountMax, 50);
}

} // namespace
