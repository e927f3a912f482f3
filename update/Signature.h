#pragma once
// Signatures of what the update server sends: Ed25519 in minisign's format, checked with libsodium.
//
// A file NAME on the server is trusted only with NAME.minisig beside it, made with the secret key
// of one of the public keys the program trusts (TrustedKeys.h):
//
//   untrusted comment: <anything>
//   <base64: "Ed" (the file signed as it is) or "ED" (its BLAKE2b-512 signed), key id (8 bytes),
//    signature (64 bytes)>
//   trusted comment: <text>
//   <base64: signature over the 64 signature bytes followed by the trusted comment's text>
//
// A public key is the base64 of "Ed", its key id (8 bytes) and the key (32 bytes).

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <memory>
#include <optional>

struct SPublicKey {
    std::array<unsigned char, 8> keyId{};
    std::array<unsigned char, 32> key{};
};

struct SSignature {
    bool prehashed = false; // "ED": the BLAKE2b-512 of the file is signed
    std::array<unsigned char, 8> keyId{};
    std::array<unsigned char, 64> signature{};
    QByteArray trustedComment;
    std::array<unsigned char, 64> globalSignature{};
};

// The outcome of checking a file, in the order a check meets them.
enum class SignatureCheck {
    Verified,
    Missing,   // no signature file on the server
    Malformed, // not a signature of this kind
    Untrusted, // made with a key the program does not trust
    Bad,       // does not belong to this file (changed file, or forged signature or comment)
};

// A public key from a line of base64, or from a whole key file (its "untrusted comment:" line is
// skipped). Nothing for anything else.
std::optional<SPublicKey> ParsePublicKey(const QByteArray& text);
// Nothing when the text is no signature file.
std::optional<SSignature> ParseSignature(const QByteArray& text);

// Checks a file fed in pieces against its signature: Begin, Add every piece in order, Finish.
class CSignatureVerifier {
public:
    // A file signed in the plain "Ed" form is kept in memory until Finish; beyond this size the
    // check fails rather than hold more.
    static constexpr qsizetype kMaxPlainSignedBytes = 256 * 1024 * 1024;

    CSignatureVerifier();
    ~CSignatureVerifier();
    CSignatureVerifier(const CSignatureVerifier&) = delete;
    CSignatureVerifier& operator=(const CSignatureVerifier&) = delete;

    // Picks the trusted key the signature names and checks the trusted comment's signature.
    // Anything but Verified ends the check (Add and Finish then repeat that outcome).
    SignatureCheck Begin(const QByteArray& signatureFile, const QList<SPublicKey>& trusted);
    void Add(const char* data, qsizetype size);
    SignatureCheck Finish();
    // The trusted comment of a verified signature.
    QByteArray TrustedComment() const { return m_signature.trustedComment; }

private:
    struct Hash;

    SignatureCheck m_state = SignatureCheck::Malformed;
    SSignature m_signature;
    SPublicKey m_key;
    std::unique_ptr<Hash> m_hash;
    QByteArray m_plain;
    bool m_tooLarge = false;
};

// Checks a whole local file against the signature file's text.
SignatureCheck VerifyFile(const QString& path, const QByteArray& signatureFile, const QList<SPublicKey>& trusted);
