#pragma once
// The inspection report: a PDF of every series of the store, with the tester's identity and the
// date, one section per series (settings, statistics exactly as the table shows them, tolerance and
// verdict, chart, measurements table), page numbers and a footer to sign. The desktop program's
// "Report…" and `scleron-cli report` both write it with WriteInspectionReport.
//
// Needs a QGuiApplication (fonts); no window.

#include <QDateTime>
#include <QString>

class CMeasurementStore;
class CToleranceTable;

struct ReportResult {
    bool written = false;
    int pages = 0;
    QString error;   // why it was not written (for the user)
};

// Writes the report to path. The file appears only once it is complete (written next to it under
// a temporary name, then renamed); on failure a file already at path stays as it was, and nothing
// is left behind. The store's conversion tables are rebuilt and its series normalised the way the
// table's fill does it. date is the report's date (the caller's "now").
ReportResult WriteInspectionReport(CMeasurementStore& store, const CToleranceTable& limits, const QString& path,
                                   const QDateTime& date);
