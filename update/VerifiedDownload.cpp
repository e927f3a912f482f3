#include "update/VerifiedDownload.h"

#include "resources/StringTable.h"
#include "update/UpdateTexts.h"

#include <QSaveFile>

namespace {

constexpr qint64 kReadBytes = 64 * 1024;

SDownloadOutcome Failed(DownloadResult result, const QString& text, UpdateFailure failure = UpdateFailure::None)
{
    return {result, text, failure, {}};
}

SDownloadOutcome FromSession(const CUpdateSession& session)
{
    const UpdateFailure failure = session.LastFailure();
    return Failed(failure == UpdateFailure::Stopped ? DownloadResult::Stopped : DownloadResult::ServerFailed,
                  session.GetErrorText(), failure);
}

DownloadResult ResultOf(SignatureCheck check)
{
    switch (check) {
    case SignatureCheck::Verified:
        return DownloadResult::Done;
    case SignatureCheck::Missing:
        return DownloadResult::SignatureMissing;
    case SignatureCheck::Malformed:
        return DownloadResult::SignatureMalformed;
    case SignatureCheck::Untrusted:
        return DownloadResult::SignatureUntrusted;
    case SignatureCheck::Bad:
        break;
    }
    return DownloadResult::SignatureBad;
}

} // namespace

QString SignatureFailureText(SignatureCheck check)
{
    switch (check) {
    case SignatureCheck::Verified:
        return {};
    case SignatureCheck::Missing:
        return ResString(UpdateText::SignatureMissing);
    case SignatureCheck::Malformed:
        return ResString(UpdateText::SignatureMalformed);
    case SignatureCheck::Untrusted:
        return ResString(UpdateText::SignatureUntrusted);
    case SignatureCheck::Bad:
        break;
    }
    return ResString(UpdateText::SignatureBad);
}

namespace {

SDownloadOutcome Download(CUpdateSession& session, const QString& name, quint64 listedSize, QSaveFile& local,
                          const QList<SPublicKey>& trusted, std::atomic<quint64>* transferred)
{
    if (transferred)
        *transferred = 0;
    if (listedSize == 0)
        return Failed(DownloadResult::WrongSize, ResString(UpdateText::WrongSize));

    const auto signature = session.Fetch(name + QLatin1String(kSignatureExtension), kMaxSignatureBytes);
    if (!signature) {
        if (session.LastFailure() != UpdateFailure::NotFound)
            return FromSession(session);
        return Failed(DownloadResult::SignatureMissing, SignatureFailureText(SignatureCheck::Missing));
    }
    CSignatureVerifier verifier;
    if (const SignatureCheck begun = verifier.Begin(*signature, trusted); begun != SignatureCheck::Verified)
        return Failed(ResultOf(begun), SignatureFailureText(begun));

    const std::unique_ptr<CRemoteFile> remote = session.OpenFile(name);
    if (!remote)
        return FromSession(session);
    QByteArray buffer(kReadBytes, '\0');
    quint64 count = 0;
    for (;;) {
        const qint64 n = remote->Read(buffer.data(), buffer.size());
        if (n < 0) {
            const UpdateFailure failure = remote->Failure();
            if (failure == UpdateFailure::Short)
                return Failed(DownloadResult::WrongSize, ResString(UpdateText::WrongSize));
            return Failed(failure == UpdateFailure::Stopped ? DownloadResult::Stopped : DownloadResult::ServerFailed,
                          remote->ErrorText(), failure);
        }
        if (n == 0)
            break; // the server ended the transfer
        count += static_cast<quint64>(n);
        if (count > listedSize)
            return Failed(DownloadResult::WrongSize, ResString(UpdateText::WrongSize));
        if (local.write(buffer.constData(), n) != n)
            return Failed(DownloadResult::LocalWriteFailed,
                          ResString(UpdateText::LocalWriteFailed) + QLatin1Char('\n') + local.errorString());
        verifier.Add(buffer.constData(), n);
        if (transferred)
            *transferred = count;
    }
    if (count != listedSize)
        return Failed(DownloadResult::WrongSize, ResString(UpdateText::WrongSize));
    if (const SignatureCheck check = verifier.Finish(); check != SignatureCheck::Verified)
        return Failed(ResultOf(check), SignatureFailureText(check));
    if (!local.commit())
        return Failed(DownloadResult::LocalWriteFailed, ResString(UpdateText::LocalWriteFailed) + QLatin1Char('\n') + local.errorString());
    return {DownloadResult::Done, {}, UpdateFailure::None, *signature};
}

} // namespace

SDownloadOutcome DownloadVerified(CUpdateSession& session, const QString& name, quint64 listedSize, QSaveFile& local,
                                  const QList<SPublicKey>& trusted, std::atomic<quint64>* transferred)
{
    SDownloadOutcome outcome = Download(session, name, listedSize, local, trusted, transferred);
    if (outcome.result != DownloadResult::Done)
        local.cancelWriting(); // the temporary file goes; nothing of the download is left
    return outcome;
}
