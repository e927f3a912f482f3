#pragma once
// The search result of scleron-cli archive find as text, CSV or JSON: one row (object) per series
// with its tester, time, scale, material, statistics, verdict and origins.

#include "archive/ArchiveRecords.h"
#include "export/CsvDialect.h"
#include "quality/ToleranceLimits.h"

#include <QByteArray>

#include <vector>

class CMeasurementStore;

namespace ArchiveListing {
enum class Format { Text, Csv, Json };

// names: a store with conversion tables, for the scale and material names.
QByteArray Write(const std::vector<FoundSeries>& found, Format format, const CsvDialect& dialect,
                 const CToleranceTable& limits, const CMeasurementStore& names);
} // namespace ArchiveListing
