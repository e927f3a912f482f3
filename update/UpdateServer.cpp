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
    if (!url.isValid() || url.scheme() != QLatin1String("ftp") || url.host().isEmpty())
        return std::nullopt;
    SUpdateServer server;
    server.host = url.host();
    server.port = url.port(kFtpPort);
    server.user = url.userName(QUrl::FullyDecoded);
    server.password = url.password(QUrl::FullyDecoded);
    return server;
}

SUpdateServer UpdateServerFromEnvironment()
{
    const QString url = qEnvironmentVariable("SCLERON_UPDATE_URL");
    if (url.isEmpty())
        return DefaultUpdateServer();
    SUpdateServer none;
    return ParseUpdateUrl(url).value_or(none);
}
