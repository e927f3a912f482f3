#pragma once
// The JSON export of the store, for scripts and quality systems: one object with the format's
// name and version, the tester's identity (`device`), the conversion standard and `series`, an
// array of the series, each with its settings, its `statistics` and its `measurements` (raw and
// converted values). The keys are the export's column names (ExportColumns.h): a series carries
// the series columns, its statistics object the statistics columns, each measurement the
// measurement columns. Empty values are null, numbers are numbers, `hidden` is a boolean.
// The schema is docs/export.schema.json. Like the CSV export it reads the store as the table's
// refresh left it.

#include <QByteArray>
#include <QString>

class CMeasurementStore;
class CToleranceTable;

// Format name and version written at the top; the version changes with any change of meaning.
inline constexpr const char* kJsonExportFormat = "scleron-measurements";
inline constexpr int kJsonExportVersion = 1;

// The document, UTF-8, indented. limits: the tolerance limits for the statistics' limit and
// verdict keys (nullptr: none, the keys are null).
QByteArray MeasurementsJson(const CMeasurementStore& store, const CToleranceTable* limits = nullptr);

// Writes it to path, replacing the file only once complete. False with the reason on failure.
bool WriteJsonFile(const CMeasurementStore& store, const QString& path, QString* error,
                   const CToleranceTable* limits = nullptr);
