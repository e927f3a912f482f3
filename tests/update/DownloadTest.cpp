// What the update session lets through: listings of servers without MLSD, hostile names, TLS, and
// downloads that are kept only when complete, of the listed size and signed by a trusted key.
#include "update/UpdateSession.h"
#include "update/VerifiedDownload.h"

#include "common/FtpServer.h"
#include "common/Minisign.h"
#include "common/ScriptedPrompts.h"
#include "common/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSaveFile>
#include <QTemporaryDir>

namespace {

QStringList NamesAndSizes(const QList<SRemoteEntry>& entries)
{
    QStringList names;
    for (const SRemoteEntry& e : entries)
        names << QStringLiteral("%1=%2").arg(e.name).arg(e.size);
    names.sort();
    return names;
}

class DownloadTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("DoDovavez/Scleron"))); }

    QString Folder() const { return root.filePath(QStringLiteral("DoDovavez/Scleron/")); }
    void Put(const QString& name, const QByteArray& bytes) const { WriteWholeFile(Folder() + name, bytes); }
    void StartServer(const QStringList& extra = {})
    {
        QString error;
        ASSERT_TRUE(ftp.Start(root.path(), extra, &error)) << qPrintable(error);
    }
    SUpdateServer Server() const
    {
        return {QStringLiteral("127.0.0.1"), ftp.Port(), QString::fromLatin1(FtpServer::kUser), QString::fromLatin1(FtpServer::kPassword)};
    }

    QTemporaryDir root;
    QTemporaryDir local;
    FtpServer ftp;
    ScriptedPrompts prompts;
};

