#include "archive/ArchiveSql.h"

#include <QSqlError>
#include <QStringList>

namespace ArchiveSql {

bool Exec(QSqlQuery& query, QString* error)
{
    if (query.exec())
        return true;
    *error = query.lastError().text();
    return false;
}

bool Exec(QSqlDatabase& db, const QString& sql, QString* error)
{
    QSqlQuery query(db);
    if (query.exec(sql))
        return true;
    *error = query.lastError().text();
    return false;
}

bool BeginWrite(QSqlDatabase& db, SqlDialect dialect, QString* error)
{
    return Exec(db, dialect == SqlDialect::Sqlite ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN"), error);
}

bool Commit(QSqlDatabase& db, QString* error)
{
    return Exec(db, QStringLiteral("COMMIT"), error);
}

void Rollback(QSqlDatabase& db)
{
    QString ignored;
    Exec(db, QStringLiteral("ROLLBACK"), &ignored);
}

QString KindText(Provenance::Kind kind)
{
    return kind == Provenance::Kind::Download ? QStringLiteral("download") : QStringLiteral("file");
}

Provenance::Kind KindOf(const QString& text)
{
    return text == QLatin1String("download") ? Provenance::Kind::Download : Provenance::Kind::File;
}

Provenance ReadOrigin(const QSqlQuery& query, int first)
{
    Provenance p;
    p.kind = KindOf(query.value(first).toString());
    p.fileName = query.value(first + 1).toString();
    p.sha256 = query.value(first + 2).toString();
    p.computer = query.value(first + 3).toString();
    p.user = query.value(first + 4).toString();
    p.at = query.value(first + 5).toLongLong();
    return p;
}

QString CurvesText(const ArchivedSeries& series)
{
    QStringList parts;
    for (const ArchivedCurve* curves : {series.curvesD, series.curvesDL})
        for (int slot = 0; slot < 3; ++slot)
            parts << QStringLiteral("%1,%2,%3,%4")
                         .arg(curves[slot].scale)
                         .arg(curves[slot].material)
                         .arg(curves[slot].probe)
                         .arg(QString::number(curves[slot].offset, 'g', 9));
    return parts.join(QLatin1Char(';'));
}

void ReadCurves(const QString& text, ArchivedSeries* series)
{
    const QStringList parts = text.split(QLatin1Char(';'));
    for (int i = 0; i < 6 && i < parts.size(); ++i) {
        const QStringList f = parts[i].split(QLatin1Char(','));
        if (f.size() != 4)
            continue;
        ArchivedCurve& c = i < 3 ? series->curvesD[i] : series->curvesDL[i - 3];
        c = {f[0].toInt(), f[1].toInt(), f[2].toInt(), f[3].toFloat()};
    }
}

bool ReadSeries(QSqlDatabase& db, std::int64_t id, ArchivedSeries* series, QString* error)
{
    QSqlQuery s(db);
    s.prepare(QStringLiteral("SELECT tester_name, tester_serial, tester_firmware, series_no, scale, material, probe, "
                             "conversion_standard, custom_curves FROM series WHERE id = ?"));
    s.addBindValue(QVariant::fromValue<qint64>(id));
    if (!Exec(s, error))
        return false;
    if (!s.next()) {
        *error = QStringLiteral("no series %1 in the archive").arg(id);
        return false;
    }
    ArchivedSeries out;
    out.id = id;
    out.tester = {s.value(0).toString(), s.value(1).toString(), s.value(2).toString()};
    out.seriesNo = s.value(3).toInt();
    out.scale = s.value(4).toInt();
    out.material = s.value(5).toInt();
    out.probe = s.value(6).toInt();
    out.conversionStandard = s.value(7).toInt();
    ReadCurves(s.value(8).toString(), &out);

    QSqlQuery m(db);
    m.setForwardOnly(true);
    m.prepare(QStringLiteral("SELECT measured_at, value, angle, hidden, probe, series_mark FROM measurements "
                             "WHERE series_id = ? ORDER BY seq"));
    m.addBindValue(QVariant::fromValue<qint64>(id));
    if (!Exec(m, error))
        return false;
    while (m.next())
        out.measurements.push_back({m.value(0).toLongLong(), static_cast<float>(m.value(1).toDouble()),
                                    m.value(2).toInt(), m.value(3).toInt() != 0, m.value(4).toInt(),
                                    m.value(5).toInt()});

    QSqlQuery o(db);
    o.prepare(QStringLiteral("SELECT %1 FROM origins WHERE series_id = ? ORDER BY recorded_at, id")
                  .arg(QLatin1String(kOriginColumns)));
    o.addBindValue(QVariant::fromValue<qint64>(id));
    if (!Exec(o, error))
        return false;
    if (o.next())
        out.provenance = ReadOrigin(o, 0);
    *series = std::move(out);
    return true;
}

bool WriteSummary(QSqlDatabase& db, std::int64_t id, const SeriesSummary& summary, std::int64_t lastTime,
                  QString* error)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("UPDATE series SET measurement_count = ?, value_count = ?, mean = ?, deviation = ?, minimum = ?, maximum = ?, "
                             "unit = ?, judged = ?, shown_min = ?, shown_max = ?, last_time = ? WHERE id = ?"));
    q.addBindValue(summary.measurements);
    q.addBindValue(summary.count);
    q.addBindValue(summary.mean);
    q.addBindValue(summary.deviation);
    q.addBindValue(summary.minimum);
    q.addBindValue(summary.maximum);
    q.addBindValue(NotNull(summary.unit));
    q.addBindValue(summary.judged);
    q.addBindValue(summary.shownMin);
    q.addBindValue(summary.shownMax);
    q.addBindValue(QVariant::fromValue<qint64>(lastTime));
    q.addBindValue(QVariant::fromValue<qint64>(id));
    return Exec(q, error);
}

} // namespace ArchiveSql
