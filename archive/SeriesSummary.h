#pragma once
// CSeriesSummarizer: the statistics of an archived series, computed with the conversion and
// statistics code of the table, so the archive's numbers equal what the table shows for the series.

#include "archive/ArchiveRecords.h"
#include "data/MeasurementStore.h"

#include <optional>

class CSeriesSummarizer {
public:
    CSeriesSummarizer();
    SeriesSummary Summarize(const ArchivedSeries& series);

private:
    CMeasurementStore scratch; // conversion tables built once; holds one series at a time
};

// The verdict of a found series against the limits of its scale and material: true OK, false
// NOT OK, nullopt when it was not judged (no limits, or no visible value with a number).
std::optional<bool> SummaryVerdict(const FoundSeries& series, const class CToleranceTable& limits);