TEST_F(DownloadTest, HostileNamesAreDropped)
{
    const QString longName = QString(256, QLatin1Char('a'));
    const struct {
        QString name;
        bool plain;
    } cases[] = {
        {QStringLiteral("Scleron_V_3_1_0.exe"), true},
        {QStringLiteral("Scleron V 3.exe"), true},
        {QString(255, QLatin1Char('a')), true},
        {QStringLiteral("Sc\u00e9ron_V_3_1_0.exe"), true},
        {longName, false},
        {QString(128, QChar(0x00e9)), false}, // 128 characters, 256 bytes
        {QStringLiteral("a\u2028b.exe"), false},
        {QStringLiteral("a\u2029b.exe"), false},
        {QStringLiteral("exe.\u202eSc_V_9_9_9.exe"), false},
        {QStringLiteral("a\u200bb.exe"), false},
        {QStringLiteral("a\u00a0b.exe"), false},
        {QStringLiteral("a\u3000b.exe"), false},
        {QStringLiteral("a\tb.exe"), false},
        {QStringLiteral("../x.exe"), false},
        {QStringLiteral("a\\b.exe"), false},
        {QStringLiteral(".."), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsPlainFileName(c.name), c.plain) << qPrintable(c.name);
}

TEST_F(DownloadTest, AServerWithoutMlsdIsListedWithList)
{
    Put(QStringLiteral("Scleron_V_3_1_0.exe"), PatternBytes(5000));
    Put(QStringLiteral("Scleron V 3_0_9.exe"), PatternBytes(10));
    Put(QStringLiteral("Kestrel-V1.0.3_FW.lod"), PatternBytes(7));
    Put(QStringLiteral("exe.\u202eSc_V_9_9_9.exe"), PatternBytes(1));
    Put(QStringLiteral("a\u2028_V_9_9_9.exe"), PatternBytes(1));
    ASSERT_TRUE(QDir(Folder()).mkdir(QStringLiteral("sub_V_9_9_9.exe")));
    const QStringList expected{QStringLiteral("Kestrel-V1.0.3_FW.lod=7"), QStringLiteral("Scleron V 3_0_9.exe=10"),
                               QStringLiteral("Scleron_V_3_1_0.exe=5000")};
    for (bool mlsd : {true, false}) {
        FtpServer server;
        QString error;
        ASSERT_TRUE(server.Start(root.path(), mlsd ? QStringList{} : QStringList{QStringLiteral("--refuse-command"), QStringLiteral("MLSD")},
                                 &error))
            << qPrintable(error);
        SUpdateServer address = Server();
        address.port = server.Port();
        CUpdateSession session(address);
        session.SetShowMessages(false);
        ASSERT_TRUE(session.ConnectFolder(QStringLiteral("Scleron"))) << qPrintable(session.GetErrorText());
        for (int round = 0; round < 2; ++round) { // the second time goes straight to LIST
            const auto listing = session.List(QStringLiteral("*"));
            ASSERT_TRUE(listing.has_value()) << mlsd << qPrintable(session.GetErrorText());
            EXPECT_EQ(NamesAndSizes(*listing), expected) << mlsd;
        }
        const auto lod = session.List(QStringLiteral("*.lod"));
        ASSERT_TRUE(lod.has_value());
        EXPECT_EQ(NamesAndSizes(*lod), QStringList{QStringLiteral("Kestrel-V1.0.3_FW.lod=7")});
    }
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(DownloadTest, TlsIsRequiredByFtpsAndTheCertificateIsChecked)
{
    QTemporaryDir certificates;
    QString error;
    ASSERT_TRUE(MakeTestCertificates(certificates.path(), &error)) << qPrintable(error);
    Put(QStringLiteral("Scleron_V_3_1_0.exe"), PatternBytes(3000));
    FtpServer tls;
    ASSERT_TRUE(tls.Start(root.path(), TlsServerArguments(certificates.path()), &error)) << qPrintable(error);
    StartServer(); // plain

    struct Case {
        const char* what;
        bool tlsServer;
        UpdateTls mode;
        bool withCa;
        UpdateFailure expected;
    };
    const Case cases[] = {
        {"ftps with the site's CA", true, UpdateTls::Required, true, UpdateFailure::None},
        {"TLS when offered, with the site's CA", true, UpdateTls::IfOffered, true, UpdateFailure::None},
        {"ftps, certificate of an unknown CA", true, UpdateTls::Required, false, UpdateFailure::Certificate},
        {"TLS when offered, certificate of an unknown CA", true, UpdateTls::IfOffered, false, UpdateFailure::Certificate},
        {"ftps to a server without TLS", false, UpdateTls::Required, true, UpdateFailure::NoTls},
        {"plain server, TLS when offered", false, UpdateTls::IfOffered, false, UpdateFailure::None},
    };
    for (const Case& c : cases) {
        SUpdateServer address = Server();
        address.port = c.tlsServer ? tls.Port() : ftp.Port();
        address.tls = c.mode;
        if (c.withCa)
            address.caFile = certificates.filePath(QStringLiteral("ca.pem"));
        CUpdateSession session(address);
        session.SetShowMessages(false);
        const bool connected = session.ConnectFolder(QStringLiteral("Scleron"));
        EXPECT_EQ(session.LastFailure(), c.expected) << c.what << ": " << qPrintable(session.GetErrorText());
        if (c.expected != UpdateFailure::None) {
            EXPECT_FALSE(connected) << c.what;
            // The program's sentence first, the technical detail on the next line.
            const QStringList lines = session.GetErrorText().split(QLatin1Char('\n'));
            EXPECT_EQ(lines.size(), 2) << c.what << ": " << qPrintable(session.GetErrorText());
            EXPECT_TRUE(lines[0].startsWith(QStringLiteral("The "))) << qPrintable(lines[0]);
            continue;
        }
        ASSERT_TRUE(connected) << c.what;
        // Listing and transfer go over the encrypted data connection.
        const auto listing = session.List(QStringLiteral("*"));
        ASSERT_TRUE(listing.has_value()) << c.what << ": " << qPrintable(session.GetErrorText());
        EXPECT_EQ(NamesAndSizes(*listing), QStringList{QStringLiteral("Scleron_V_3_1_0.exe=3000")}) << c.what;
        const auto bytes = session.Fetch(QStringLiteral("Scleron_V_3_1_0.exe"), 4000);
        ASSERT_TRUE(bytes.has_value()) << c.what << ": " << qPrintable(session.GetErrorText());
        EXPECT_EQ(*bytes, PatternBytes(3000)) << c.what;
    }
    // A URL names the mode.
    EXPECT_EQ(ParseUpdateUrl(QStringLiteral("ftps://u:p@h:990"))->tls, UpdateTls::Required);
    EXPECT_EQ(ParseUpdateUrl(QStringLiteral("ftp://u:p@h"))->tls, UpdateTls::IfOffered);
    EXPECT_FALSE(ParseUpdateUrl(QStringLiteral("http://u:p@h")).has_value());
}

TEST_F(DownloadTest, OnlyACompleteFileOfTheListedSizeWithATrustedSignatureIsKept)
{
    QTemporaryDir keys;
    const MinisignKey key(keys.path(), QStringLiteral("site"));
    const MinisignKey stranger(keys.path(), QStringLiteral("stranger"));
    ASSERT_TRUE(key.Valid() && stranger.Valid());
    const QByteArray content = PatternBytes(300000);
    const auto put = [&](const QString& name, const MinisignKey* signer, bool legacy = false) {
        Put(name, content);
        if (signer)
            ASSERT_TRUE(signer->Sign(Folder() + name, legacy));
    };
    put(QStringLiteral("good.exe"), &key);
    put(QStringLiteral("legacy.exe"), &key, true);
    put(QStringLiteral("unsigned.exe"), nullptr);
    put(QStringLiteral("stranger.exe"), &stranger);
    put(QStringLiteral("tampered.exe"), &key);
    QByteArray changed = content;
    changed[150000] = char(changed[150000] ^ 0x40);
    Put(QStringLiteral("tampered.exe"), changed);
    put(QStringLiteral("longer.exe"), &key);  // listed as 131072 (a multiple of the read size)
    put(QStringLiteral("longer2.exe"), &key); // listed as 65536
    put(QStringLiteral("shorter.exe"), &key); // the server stops after 70000 bytes
    put(QStringLiteral("empty.exe"), &key);   // listed as 0
    Put(QStringLiteral("garbled.exe"), content);
    WriteWholeFile(Folder() + QStringLiteral("garbled.exe.minisig"), "untrusted comment: x\nnonsense\n");
    StartServer({QStringLiteral("--list-size"), QStringLiteral("longer.exe=131072"), QStringLiteral("--list-size"),
                 QStringLiteral("longer2.exe=65536"), QStringLiteral("--list-size"), QStringLiteral("empty.exe=0"),
                 QStringLiteral("--truncate"), QStringLiteral("shorter.exe=70000")});

    CUpdateSession session(Server());
    session.SetShowMessages(false);
    ASSERT_TRUE(session.ConnectFolder(QStringLiteral("Scleron"))) << qPrintable(session.GetErrorText());
    const auto listing = session.List(QStringLiteral("*.exe"));
    ASSERT_TRUE(listing.has_value());
    const auto listedSize = [&](const QString& name) {
        for (const SRemoteEntry& e : *listing)
            if (e.name == name)
                return e.size;
        ADD_FAILURE() << qPrintable(name) << " not listed";
        return quint64(0);
    };
    const struct {
        const char* name;
        DownloadResult expected;
        QString text;
    } cases[] = {
        {"good.exe", DownloadResult::Done, {}},
        {"legacy.exe", DownloadResult::Done, {}},
        {"unsigned.exe", DownloadResult::SignatureMissing, QStringLiteral("The file was not used because it has no signature on the update server.")},
        {"stranger.exe", DownloadResult::SignatureUntrusted,
         QStringLiteral("The file was not used because it was signed with a key this program does not trust.")},
        {"tampered.exe", DownloadResult::SignatureBad,
         QStringLiteral("The file was not used because it does not match its signature: it was changed after it was signed.")},
        {"garbled.exe", DownloadResult::SignatureMalformed, QStringLiteral("The file was not used because its signature on the update server is damaged.")},
        {"longer.exe", DownloadResult::WrongSize, QStringLiteral("The file on the update server is not the size the server announced, so it was not used.")},
        {"longer2.exe", DownloadResult::WrongSize, {}},
        {"shorter.exe", DownloadResult::WrongSize, {}},
        {"empty.exe", DownloadResult::WrongSize, {}},
    };
    for (const auto& c : cases) {
        const QString name = QString::fromLatin1(c.name);
        const QString path = local.filePath(name);
        QSaveFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        std::atomic<quint64> transferred{0};
        const SDownloadOutcome outcome = DownloadVerified(session, name, listedSize(name), file, {key.PublicKey()}, &transferred);
        EXPECT_EQ(outcome.result, c.expected) << c.name << ": " << qPrintable(outcome.text);
        if (!c.text.isEmpty())
            EXPECT_EQ(outcome.text, c.text) << c.name;
        if (c.expected == DownloadResult::Done) {
            EXPECT_EQ(ReadWholeFile(path), content) << c.name;
            EXPECT_EQ(transferred.load(), quint64(content.size()));
            EXPECT_FALSE(QFileInfo(path).isExecutable());
            QFile::remove(path);
        }
        EXPECT_TRUE(QDir(local.path()).entryList(QDir::Files | QDir::Hidden).isEmpty()) << c.name;
    }
}

} // namespace
