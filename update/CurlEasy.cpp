#include "update/CurlEasy.h"

#include "resources/StringTable.h"
#include "update/UpdateTexts.h"

#include <QElapsedTimer>
#include <QUrl>

#include <cctype>
#include <mutex>

namespace {
constexpr long kConnectTimeoutS = 15;

qint64 NowMs()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer c;
        c.start();
        return c;
    }();
    return clock.elapsed();
}
} // namespace

void EnsureCurlInitialised()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

CCurlEasy::CCurlEasy()
{
    EnsureCurlInitialised();
    m_curl = curl_easy_init();
}

CCurlEasy::~CCurlEasy()
{
    if (m_curl)
        curl_easy_cleanup(m_curl);
}

void CCurlEasy::Setup(const SUpdateServer& server, const QString& user, const QString& password, CURLSH* share,
                      const std::atomic<bool>* stop)
{
    m_baseUrl = "ftp://" + QUrl::toAce(server.host) + ':' + QByteArray::number(server.port) + '/';
    if (server.host.contains(QLatin1Char(':')))
        m_baseUrl = "ftp://[" + server.host.toLatin1() + "]:" + QByteArray::number(server.port) + '/';
    m_user = user.toUtf8();
    m_password = password.toUtf8();
    m_stop = stop;
    curl_easy_setopt(m_curl, CURLOPT_USERNAME, m_user.constData());
    curl_easy_setopt(m_curl, CURLOPT_PASSWORD, m_password.constData());
    curl_easy_setopt(m_curl, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(m_curl, CURLOPT_USE_SSL, server.tls == UpdateTls::Required ? CURLUSESSL_ALL : CURLUSESSL_TRY);
    curl_easy_setopt(m_curl, CURLOPT_FTPSSLAUTH, CURLFTPAUTH_TLS);
    curl_easy_setopt(m_curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(m_curl, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!server.caFile.isEmpty()) {
        m_caFile = server.caFile.toLocal8Bit();
        curl_easy_setopt(m_curl, CURLOPT_CAINFO, m_caFile.constData());
    }
    curl_easy_setopt(m_curl, CURLOPT_FTPPORT, nullptr); // passive mode
    curl_easy_setopt(m_curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(m_curl, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutS);
    curl_easy_setopt(m_curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, long(kStallSeconds));
    curl_easy_setopt(m_curl, CURLOPT_ERRORBUFFER, m_errorBuffer);
    curl_easy_setopt(m_curl, CURLOPT_HEADERFUNCTION, &CCurlEasy::OnHeader);
    curl_easy_setopt(m_curl, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(m_curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(m_curl, CURLOPT_XFERINFOFUNCTION, &CCurlEasy::OnProgress);
    curl_easy_setopt(m_curl, CURLOPT_XFERINFODATA, this);
    if (share)
        curl_easy_setopt(m_curl, CURLOPT_SHARE, share);
}

QByteArray CCurlEasy::UrlPath(const QString& folder)
{
    QByteArray path;
    for (const QString& segment : folder.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (segment == QLatin1String("."))
            continue;
        path += QUrl::toPercentEncoding(segment) + '/';
    }
    return path;
}

void CCurlEasy::SetTarget(const QString& folder, const QString& fileName)
{
    m_url = m_baseUrl + UrlPath(folder) + QUrl::toPercentEncoding(fileName);
    curl_easy_setopt(m_curl, CURLOPT_URL, m_url.constData());
}

void CCurlEasy::ClearRequest()
{
    curl_easy_setopt(m_curl, CURLOPT_NOBODY, 0L);
    curl_easy_setopt(m_curl, CURLOPT_QUOTE, nullptr);
    curl_easy_setopt(m_curl, CURLOPT_CUSTOMREQUEST, nullptr);
    curl_easy_setopt(m_curl, CURLOPT_WRITEFUNCTION, nullptr);
    curl_easy_setopt(m_curl, CURLOPT_WRITEDATA, nullptr);
    curl_easy_setopt(m_curl, CURLOPT_TRANSFERTEXT, 0L);
}

void CCurlEasy::BeginTransfer()
{
    m_lastErrorReply.clear();
    m_errorBuffer[0] = '\0';
    m_replyBytes = m_markBytes = 0;
    m_markMs = NowMs();
    m_stalled = false;
}

CURLcode CCurlEasy::Perform()
{
    BeginTransfer();
    return curl_easy_perform(m_curl);
}

size_t CCurlEasy::OnHeader(char* data, size_t size, size_t count, void* self)
{
    // For FTP these are the server's replies, one line each; keep the last error reply.
    auto* easy = static_cast<CCurlEasy*>(self);
    const QByteArray line = QByteArray(data, static_cast<qsizetype>(size * count)).trimmed();
    easy->m_replyBytes += static_cast<curl_off_t>(size * count);
    // Keep the last reply only when it was an error: an early refusal the exchange got over
    // (AUTH TLS on a server without TLS) is not what a later failure was about.
    if (line.size() >= 3 && line[0] >= '1' && line[0] <= '5' && std::isdigit(static_cast<unsigned char>(line[1]))) {
        if (line[0] == '4' || line[0] == '5')
            easy->m_lastErrorReply = line.left(1024);
        else
            easy->m_lastErrorReply.clear();
    }
    return size * count;
}

int CCurlEasy::OnProgress(void* self, curl_off_t, curl_off_t received, curl_off_t, curl_off_t)
{
    auto* easy = static_cast<CCurlEasy*>(self);
    if (easy->m_stop && easy->m_stop->load())
        return 1;
    // Every full window must have brought kStallBytes of data (a reply that keeps the program
    // waiting is bounded by the response time-out).
    const qint64 now = NowMs();
    if (now - easy->m_markMs >= kStallSeconds * 1000) {
        const curl_off_t seen = received;
        if (seen - easy->m_markBytes < kStallBytes) {
            easy->m_stalled = true;
            return 1;
        }
        easy->m_markBytes = seen;
        easy->m_markMs = now;
    }
    return 0;
}

UpdateFailure CCurlEasy::Classify(CURLcode result) const
{
    switch (result) {
    case CURLE_OK:
        return UpdateFailure::None;
    case CURLE_ABORTED_BY_CALLBACK:
        return m_stalled ? UpdateFailure::Stalled : UpdateFailure::Stopped;
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_FTP_ACCEPT_TIMEOUT:
        // A connection that was never made is a network failure; one that went quiet, a stall.
        return m_replyBytes > 0 ? UpdateFailure::Stalled : UpdateFailure::Unreachable;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_CONNECT:
    case CURLE_GOT_NOTHING:
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_WEIRD_SERVER_REPLY:
        return m_replyBytes > 0 ? UpdateFailure::Other : UpdateFailure::Unreachable;
    case CURLE_PARTIAL_FILE:
        return UpdateFailure::Short;
    case CURLE_LOGIN_DENIED:
        return UpdateFailure::Login;
    case CURLE_USE_SSL_FAILED:
        return UpdateFailure::NoTls;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_ISSUER_ERROR:
        return UpdateFailure::Certificate;
    case CURLE_REMOTE_FILE_NOT_FOUND:
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_FTP_COULDNT_RETR_FILE:
        return UpdateFailure::NotFound;
    default:
        return UpdateFailure::Other;
    }
}

int FailureTextId(UpdateFailure failure)
{
    switch (failure) {
    case UpdateFailure::Unreachable:
        return UpdateText::Unreachable;
    case UpdateFailure::Login:
        return UpdateText::LoginRefused;
    case UpdateFailure::NoTls:
        return UpdateText::NoTls;
    case UpdateFailure::Certificate:
        return UpdateText::CertificateFailed;
    case UpdateFailure::Stalled:
        return UpdateText::Stalled;
    case UpdateFailure::NotFound:
        return UpdateText::FileNotFound;
    case UpdateFailure::Short:
        return UpdateText::WrongSize;
    default:
        return UpdateText::ConnectionFailed;
    }
}

QString CCurlEasy::FailureText(CURLcode result) const
{
    QString detail = QString::fromUtf8(m_lastErrorReply);
    if (detail.isEmpty())
        detail = QString::fromUtf8(m_errorBuffer[0] ? m_errorBuffer : curl_easy_strerror(result));
    detail.truncate(1024);
    return ResString(FailureTextId(Classify(result))) + QLatin1Char('\n') + detail + QLatin1Char(' ')
        + FillResString(UpdateText::ErrorCode, {QString::number(int(result))});
}
