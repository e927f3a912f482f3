#pragma once
// What the inspection report says, computed from the store before anything is drawn: per series
// its settings, its statistics texts exactly as the table shows them, its verdict, its chart data
// and the rows of its measurements table.

#include "quality/Verdicts.h"
#include "report/SeriesChart.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

class CMeasurementStore;

struct ReportRow {
    QStringList cells;   // Index, Date, Time, Value, Gravity component, Verdict
    bool hidden = false;
    Verdict verdict = Verdict::NotJudged;
};

struct SeriesReport {
    QString heading;          // "Series 12"
    QString verdictMark;      // "OK", "NOT OK" or empty
    bool ok = false;
    QStringList settings;     // scale, material, impact body, counts, tolerance, verdict lines
    QStringList statistics;   // the six texts of the table's statistics row
    SeriesChartData chart;
    std::vector<ReportRow> rows;
};

struct ReportContent {
    QString title;            // "Inspection report"
    QString tester;           // "Tester: <name> <serial> V: <firmware>"
    QString date;             // "Date: <date> <time>"
    QStringList columnTitles; // of the measurements table
    std::vector<SeriesReport> series;
};

// Builds the content. The store's conversion tables are rebuilt and its series normalised the way
// the table's fill does it (scale outside the catalogue, material not offered, angles), so the
// texts are those the table shows.
ReportContent BuildReportContent(CMeasurementStore& store, const CToleranceTable& limits, const QDateTime& date);
