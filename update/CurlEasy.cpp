#include "update/CurlEasy.h"

#include "update/UpdateTexts.h"

#include <QUrl>

#include <mutex>

namespace {
constexpr long kConnectTimeoutS = 20;
constexpr long kResponseTimeoutS = 30;
// A transfer that moves less than one byte per second for this long has stalled.
constexpr long kStallTimeoutS = 30;
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
    curl_easy_setopt(m_curl, CURLOPT_FTPPORT, nullptr); // passive mode
    curl_easy_setopt(m_curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(m_curl, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutS);
    curl_easy_setopt(m_curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, kResponseTimeoutS);
    curl_easy_setopt(m_curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(m_curl, CURLOPT_LOW_SPEED_TIME, kStallTimeoutS);
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

CURLcode CCurlEasy::Perform()
{
    m_lastErrorReply.clear();
    m_errorBuffer[0] = '\0';
    return curl_easy_perform(m_curl);
}

size_t CCurlEasy::OnHeader(char* data, size_t size, size_t count, void* self)
{
    // For FTP these are the server's replies, one line each; keep the last error reply.
    const QByteArray line = QByteArray(data, static_cast<qsizetype>(size * count)).trimmed();
    if (line.size() >= 3 && (line[0] == '4' || line[0] == '5'))
        static_cast<CCurlEasy*>(self)->m_lastErrorReply = line.left(1024);
    return size * count;
}

int CCurlEasy::OnProgress(void* self, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    const std::atomic<bool>* stop = static_cast<CCurlEasy*>(self)->m_stop;
    return (stop && stop->load()) ? 1 : 0;
}

QString CCurlEasy::FailureText(CURLcode result) const
{
    QString message = QString::fromUtf8(m_lastErrorReply);
    if (message.isEmpty())
        message = QString::fromUtf8(m_errorBuffer[0] ? m_errorBuffer : curl_easy_strerror(result));
    message.truncate(1024);
    return message + QLatin1Char(' ') + FillResString(UpdateText::ErrorCode, {QString::number(int(result))});
}
