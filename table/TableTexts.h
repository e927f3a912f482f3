#pragma once
// The texts of the table that do not come from the conversion: row keys, the impact body, the
// custom-curve option of the Material list, and the header texts of the export and the printout.

#include <QString>

class CMeasurementStore;
struct CPARA;

// A row key of column 0 parsed back the way the table commands read it ("%d.%d").
struct RowKey {
    int numbers = 0; // how many numbers were read: 0 = not a key, 1 = series row, 2 = sub-row
    int series = -1; // k: index of the series in the store
    int sub = -1;    // j: 0 = statistics row, j >= 1 = measurement j (index j - 1)

    bool IsSeries() const { return numbers == 1; }
    bool IsStatistics() const { return numbers == 2 && sub == 0; }
    bool IsMeasurement() const { return numbers == 2 && sub >= 1; }
};

QString SeriesRowKey(int series);
QString SubRowKey(int series, int sub);
RowKey ParseRowKey(const QString& text);

// "D" for probe 0, "DL" for probe 1, empty otherwise.
QString ImpactBodyText(int probe);

// The leading integer of a text read as "%d" does (0 when the text does not start with one):
// "6.1 Alu-AN40 (ABB)" gives 6, "HC1  Custom1" gives 0.
int LeadingInteger(const QString& text);

// The Material option of a custom curve: "%s %s/%d  %+0.1f" of (the custom curve's name, the unit
// of its base scale in the Leeb D catalogue, the leading integer of its base material's name, its
// offset). Needs the conversion tables.
QString CustomCurveOptionText(const CMeasurementStore& store, const QString& customName, const CPARA& entry);

// Header line of the text export: name, serial number, " V: ", firmware version, and " Custom J"
// for the conversion standard 1.
QString ExportHeaderText(const CMeasurementStore& store);
// Title of a printed page: name and serial number, and " Custom J" for the conversion standard 1.
QString PrintTitleText(const CMeasurementStore& store);
