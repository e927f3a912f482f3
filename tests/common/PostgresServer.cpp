#include "common/PostgresServer.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

QString FindBinDir()
{
    QDir versions(QStringLiteral("/usr/lib/postgresql"));
    const QStringList found = versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::Reversed);
    for (const QString& v : found)
        if (QFile::exists(versions.filePath(v + QStringLiteral("/bin/pg_ctl"))))
            return versions.filePath(v + QStringLiteral("/bin"));
    return {};
}

// A port nobody listens on: the system's choice for a socket bound to port 0.
int FreePort()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (fd >= 0 && bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0
        && getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    if (fd >= 0)
        close(fd);
    return port;
}

} // namespace

CPostgresServer::CPostgresServer() : folder(QDir::tempPath() + QStringLiteral("/scleron-pg-XXXXXX"))
{
    binDir = FindBinDir();
    if (binDir.isEmpty() || !folder.isValid()) {
        failure = QStringLiteral("PostgreSQL is not installed (no /usr/lib/postgresql/*/bin/pg_ctl)");
        return;
    }
    dataDir = folder.filePath(QStringLiteral("data"));
    QDir().mkpath(dataDir);
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                             | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    if (geteuid() == 0) {
        // The server refuses to run as root: its folder belongs to the postgres account.
        const passwd* pg = getpwnam("postgres");
        if (!pg || chown(dataDir.toLocal8Bit().constData(), pg->pw_uid, pg->pw_gid) != 0
            || chown(folder.path().toLocal8Bit().constData(), pg->pw_uid, pg->pw_gid) != 0) {
            failure = QStringLiteral("no postgres account to run the server as");
            return;
        }
    }
    QString output;
    if (!Run(binDir + QStringLiteral("/initdb"), {"-D", dataDir, "-A", "trust", "-U", "postgres"}, &output)) {
        failure = QStringLiteral("initdb failed: ") + output;
        return;
    }
    if (!Start())
        failure = QStringLiteral("the server did not start: ") + QString::fromLocal8Bit([this] {
                      QFile log(folder.filePath(QStringLiteral("server.log")));
                      return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
                  }());
}

CPostgresServer::~CPostgresServer()
{
    Stop();
}

bool CPostgresServer::Run(const QString& program, const QStringList& args, QString* output)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    if (geteuid() == 0)
        p.start(QStringLiteral("runuser"), QStringList{"-u", "postgres", "--", program} + args);
    else
        p.start(program, args);
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        return false;
    }
    if (output)
        *output = QString::fromLocal8Bit(p.readAll());
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool CPostgresServer::Start()
{
    if (running)
        return true;
    if (port == 0)
        port = FreePort();
    // The log goes to a file: a server whose output is a pipe keeps that pipe open.
    running = Run(binDir + QStringLiteral("/pg_ctl"),
                  {"-D", dataDir, "-l", folder.filePath(QStringLiteral("server.log")), "-o",
                   QStringLiteral("-p %1 -k %2 -h 127.0.0.1").arg(port).arg(folder.path()), "-w", "start"});
    return running;
}

void CPostgresServer::Stop()
{
    if (!running)
        return;
    Run(binDir + QStringLiteral("/pg_ctl"), {"-D", dataDir, "-m", "fast", "-w", "stop"});
    running = false;
}

QString CPostgresServer::CreateDatabase(const QString& name)
{
    if (!Run(binDir + QStringLiteral("/createdb"),
             {"-h", "127.0.0.1", "-p", QString::number(port), "-U", "postgres", name}))
        return {};
    return QStringLiteral("postgresql://postgres@127.0.0.1:%1/%2").arg(port).arg(name);
}
