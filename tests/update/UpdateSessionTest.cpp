#include "update/UpdateSession.h"

#include "common/FtpServer.h"
#include "common/ScriptedPrompts.h"
#include "common/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <thread>

namespace {

class UpdateSessionTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("DoDovavez/Scleron/old"))); }

    QString Folder() const { return root.filePath(QStringLiteral("DoDovavez/Scleron/")); }
    void Put(const QString& name, const QByteArray& bytes) const { WriteWholeFile(Folder() + name, bytes); }

    void StartServer(const QStringList& extra = {})
    {
        QString error;
        ASSERT_TRUE(ftp.Start(root.path(), extra, &error)) << qPrintable(error);
    }

    SUpdateServer Server(const QString& password = QString::fromLatin1(FtpServer::kPassword)) const
    {
        return {QStringLiteral("127.0.0.1"), ftp.Port(), QString::fromLatin1(FtpServer::kUser), password};
    }

    QTemporaryDir root;
    FtpServer ftp;
    ScriptedPrompts prompts;
};

TEST_F(UpdateSessionTest, ListsPlainFilesWithTheirSizesAndSkipsHostileNames)
{
    Put(QStringLiteral("Scleron_V_3_0_5.exe"), PatternBytes(100));
    Put(QStringLiteral("Scleron_V_3_1_0.exe"), PatternBytes(5000));
    Put(QStringLiteral("Kestrel-V1.0.3_FW.lod"), PatternBytes(10));
    StartServer({QStringLiteral("--extra-entry"), QStringLiteral("type=file;size=10; ../x_V_9_9_9.exe"),
                 QStringLiteral("--extra-entry"), QStringLiteral("type=file;size=10; /tmp/a_V_9_9_9.exe"),
                 QStringLiteral("--extra-entry"), QStringLiteral("type=file;size=10; a\\b_V_9_9_9.exe"),
                 QStringLiteral("--extra-entry"), QStringLiteral("type=file;size=10; .."),
                 QStringLiteral("--extra-entry"), QStringLiteral("type=file; nosize_V_9_9_9.exe")});
    CUpdateSession session(Server());
    session.SetProductName(QStringLiteral("Scleron"));
    ASSERT_TRUE(session.ConnectFolder({})) << qPrintable(session.GetErrorText());
    EXPECT_EQ(session.Folder(), QStringLiteral("./DoDovavez/Scleron/"));
    EXPECT_TRUE(session.GetErrorText().isEmpty());

    auto all = session.List(QStringLiteral("*"));
    ASSERT_TRUE(all.has_value()) << qPrintable(session.GetErrorText());
    QStringList names;
    for (const SRemoteEntry& e : *all)
        names << QStringLiteral("%1=%2").arg(e.name).arg(e.size);
    names.sort();
    EXPECT_EQ(names, QStringList({QStringLiteral("Kestrel-V1.0.3_FW.lod=10"), QStringLiteral("Scleron_V_3_0_5.exe=100"),
                                  QStringLiteral("Scleron_V_3_1_0.exe=5000")}));
    auto lod = session.List(QStringLiteral("*.lod"));
    ASSERT_TRUE(lod.has_value());
    ASSERT_EQ(lod->size(), 1);
    EXPECT_EQ(lod->first().name, QStringLiteral("Kestrel-V1.0.3_FW.lod"));
    EXPECT_TRUE(prompts.messages.isEmpty());

    // A device folder.
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("DoDovavez/00c0ffee")));
    ASSERT_TRUE(session.ConnectFolder(QStringLiteral("00c0ffee"))) << qPrintable(session.GetErrorText());
    auto empty = session.List(QStringLiteral("*.lod"));
    ASSERT_TRUE(empty.has_value());
    EXPECT_TRUE(empty->isEmpty());
}

TEST_F(UpdateSessionTest, FailuresGiveTheirTextsAndBoxesOnlyWhenAsked)
{
    StartServer();
    struct Case {
        const char* what;
        SUpdateServer server;
        QString folderName;
        QString expected; // the whole text, or its end after the server's message
        bool whole;
    };
    const Case cases[] = {
        {"refused connection", {QStringLiteral("127.0.0.1"), UnusedLocalPort(), QStringLiteral("tester"), QStringLiteral("secret")},
         QStringLiteral("Scleron"), QStringLiteral(" (Error 7)"), false},
        {"wrong password", Server(QStringLiteral("wrong")), QStringLiteral("Scleron"), QStringLiteral(" (Error 67)"), false},
        {"missing folder", Server(), QStringLiteral("Nothing"),
         QStringLiteral("Directory (./DoDovavez/Nothing/) not found on the FTP server!"), true},
    };
    for (const Case& c : cases) {
        for (bool show : {true, false}) {
            prompts.messages.clear();
            CUpdateSession session(c.server);
            session.SetShowMessages(show);
            EXPECT_FALSE(session.ConnectFolder(c.folderName)) << c.what;
            const QString text = session.GetErrorText();
            if (c.whole)
                EXPECT_EQ(text, c.expected) << c.what;
            else
                EXPECT_TRUE(text.endsWith(c.expected) && text.size() > c.expected.size()) << c.what << ": " << qPrintable(text);
            EXPECT_EQ(prompts.messages, show ? QStringList{text} : QStringList{}) << c.what;
            EXPECT_FALSE(session.IsConnected());
        }
    }
    // The refused login says so in the program's words, and names the server's answer below.
    CUpdateSession session(Server(QStringLiteral("wrong")));
    session.SetShowMessages(false);
    EXPECT_FALSE(session.ConnectFolder(QStringLiteral("Scleron")));
    EXPECT_EQ(session.LastFailure(), UpdateFailure::Login);
    EXPECT_TRUE(session.GetErrorText().startsWith(QStringLiteral("The update server did not accept the program's login.\n530")))
        << qPrintable(session.GetErrorText());
    CUpdateSession offline({QStringLiteral("127.0.0.1"), UnusedLocalPort(), QStringLiteral("u"), QStringLiteral("p")});
    offline.SetShowMessages(false);
    EXPECT_FALSE(offline.ConnectFolder(QStringLiteral("Scleron")));
    EXPECT_EQ(offline.LastFailure(), UpdateFailure::Unreachable);
    EXPECT_TRUE(offline.GetErrorText().startsWith(QStringLiteral("The update server could not be reached.")));
    CUpdateSession reached(Server());
    reached.SetShowMessages(false);
    EXPECT_FALSE(reached.ConnectFolder(QStringLiteral("Nothing")));
    EXPECT_EQ(reached.LastFailure(), UpdateFailure::NotFound);
}

