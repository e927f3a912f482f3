#include "update/Signature.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <sodium.h>

namespace {

constexpr int kPublicKeyBytes = 2 + 8 + 32;
constexpr int kSignatureBytes = 2 + 8 + 64;
// Whatever a signature file holds beyond its four lines is not ours to read.
constexpr qsizetype kMaxSignatureFileBytes = 16 * 1024;

bool SodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

std::optional<QByteArray> Base64Exactly(const QByteArray& text, int bytes)
{
    const auto decoded = QByteArray::fromBase64Encoding(text.trimmed(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() != bytes)
        return std::nullopt;
    return decoded.decoded;
}

template <size_t N>
void CopyInto(std::array<unsigned char, N>& target, const QByteArray& source, qsizetype from)
{
    std::memcpy(target.data(), source.constData() + from, N);
}

QList<QByteArray> Lines(const QByteArray& text)
{
    QList<QByteArray> lines;
    for (QByteArray line : text.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        lines.append(line);
    }
    return lines;
}

} // namespace

std::optional<SPublicKey> ParsePublicKey(const QByteArray& text)
{
    QByteArray keyLine;
    for (const QByteArray& line : Lines(text.left(4096))) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith("untrusted comment:"))
            continue;
        if (!keyLine.isEmpty())
            return std::nullopt;
        keyLine = trimmed;
    }
    const auto bytes = Base64Exactly(keyLine, kPublicKeyBytes);
    if (!bytes || !bytes->startsWith("Ed"))
        return std::nullopt;
    SPublicKey key;
    CopyInto(key.keyId, *bytes, 2);
    CopyInto(key.key, *bytes, 10);
    return key;
}

std::optional<SSignature> ParseSignature(const QByteArray& text)
{
    if (text.size() > kMaxSignatureFileBytes)
        return std::nullopt;
    const QList<QByteArray> lines = Lines(text);
    if (lines.size() < 4 || !lines[0].startsWith("untrusted comment:") || !lines[2].startsWith("trusted comment: "))
        return std::nullopt;
    for (qsizetype i = 4; i < lines.size(); ++i)
        if (!lines[i].trimmed().isEmpty())
            return std::nullopt;
    const auto signature = Base64Exactly(lines[1], kSignatureBytes);
    const auto global = Base64Exactly(lines[3], 64);
    if (!signature || !global)
        return std::nullopt;
    SSignature parsed;
    if (signature->startsWith("ED"))
        parsed.prehashed = true;
    else if (!signature->startsWith("Ed"))
        return std::nullopt;
    CopyInto(parsed.keyId, *signature, 2);
    CopyInto(parsed.signature, *signature, 10);
    parsed.trustedComment = lines[2].mid(int(std::strlen("trusted comment: ")));
    CopyInto(parsed.globalSignature, *global, 0);
    return parsed;
}

struct CSignatureVerifier::Hash {
    crypto_generichash_state state;
};

CSignatureVerifier::CSignatureVerifier() = default;
CSignatureVerifier::~CSignatureVerifier() = default;

SignatureCheck CSignatureVerifier::Begin(const QByteArray& signatureFile, const QList<SPublicKey>& trusted)
{
    m_plain.clear();
    m_tooLarge = false;
    m_hash.reset();
    const auto signature = ParseSignature(signatureFile);
    if (!signature || !SodiumReady())
        return m_state = SignatureCheck::Malformed;
    m_signature = *signature;
    const auto key = std::find_if(trusted.begin(), trusted.end(),
                                  [&](const SPublicKey& k) { return k.keyId == m_signature.keyId; });
    if (key == trusted.end())
        return m_state = SignatureCheck::Untrusted;
    m_key = *key;
    // The trusted comment is signed together with the file's signature.
    QByteArray global(reinterpret_cast<const char*>(m_signature.signature.data()), 64);
    global += m_signature.trustedComment;
    if (crypto_sign_verify_detached(m_signature.globalSignature.data(), reinterpret_cast<const unsigned char*>(global.constData()),
                                    static_cast<unsigned long long>(global.size()), m_key.key.data())
        != 0)
        return m_state = SignatureCheck::Bad;
    if (m_signature.prehashed) {
        m_hash = std::make_unique<Hash>();
        crypto_generichash_init(&m_hash->state, nullptr, 0, crypto_generichash_BYTES_MAX);
    }
    return m_state = SignatureCheck::Verified;
}

void CSignatureVerifier::Add(const char* data, qsizetype size)
{
    if (m_state != SignatureCheck::Verified || size <= 0)
        return;
    if (m_hash) {
        crypto_generichash_update(&m_hash->state, reinterpret_cast<const unsigned char*>(data), static_cast<unsigned long long>(size));
        return;
    }
    if (m_tooLarge || m_plain.size() + size > kMaxPlainSignedBytes) {
        m_tooLarge = true;
        m_plain.clear();
        return;
    }
    m_plain.append(data, size);
}

SignatureCheck CSignatureVerifier::Finish()
{
    if (m_state != SignatureCheck::Verified)
        return m_state;
    int result = -1;
    if (m_hash) {
        unsigned char digest[crypto_generichash_BYTES_MAX];
        crypto_generichash_final(&m_hash->state, digest, sizeof digest);
        result = crypto_sign_verify_detached(m_signature.signature.data(), digest, sizeof digest, m_key.key.data());
    } else if (!m_tooLarge) {
        result = crypto_sign_verify_detached(m_signature.signature.data(), reinterpret_cast<const unsigned char*>(m_plain.constData()),
                                             static_cast<unsigned long long>(m_plain.size()), m_key.key.data());
    }
    m_plain.clear();
    m_hash.reset();
    return m_state = (result == 0 ? SignatureCheck::Verified : SignatureCheck::Bad);
}

SignatureCheck VerifyFile(const QString& path, const QByteArray& signatureFile, const QList<SPublicKey>& trusted)
{
    CSignatureVerifier verifier;
    if (const SignatureCheck begun = verifier.Begin(signatureFile, trusted); begun != SignatureCheck::Verified)
        return begun;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return SignatureCheck::Bad;
    QByteArray buffer(1024 * 1024, '\0');
    for (;;) {
        const qint64 n = file.read(buffer.data(), buffer.size());
        if (n < 0)
            return SignatureCheck::Bad;
        if (n == 0)
            break;
        verifier.Add(buffer.constData(), n);
    }
    return verifier.Finish();
}
