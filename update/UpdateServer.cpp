#include "update/UpdateServer.h"

#include <QUrl>

namespace {
// The program's own update server and its read-only account.
constexpr char kHost[] = "ftp.scleron.org";
constexpr char kUser[] = "update";
constexpr char kPassword[] = "KestrelUp";
constexpr int kFtpPort = 21;
} // namespace

SUpdateServer DefaultUpdateServer()
{
    return {QString::fromLatin1(kHost), kFtpPort, QString::fromLatin1(kUser), QString::fromLatin1(kPassword)};
}

std::optional<SUpdateServer> ParseUpdateUrl(const QString& text)
{
    const QUrl url(text, QUrl::StrictMode);
    const bool ftps = url.scheme() == QLatin1String("ftps");
    if (!url.isValid() || (url.scheme() != QLatin1String("ftp") && !ftps) || url.host().isEmpty())
        return std::nullopt;
    SUpdateServer server;
    server.tls = ftps ? UpdateTls::Required : UpdateTls::IfOffered;
    server.host = url.host();
    server.port = url.port(kFtpPort);
    server.user = url.userName(QUrl::FullyDecoded);
    server.password = url.password(QUrl::FullyDecoded);
    return server;
}

SUpdateServer UpdateServerFromEnvironment()
{
    const QString url = qEnvironmentVariable("SCLERON_UPDATE_URL");
    SUpdateServer none;
    SUpdateServer server = url.isEmpty() ? DefaultUpdateServer() : ParseUpdateUrl(url).value_or(none);
    server.caFile = qEnvironmentVariable("SCLERON_UPDATE_CA");
    return server;
}
