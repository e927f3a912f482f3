#pragma once
// The CSV exports of the store, whatever filled it (a file or a tester): the measurements (one row
// per measurement, hidden ones included and marked) and the series statistics (one row per
// series). Columns in ExportColumns.h; dialects in CsvDialect.h.
//
// The store is read as it stands: the table's refresh has put its scales and materials right
// before (the desktop's table, or RefreshTable on a window-less sheet), so the export shows what
// the table shows. The conversion tables must be built.

#include "export/CsvDialect.h"

#include <QByteArray>

class CMeasurementStore;
class CToleranceTable;

// The whole file: the byte-order mark when the dialect has one, the header line, then the rows.
QByteArray MeasurementsCsv(const CMeasurementStore& store, const CsvDialect& dialect);
// limits: the tolerance limits for the statistics' limit and verdict columns (nullptr: none).
QByteArray StatisticsCsv(const CMeasurementStore& store, const CsvDialect& dialect,
                         const CToleranceTable* limits = nullptr);

// The row of measurement `measurement` of series `series`, as MeasurementsCsv writes it; with
// `discarded` the row of the live logger that records a discard: hidden 1, no value, status
// "discarded".
QByteArray MeasurementCsvRow(const CMeasurementStore& store, int series, int measurement, const CsvDialect& dialect,
                             bool discarded = false);

// Writes the file of the export (measurements, or the statistics) to path, replacing it only once
// it is complete. False with the reason on failure; a file already there is then left as it was.
bool WriteCsvFile(const CMeasurementStore& store, bool statistics, const CsvDialect& dialect, const QString& path,
                  QString* error, const CToleranceTable* limits = nullptr);
