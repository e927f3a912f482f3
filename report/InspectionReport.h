#pragma once
// The inspection report: a PDF of every series of the store, with the tester's identity and the
// date, one section per series (settings, statistics exactly as the table shows them, tolerance and
// verdict, chart, measurements table), page numbers and a footer to sign. The desktop program's
// "Report…" and `scleron-cli report` both write it with WriteInspectionReport.
//
// Needs a QGuiApplication (fonts); no window.

#include <QByteArray>
#include <QDateTime>
#include <QString>

class CMeasurementStore;
class CToleranceTable;

struct ReportResult {
    bool written = false;
    int pages = 0;
    QString error;   // why it was not written (for the user)
};

// The report as PDF bytes (empty with *error set when the pages could not be drawn). The store's
// conversion tables are rebuilt and its series normalised the way the table's fill does it. date
// is the report's date (the caller's "now"). pages: how many pages it has.
QByteArray RenderInspectionReport(CMeasurementStore& store, const CToleranceTable& limits, const QDateTime& date,
                                  int* pages, QString* error);

// Renders the report and writes it to path through the program's file writer (data/FileWriter.h):
// a regular file appears or is replaced only once the report is complete, a device is written
// into, a directory is refused; on failure a file already at path stays as it was.
ReportResult WriteInspectionReport(CMeasurementStore& store, const CToleranceTable& limits, const QString& path,
                                   const QDateTime& date);
