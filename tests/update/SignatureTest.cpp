#include "update/Signature.h"
#include "update/TrustedKeys.h"

#include "common/Minisign.h"
#include "common/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <functional>

namespace {

TEST(SignatureTest, FilesSignedWithTheMinisignToolVerifyOnlyUnchangedAndWithATrustedKey)
{
    QTemporaryDir dir;
    const MinisignKey key(dir.path(), QStringLiteral("site"));
    const MinisignKey other(dir.path(), QStringLiteral("other"));
    ASSERT_TRUE(key.Valid() && other.Valid());
    const QList<SPublicKey> trusted{ReleasePublicKey(), key.PublicKey()};

    struct Case {
        const char* what;
        bool legacy;
        const MinisignKey* signer;
        // Applied to the file and its signature after signing.
        std::function<void(QByteArray& file, QByteArray& signature)> change;
        SignatureCheck expected;
    };
    const auto none = [](QByteArray&, QByteArray&) {};
    const Case cases[] = {
        {"prehashed", false, &key, none, SignatureCheck::Verified},
        {"legacy", true, &key, none, SignatureCheck::Verified},
        {"one byte changed", false, &key, [](QByteArray& f, QByteArray&) { f[1000] = char(f[1000] ^ 1); }, SignatureCheck::Bad},
        {"legacy, one byte added", true, &key, [](QByteArray& f, QByteArray&) { f += 'x'; }, SignatureCheck::Bad},
        {"another key", false, &other, none, SignatureCheck::Untrusted},
        {"trusted comment changed", false, &key,
         [](QByteArray&, QByteArray& s) { s.replace("trusted comment: ", "trusted comment: not "); }, SignatureCheck::Bad},
        {"global signature missing", false, &key,
         [](QByteArray&, QByteArray& s) { s = s.left(s.lastIndexOf("trusted comment:")) + "trusted comment: x\n"; }, SignatureCheck::Malformed},
        {"not a signature", false, &key, [](QByteArray&, QByteArray& s) { s = "hello\n"; }, SignatureCheck::Malformed},
    };
    for (const Case& c : cases) {
        const QString path = dir.filePath(QStringLiteral("package.lod"));
        QByteArray file = PatternBytes(200000);
        WriteWholeFile(path, file);
        ASSERT_TRUE(c.signer->Sign(path, c.legacy, QStringLiteral("file:package.lod")));
        QByteArray signature = ReadWholeFile(path + QStringLiteral(".minisig"));
        c.change(file, signature);
        WriteWholeFile(path, file);
        EXPECT_EQ(VerifyFile(path, signature, trusted), c.expected) << c.what;

        // The same bytes fed in pieces, as a download does.
        CSignatureVerifier verifier;
        SignatureCheck check = verifier.Begin(signature, trusted);
        if (check == SignatureCheck::Verified) {
            for (qsizetype at = 0; at < file.size(); at += 4096)
                verifier.Add(file.constData() + at, std::min<qsizetype>(4096, file.size() - at));
            check = verifier.Finish();
        }
        EXPECT_EQ(check, c.expected) << c.what;
        if (check == SignatureCheck::Verified)
            EXPECT_EQ(verifier.TrustedComment(), QByteArray("file:package.lod")) << c.what;
    }
}

TEST(SignatureTest, TrustedKeysComeFromTheProgramTheKeysFileAndTheEnvironment)
{
    QTemporaryDir dir;
    const MinisignKey fileKey(dir.path(), QStringLiteral("file"));
    const MinisignKey envKey(dir.path(), QStringLiteral("env"));
    ASSERT_TRUE(fileKey.Valid() && envKey.Valid());
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("config/scleron")));
    WriteWholeFile(dir.filePath(QStringLiteral("config/scleron/update-keys")),
                   "# our own builds\nuntrusted comment: minisign public key\n" + fileKey.PublicKeyLine()
                       + "\nnot a key at all\nRWQ\n");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    const QByteArray oldKey = qgetenv("SCLERON_UPDATE_PUBKEY");
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("SCLERON_UPDATE_PUBKEY", envKey.PublicKeyLine());
    const QList<SPublicKey> keys = TrustedUpdateKeys();
    qputenv("XDG_CONFIG_HOME", oldConfig);
    qputenv("SCLERON_UPDATE_PUBKEY", oldKey);

    ASSERT_EQ(keys.size(), 3);
    EXPECT_EQ(keys[0].keyId, ReleasePublicKey().keyId);
    EXPECT_EQ(keys[1].key, fileKey.PublicKey().key);
    EXPECT_EQ(keys[2].key, envKey.PublicKey().key);
    // A whole ".pub" file is a key as well; anything else is none.
    EXPECT_TRUE(ParsePublicKey("untrusted comment: x\n" + fileKey.PublicKeyLine() + "\n").has_value());
    EXPECT_FALSE(ParsePublicKey(fileKey.PublicKeyLine() + "\n" + envKey.PublicKeyLine()).has_value());
    EXPECT_FALSE(ParsePublicKey("RWQ=").has_value());
}

} // namespace
