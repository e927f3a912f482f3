#include "export/JsonExport.h"

#include "export/ExportColumns.h"

#include "data/FileWriter.h"
#include "data/MeasurementStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonValue JsonValue(const ExportCell& cell)
{
    switch (cell.kind) {
    case ExportCell::Empty:
        return QJsonValue(QJsonValue::Null);
    case ExportCell::Text:
        return cell.text;
    case ExportCell::Number:
        return cell.text.toDouble();
    case ExportCell::Integer:
        return cell.text.toLongLong();
    case ExportCell::Flag:
        return cell.text == QLatin1String("1");
    }
    return QJsonValue(QJsonValue::Null);
}

void AddColumns(QJsonObject& object, const std::vector<ExportColumn>& columns, ColumnScope scope,
                const SeriesFacts& series, const MeasurementFacts* measurement)
{
    for (const ExportColumn& column : columns)
        if (column.scope == scope)
            object.insert(QLatin1String(column.name), JsonValue(column.cell(series, measurement)));
}

QJsonObject SeriesObject(const CMeasurementStore& store, int k, const CToleranceTable* limits)
{
    const SeriesFacts series(store, k, limits);
    QJsonObject object;
    AddColumns(object, MeasurementColumns(), ColumnScope::Series, series, nullptr);
    object.insert(QStringLiteral("scale_type"), series.serie.scale);
    object.insert(QStringLiteral("material_index"), series.serie.material);

    QJsonObject statistics;
    AddColumns(statistics, StatisticsColumns(), ColumnScope::Statistics, series, nullptr);
    object.insert(QStringLiteral("statistics"), statistics);

    QJsonArray measurements;
    for (int m = 0; m < series.serie.Count(); ++m) {
        const MeasurementFacts facts(series, m);
        QJsonObject measurement;
        AddColumns(measurement, MeasurementColumns(), ColumnScope::Measurement, series, &facts);
        measurements.append(measurement);
    }
    object.insert(QStringLiteral("measurements"), measurements);
    return object;
}

QJsonObject DeviceObject(const CMeasurementStore& store)
{
    const DEVICE& device = store.device;
    return QJsonObject{
        {QStringLiteral("name"), device.name},
        {QStringLiteral("serial_number"), device.serialNumber},
        {QStringLiteral("hardware_revision"), device.hardwareRevision},
        {QStringLiteral("firmware_version"), device.firmwareVersion},
        {QStringLiteral("bootloader_version"), device.bootloaderVersion},
    };
}

} // namespace

QByteArray MeasurementsJson(const CMeasurementStore& store, const CToleranceTable* limits)
{
    QJsonArray series;
    for (int k = 0; k < store.series.GetSize(); ++k)
        series.append(SeriesObject(store, k, limits));
    const QJsonObject root{
        {QStringLiteral("format"), QLatin1String(kJsonExportFormat)},
        {QStringLiteral("format_version"), kJsonExportVersion},
        {QStringLiteral("device"), DeviceObject(store)},
        {QStringLiteral("conversion_standard"),
         store.conversionStandard == 1 ? QStringLiteral("Custom J") : QStringLiteral("default")},
        {QStringLiteral("series"), series},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool WriteJsonFile(const CMeasurementStore& store, const QString& path, QString* error, const CToleranceTable* limits)
{
    const QByteArray bytes = MeasurementsJson(store, limits);
    // Through the program's file writer: a device or FIFO is written into, never replaced, and
    // an existing file only once the new one is complete.
    return FileWriter::WriteFile(path, bytes, error) == FileWriter::Result::Written;
}
