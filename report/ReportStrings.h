#pragma once
// Numbers of the report's and the chart's texts in the string table (resources/strings/report.inc).

namespace ReportIds {
constexpr int Title = 61820;          // "Inspection report"
constexpr int Tester = 61821;         // "Tester: %1"
constexpr int Date = 61822;           // "Date: %1"
constexpr int Series = 61823;         // "Series %1"
constexpr int Scale = 61824;          // "Scale: %1"
constexpr int Material = 61825;       // "Material: %1"
constexpr int ImpactBody = 61826;     // "Impact body: %1"
constexpr int Measurements = 61827;   // "Measurements: %1, hidden: %2"
constexpr int Tolerance = 61828;      // "Tolerance: %1"
constexpr int NoLimits = 61829;       // "no limits set"
constexpr int Verdict = 61830;        // "Verdict: %1"
constexpr int Counts = 61831;         // "%1 inside, %2 below, %3 above"
constexpr int NotJudgedCount = 61832; // "%1 without a value, not judged"
constexpr int NothingJudged = 61833;  // "nothing judged"
constexpr int Page = 61834;           // "Page %1 of %2"
constexpr int InspectedBy = 61835;    // "Inspected by:"
constexpr int Signature = 61836;      // "Signature:"
constexpr int VerdictColumn = 61837;  // "Verdict"
constexpr int Hidden = 61838;         // "hidden"
constexpr int NoSeries = 61839;       // "No measurement series."
constexpr int WriteFailed = 61840;    // "Cannot write the report \"%1\":\n%2"
constexpr int FileFilter = 61841;     // "PDF files (*.pdf)"
constexpr int NoSelection = 61842;    // "Select a series in the table to see its chart."
constexpr int Writing = 61843;        // "Report..."
constexpr int ChartTitle = 61844;     // "Series chart"
// Why a chart has nothing to plot.
constexpr int NoMeasurements = 61845;   // "This series has no measurements."
constexpr int NoMaterialChosen = 61846; // "No material chosen: ..."
constexpr int NoValueConverts = 61847;  // "No value converts to %1." (the scale's unit)
constexpr int SaveDialogTitle = 61848;  // "Save inspection report"
} // namespace ReportIds