TEST_F(UpdateSessionTest, AServerThatCannotNameItsFolderIsNotConnected)
{
    StartServer({QStringLiteral("--refuse-command"), QStringLiteral("PWD")});
    CUpdateSession session(Server());
    EXPECT_FALSE(session.ConnectFolder(QStringLiteral("Scleron")));
    EXPECT_EQ(session.GetErrorText(), QStringLiteral("Failed to connect to FTP server!"));
    EXPECT_EQ(prompts.messages, QStringList{session.GetErrorText()});
    EXPECT_FALSE(session.IsConnected());
}

TEST_F(UpdateSessionTest, ConnectionStateFollowsTheServer)
{
    StartServer();
    CUpdateSession session(Server());
    EXPECT_FALSE(session.IsConnected());
    ASSERT_TRUE(session.ConnectFolder(QStringLiteral("Scleron")));
    EXPECT_TRUE(session.IsConnected());
    session.Disconnect();
    EXPECT_FALSE(session.IsConnected());
    EXPECT_TRUE(session.Folder().isEmpty());

    ASSERT_TRUE(session.ConnectFolder(QStringLiteral("Scleron")));
    ftp.Stop();
    EXPECT_FALSE(session.IsConnected());
    EXPECT_TRUE(session.Folder().isEmpty()); // the dead connection was dropped
    session.Close();
    EXPECT_FALSE(session.IsConnected());
}

TEST_F(UpdateSessionTest, ReadsFilesInChunksAndSeesShortTransfers)
{
    const QByteArray whole = PatternBytes(300000);
    Put(QStringLiteral("whole.exe"), whole);
    Put(QStringLiteral("short.exe"), whole);
    StartServer({QStringLiteral("--truncate"), QStringLiteral("short.exe=1000")});
    CUpdateSession session(Server());
    session.SetShowMessages(false);
    ASSERT_TRUE(session.ConnectFolder(QStringLiteral("Scleron")));

    const auto readAll = [&](const QString& name, qint64 chunk) {
        auto file = session.OpenFile(name);
        EXPECT_TRUE(file) << qPrintable(session.GetErrorText());
        QByteArray got;
        if (!file)
            return got;
        QByteArray buffer(chunk, '\0');
        for (qint64 n; (n = file->Read(buffer.data(), chunk)) > 0;) {
            EXPECT_LE(n, chunk);
            got.append(buffer.constData(), n);
        }
        return got;
    };
    EXPECT_EQ(readAll(QStringLiteral("whole.exe"), 65536), whole);
    EXPECT_EQ(readAll(QStringLiteral("whole.exe"), 7), whole); // chunks far smaller than what arrives at once
    EXPECT_EQ(readAll(QStringLiteral("short.exe"), 65536), whole.left(1000));

    EXPECT_EQ(session.OpenFile(QStringLiteral("missing.exe")), nullptr);
    EXPECT_FALSE(session.GetErrorText().isEmpty());
    EXPECT_EQ(session.OpenFile(QStringLiteral("../whole.exe")), nullptr);
    EXPECT_TRUE(session.IsConnected());
}

TEST_F(UpdateSessionTest, StopRequestEndsAWaitForASilentServer)
{
    // A server that accepts connections but never greets.
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(fd, 4), 0);
    ASSERT_EQ(getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length), 0);

    CUpdateSession session({QStringLiteral("127.0.0.1"), ntohs(address.sin_port), QStringLiteral("u"), QStringLiteral("p")});
    session.SetShowMessages(false);
    bool connected = true;
    std::thread search([&] { connected = session.ConnectFolder(QStringLiteral("Scleron")); });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    session.RequestStop();
    search.join();
    close(fd);
    EXPECT_FALSE(connected);
    EXPECT_TRUE(session.GetErrorText().endsWith(QStringLiteral("(Error 42)"))) << qPrintable(session.GetErrorText());
}

} // namespace
