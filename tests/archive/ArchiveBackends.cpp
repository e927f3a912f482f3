#include "ArchiveBackends.h"

#include "common/PostgresServer.h"

#include <QAtomicInteger>

#include <memory>

namespace {

CPostgresServer& Server()
{
    static std::unique_ptr<CPostgresServer> server = std::make_unique<CPostgresServer>();
    return *server;
}

} // namespace

CTestArchive::CTestArchive(Backend backend)
{
    if (backend == Backend::Sqlite) {
        url = QStringLiteral("sqlite:") + folder.filePath(QStringLiteral("archive.sqlite"));
        return;
    }
    if (!Server().Failure().isEmpty()) {
        failure = Server().Failure();
        return;
    }
    static QAtomicInteger<int> counter;
    url = Server().CreateDatabase(QStringLiteral("archive%1_%2").arg(getpid()).arg(counter.fetchAndAddRelaxed(1)));
    if (url.isEmpty())
        failure = QStringLiteral("createdb failed");
}

ArchiveLocation CTestArchive::Location() const
{
    QString error;
    return *ArchiveLocation::Parse(url, &error);
}

void StopTestServer()
{
    Server().Stop();
}

bool StartTestServer()
{
    return Server().Start();
}

ArchivedSeries TestSeries(const QString& serial, int seriesNo, std::int64_t t0, const std::vector<float>& raws,
                          int scale, int material)
{
    ArchivedSeries s;
    s.tester = {QStringLiteral("Kestrel 2"), serial, QStringLiteral("2.1.7")};
    s.seriesNo = seriesNo;
    s.scale = scale;
    s.material = material;
    for (std::size_t i = 0; i < raws.size(); ++i)
        s.measurements.push_back({t0 + static_cast<std::int64_t>(i) * 10, raws[i], 0, false, 0, 0});
    s.provenance = Provenance::File(QStringLiteral("lab.hkp"), QStringLiteral("ab12"), t0);
    return s;
}

const char* BackendName(Backend backend)
{
    return backend == Backend::Sqlite ? "Sqlite" : "Postgres";
}
