#include "archive/ArchiveLocation.h"

#include "archive/ArchiveStrings.h"
#include "resources/Registry.h"
#include "resources/StringTable.h"

#include <QDir>
#include <QStandardPaths>
#include <QUrl>

std::optional<ArchiveLocation> ArchiveLocation::Parse(const QString& text, QString* error)
{
    const QString trimmed = text.trimmed();
    ArchiveLocation location;
    if (trimmed.isEmpty()) {
        location.path = DefaultSqlitePath();
        return location;
    }
    if (trimmed.compare(QLatin1String("off"), Qt::CaseInsensitive) == 0) {
        location.kind = Kind::Off;
        return location;
    }
    if (trimmed.startsWith(QLatin1String("sqlite:"))) {
        location.path = trimmed.mid(7);
        if (location.path.startsWith(QLatin1String("//")))
            location.path = QUrl(trimmed).toLocalFile();
        if (location.path.isEmpty()) {
            *error = ResString(ArchiveStrings::NoSqliteFile);
            return std::nullopt;
        }
        return location;
    }
    const QUrl url(trimmed, QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != QLatin1String("postgresql") && url.scheme() != QLatin1String("postgres"))) {
        *error = ResString(ArchiveStrings::NotAnAddress);
        return std::nullopt;
    }
    if (!url.password().isEmpty()) {
        *error = ResString(ArchiveStrings::HasPassword);
        return std::nullopt;
    }
    location.kind = Kind::Postgres;
    location.user = url.userName();
    location.host = url.host();
    location.port = url.port(5432);
    location.database = url.path().mid(1);
    if (location.host.isEmpty() || location.database.isEmpty() || location.database.contains(QLatin1Char('/'))) {
        *error = ResString(ArchiveStrings::NeedsHost);
        return std::nullopt;
    }
    return location;
}

QString ArchiveLocation::DefaultSqlitePath()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(base).filePath(QStringLiteral("scleron/archive.sqlite"));
}

QString ArchiveLocation::Describe() const
{
    switch (kind) {
    case Kind::Off:
        return QStringLiteral("off");
    case Kind::Sqlite:
        return QDir::toNativeSeparators(path);
    case Kind::Postgres:
        return QStringLiteral("%1%2:%3/%4")
            .arg(user.isEmpty() ? QString() : user + QLatin1Char('@'), host)
            .arg(port)
            .arg(database);
    }
    return {};
}

namespace ArchiveSettings {

QString StoredText()
{
    CRegistryKey key;
    if (!key.Open(RegistryRoot::CurrentUser, QLatin1String(kKey), RegistryAccess::Read))
        return {};
    return key.ReadText(QLatin1String(kValue), QString());
}

bool Store(const QString& text)
{
    if (!Registry::CreateKey(RegistryRoot::CurrentUser, QLatin1String(kKey)))
        return false;
    CRegistryKey key;
    return key.Open(RegistryRoot::CurrentUser, QLatin1String(kKey), RegistryAccess::Write)
        && key.WriteText(QLatin1String(kValue), text.trimmed());
}

QString EffectiveText()
{
    if (qEnvironmentVariableIsSet(kEnvironment))
        return qEnvironmentVariable(kEnvironment);
    return StoredText();
}

std::optional<ArchiveLocation> Current(QString* error)
{
    return ArchiveLocation::Parse(EffectiveText(), error);
}

} // namespace ArchiveSettings
