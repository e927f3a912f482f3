#pragma once
// Keys and signatures made with the real minisign tool, for the tests of what the update service
// trusts.
//
//   MinisignKey key(dir.path());          // a key pair without password
//   ASSERT_TRUE(key.Sign(file));          // writes file + ".minisig"
//   setup.trustedKeys = {key.PublicKey()};

#include "update/Signature.h"

#include <QString>

class MinisignKey {
public:
    // Makes a key pair in folder (tests only: no password). Valid() tells whether it worked.
    explicit MinisignKey(const QString& folder, const QString& name = QStringLiteral("test"));
    bool Valid() const { return valid_; }
    // The public key line others paste (base64).
    QByteArray PublicKeyLine() const { return publicLine_; }
    SPublicKey PublicKey() const;
    // Signs path into path + ".minisig": prehashed ("ED"), or the legacy form ("Ed").
    bool Sign(const QString& path, bool legacy = false, const QString& trustedComment = {}) const;

private:
    QString pub_;
    QString sec_;
    QByteArray publicLine_;
    bool valid_ = false;
};
