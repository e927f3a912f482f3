#pragma once
// The two CSV dialects and how one line of cells is written (RFC 4180: fields separated by the
// dialect's separator, lines ended by CR LF, a field quoted when it holds the separator, a quote,
// CR or LF, quotes inside doubled).
//
//   C:      "." decimal separator, "," between fields, UTF-8 without a byte-order mark (for
//           programs, which would read a mark as part of the first column's name).
//   locale: the decimal separator of the user's locale as spreadsheets read it: "," with ";"
//           between fields where the locale writes decimals with a comma, "." with "," otherwise;
//           UTF-8 with a byte-order mark, without which common spreadsheets read the file in a
//           legacy code page and garble accents and signs such as "²".

#include "export/ExportColumns.h"

#include <QByteArray>
#include <QChar>
#include <QLocale>
#include <QString>

#include <vector>

struct CsvDialect {
    QChar separator = QLatin1Char(',');
    QChar decimal = QLatin1Char('.');
    bool byteOrderMark = false;

    static CsvDialect C();
    // The dialect of a locale (default: the user's, from LC_ALL / LC_NUMERIC / LANG).
    static CsvDialect Locale(const QLocale& locale = QLocale::system());
};

// "c" or "locale" (as --csv-dialect takes them); false for anything else.
bool ParseCsvDialect(const QString& name, CsvDialect* dialect);

// The UTF-8 byte-order mark the locale dialect starts a file with.
QByteArray Utf8ByteOrderMark();

// One field as the dialect writes it (without separator).
QString CsvField(const ExportCell& cell, const CsvDialect& dialect);
// One line: the fields joined by the separator, ended by CR LF, UTF-8.
QByteArray CsvLine(const std::vector<ExportCell>& cells, const CsvDialect& dialect);
// The header line of a column list.
QByteArray CsvHeaderLine(const std::vector<ExportColumn>& columns, const CsvDialect& dialect);
