#include "common/FtpServer.h"

#include "common/TempDir.h"

#include <QDeadlineTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

FtpServer::~FtpServer()
{
    Stop();
}

bool FtpServer::Start(const QString& root, const QStringList& extraArguments, QString* error, int timeoutMs)
{
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.setReadChannel(QProcess::StandardOutput);
    process_.start(QStringLiteral("/usr/bin/python3"),
                   QStringList{FixturePath(QStringLiteral("common/ftp_server.py")), QStringLiteral("--root"), root,
                               QStringLiteral("--user"), QString::fromLatin1(kUser), QStringLiteral("--password"),
                               QString::fromLatin1(kPassword)}
                       + extraArguments);
    QDeadlineTimer deadline(timeoutMs);
    QByteArray out;
    while (!deadline.hasExpired()) {
        if (!process_.canReadLine() && !process_.waitForReadyRead(int(deadline.remainingTime())))
            break;
        out += process_.readLine();
        if (out.startsWith("PORT ") && out.endsWith('\n')) {
            port_ = out.mid(5).trimmed().toInt();
            return port_ > 0;
        }
    }
    if (error)
        *error = QStringLiteral("FTP server did not start: %1 %2")
                     .arg(QString::fromLocal8Bit(out), QString::fromLocal8Bit(process_.readAllStandardError()));
    Stop();
    return false;
}

void FtpServer::Stop()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

QString FtpServer::Url(const QString& password) const
{
    return QStringLiteral("ftp://%1:%2@127.0.0.1:%3").arg(QString::fromLatin1(kUser), password).arg(port_);
}

int UnusedLocalPort()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 1;
    if (fd >= 0 && bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0
        && getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    if (fd >= 0)
        close(fd);
    return port;
}

bool MakeTestCertificates(const QString& folder, QString* error)
{
    WriteWholeFile(folder + QStringLiteral("/server.ext"), "subjectAltName=IP:127.0.0.1\n");
    const QString ec = QStringLiteral("ec:") + folder + QStringLiteral("/params.pem");
    const QList<QStringList> steps = {
        {QStringLiteral("ecparam"), QStringLiteral("-name"), QStringLiteral("prime256v1"), QStringLiteral("-out"), folder + QStringLiteral("/params.pem")},
        {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), ec, QStringLiteral("-nodes"), QStringLiteral("-keyout"),
         folder + QStringLiteral("/ca.key"), QStringLiteral("-out"), folder + QStringLiteral("/ca.pem"), QStringLiteral("-days"), QStringLiteral("2"),
         QStringLiteral("-subj"), QStringLiteral("/CN=Scleron test CA")},
        {QStringLiteral("req"), QStringLiteral("-newkey"), ec, QStringLiteral("-nodes"), QStringLiteral("-keyout"), folder + QStringLiteral("/server.key"),
         QStringLiteral("-out"), folder + QStringLiteral("/server.csr"), QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1")},
        {QStringLiteral("x509"), QStringLiteral("-req"), QStringLiteral("-in"), folder + QStringLiteral("/server.csr"), QStringLiteral("-CA"),
         folder + QStringLiteral("/ca.pem"), QStringLiteral("-CAkey"), folder + QStringLiteral("/ca.key"), QStringLiteral("-CAcreateserial"),
         QStringLiteral("-out"), folder + QStringLiteral("/server.pem"), QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-extfile"),
         folder + QStringLiteral("/server.ext")},
    };
    for (const QStringList& arguments : steps) {
        QProcess openssl;
        openssl.start(QStringLiteral("openssl"), arguments);
        if (!openssl.waitForFinished(60000) || openssl.exitCode() != 0) {
            if (error)
                *error = QString::fromLocal8Bit(openssl.readAllStandardError());
            return false;
        }
    }
    return true;
}

QStringList TlsServerArguments(const QString& folder)
{
    return {QStringLiteral("--tls-cert"), folder + QStringLiteral("/server.pem"), QStringLiteral("--tls-key"), folder + QStringLiteral("/server.key")};
}
