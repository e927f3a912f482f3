#include "archive/ArchiveRecords.h"

#include <QSysInfo>

#include <pwd.h>
#include <unistd.h>

QString CurrentUserName()
{
    if (const passwd* entry = getpwuid(geteuid()); entry && entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    return qEnvironmentVariable("USER");
}

QString ComputerName()
{
    return QSysInfo::machineHostName();
}

Provenance Provenance::Download(std::int64_t at)
{
    Provenance p;
    p.kind = Kind::Download;
    p.computer = ComputerName();
    p.user = CurrentUserName();
    p.at = at;
    return p;
}

Provenance Provenance::File(const QString& fileName, const QString& sha256, std::int64_t at)
{
    Provenance p = Download(at);
    p.kind = Kind::File;
    p.fileName = fileName;
    p.sha256 = sha256;
    return p;
}
