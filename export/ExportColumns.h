#pragma once
// The columns of the exports, in one place: the CSV header and rows and the JSON objects are all
// built from these lists, so a column added here appears in every export. Every value comes from
// the conversion and statistics code the table uses, so the numbers equal the table's.
//
// Column names and order are an interface (documented in the README): change them only with a
// note there.

#include "conversion/MeasurementValue.h"
#include "conversion/SeriesStatistics.h"

#include <QString>

#include <vector>

class CMeasurementStore;
class CToleranceTable;
struct MEAS;
struct MSERIE;

// One value of an export, before a dialect writes it.
struct ExportCell {
    enum Kind {
        Empty,   // no value: an empty CSV cell, null in JSON
        Text,    // text, written as it stands (quoted where the format needs it)
        Number,  // a decimal number in `text`, "." as its decimal separator
        Integer, // a whole number in `text`
        Flag,    // 0/1 in CSV, false/true in JSON
    };
    Kind kind = Empty;
    QString text;

    static ExportCell Of(const QString& text) { return {text.isEmpty() ? Empty : Text, text}; }
    static ExportCell OfNumber(const QString& number) { return {number.isEmpty() ? Empty : Number, number}; }
    static ExportCell OfInteger(long long value) { return {Integer, QString::number(value)}; }
    static ExportCell OfFlag(bool value) { return {Flag, value ? QStringLiteral("1") : QStringLiteral("0")}; }
};

// What the cells of one series are computed from (once per series).
struct SeriesFacts {
    // limits: the tolerance limits in use (nullptr: none).
    SeriesFacts(const CMeasurementStore& store, int series, const CToleranceTable* limits = nullptr);

    const CMeasurementStore& store;
    const CToleranceTable* limits;
    int index;            // position in the store
    const MSERIE& serie;
    SeriesStatistics stats;
    int visible = 0;      // measurements that are not hidden
};

// What the cells of one measurement are computed from (once per measurement).
struct MeasurementFacts {
    MeasurementFacts(const SeriesFacts& series, int measurement);

    int index;            // position in the series (0-based)
    const MEAS& meas;
    MeasurementNumber number;
    // Set by the live logger for a row that records a discard on the tester.
    bool discarded = false;
};

enum class ColumnScope {
    Series,      // the same for every measurement of a series: JSON puts it in the series object
    Measurement, // one per measurement: JSON puts it in the measurement object
    Statistics,  // one per series, from its statistics: JSON puts it in the statistics object
};

struct ExportColumn {
    const char* name;
    ColumnScope scope;
    // Measurement-scope cells read both facts; the others only the series facts (the measurement
    // facts may then be of any measurement, or none: do not read them).
    ExportCell (*cell)(const SeriesFacts& series, const MeasurementFacts* measurement);
};

// Scale and material names are the table's, with runs of blanks (aligned for the drop-down lists)
// written as one blank.
// The columns of the measurements export, in file order: series, measurement, time, value, unit,
// scale, material, impact_body, angle, raw_leeb, hidden, status.
const std::vector<ExportColumn>& MeasurementColumns();
// The columns of the series statistics export, in file order: series, time, scale, unit,
// material, impact_body, count, mean, deviation, minimum, maximum, range, mean_angle, status,
// lower_limit, upper_limit, verdict (the tolerance limits of the series' scale and material and
// "OK" / "NOT OK" when its values were judged; empty without limits).
const std::vector<ExportColumn>& StatisticsColumns();

// The `status` texts of a measurement without a value (and of a discard written by the logger).
namespace ExportStatus {
inline constexpr const char* OutOfRange = "out of range";
inline constexpr const char* NoCurve = "no curve";
inline constexpr const char* NoMaterial = "no material";
inline constexpr const char* NoValue = "no value";
inline constexpr const char* Discarded = "discarded";
// Statistics of a series: no visible measurement; a visible value that cannot be converted.
inline constexpr const char* NoVisibleValues = "no visible values";
inline constexpr const char* NotConvertible = "not convertible";
} // namespace ExportStatus

// A measurement time as ISO 8601 local date and time with the offset from UTC,
// "2024-03-05T10:12:30+01:00".
QString ExportTimeText(qint64 secondsSinceEpoch);
