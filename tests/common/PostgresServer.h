#pragma once
// A real PostgreSQL server for one test: initialised in a temporary folder, listening on a free
// port of 127.0.0.1 only, run by the unprivileged "postgres" account when the tests run as root,
// and always stopped when the object goes (also when the test failed).

#include <QString>
#include <QTemporaryDir>

class CPostgresServer {
public:
    CPostgresServer();
    ~CPostgresServer();
    CPostgresServer(const CPostgresServer&) = delete;
    CPostgresServer& operator=(const CPostgresServer&) = delete;

    // Empty when the server runs; else what went wrong.
    const QString& Failure() const { return failure; }
    bool Start();
    void Stop();
    // Creates a database and returns its archive address "postgresql://postgres@127.0.0.1:PORT/NAME".
    QString CreateDatabase(const QString& name);
    int Port() const { return port; }

private:
    bool Run(const QString& program, const QStringList& args, QString* output = nullptr);

    QTemporaryDir folder;
    QString dataDir;
    QString binDir;
    int port = 0;
    bool running = false;
    QString failure;
};
