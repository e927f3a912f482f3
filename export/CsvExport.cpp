#include "export/CsvExport.h"

#include "data/FileWriter.h"
#include "data/MeasurementStore.h"

namespace {

std::vector<ExportCell> Cells(const std::vector<ExportColumn>& columns, const SeriesFacts& series,
                              const MeasurementFacts* measurement)
{
    std::vector<ExportCell> cells;
    cells.reserve(columns.size());
    for (const ExportColumn& column : columns)
        cells.push_back(column.cell(series, measurement));
    return cells;
}

QByteArray Start(const std::vector<ExportColumn>& columns, const CsvDialect& dialect)
{
    QByteArray bytes = dialect.byteOrderMark ? Utf8ByteOrderMark() : QByteArray();
    bytes += CsvHeaderLine(columns, dialect);
    return bytes;
}

} // namespace

QByteArray MeasurementsCsv(const CMeasurementStore& store, const CsvDialect& dialect)
{
    const std::vector<ExportColumn>& columns = MeasurementColumns();
    QByteArray bytes = Start(columns, dialect);
    for (int k = 0; k < store.series.GetSize(); ++k) {
        const SeriesFacts series(store, k);
        for (int m = 0; m < series.serie.Count(); ++m) {
            const MeasurementFacts measurement(series, m);
            bytes += CsvLine(Cells(columns, series, &measurement), dialect);
        }
    }
    return bytes;
}

QByteArray StatisticsCsv(const CMeasurementStore& store, const CsvDialect& dialect, const CToleranceTable* limits)
{
    const std::vector<ExportColumn>& columns = StatisticsColumns();
    QByteArray bytes = Start(columns, dialect);
    for (int k = 0; k < store.series.GetSize(); ++k)
        bytes += CsvLine(Cells(columns, SeriesFacts(store, k, limits), nullptr), dialect);
    return bytes;
}

QByteArray MeasurementCsvRow(const CMeasurementStore& store, int series, int measurement, const CsvDialect& dialect,
                             bool discarded)
{
    const SeriesFacts seriesFacts(store, series);
    MeasurementFacts facts(seriesFacts, measurement);
    facts.discarded = discarded;
    return CsvLine(Cells(MeasurementColumns(), seriesFacts, &facts), dialect);
}

bool WriteCsvFile(const CMeasurementStore& store, bool statistics, const CsvDialect& dialect, const QString& path,
                  QString* error, const CToleranceTable* limits)
{
    const QByteArray bytes = statistics ? StatisticsCsv(store, dialect, limits) : MeasurementsCsv(store, dialect);
    // Through the program's file writer: a device or FIFO is written into, never replaced, and
    // an existing file only once the new one is complete.
    return FileWriter::WriteFile(path, bytes, error) == FileWriter::Result::Written;
}
