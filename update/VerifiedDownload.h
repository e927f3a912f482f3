#pragma once
// Downloads one file of the update server's current folder so that it can be trusted: its
// signature NAME.minisig must name a trusted key (fetched and checked first, before the file is
// fetched at all), the server must end the transfer itself, the byte count must equal the size the
// listing gave, and the file must match the signature. Only then is the local file committed;
// otherwise nothing is left of it.

#include "update/Signature.h"
#include "update/UpdateSession.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>

class QSaveFile;

enum class DownloadResult {
    Done,
    ServerFailed, // the exchange with the server failed (text from the session)
    Stopped,      // asked to stop
    WrongSize,    // more or fewer bytes than listed, or listed as empty
    SignatureMissing,
    SignatureMalformed,
    SignatureUntrusted,
    SignatureBad,
    LocalWriteFailed,
};

struct SDownloadOutcome {
    DownloadResult result = DownloadResult::ServerFailed;
    // The operator's sentence (a second line may give the technical detail); empty when Done.
    QString text;
    UpdateFailure failure = UpdateFailure::None;
    // The text of the signature file, for checking the file again later.
    QByteArray signature;
};

// Extension of the signature file beside each file.
inline constexpr char kSignatureExtension[] = ".minisig";
// The longest signature file accepted.
inline constexpr qsizetype kMaxSignatureBytes = 16 * 1024;

// local is open for writing and is committed only on Done (cancelled otherwise). transferred, when
// given, follows the byte count as it grows (read it from any thread).
SDownloadOutcome DownloadVerified(CUpdateSession& session, const QString& name, quint64 listedSize, QSaveFile& local,
                                  const QList<SPublicKey>& trusted, std::atomic<quint64>* transferred = nullptr);

// The operator's sentence for a failed signature check.
QString SignatureFailureText(SignatureCheck check);
