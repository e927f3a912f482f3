#include "export/CsvDialect.h"

CsvDialect CsvDialect::C()
{
    return CsvDialect{};
}

CsvDialect CsvDialect::Locale(const QLocale& locale)
{
    CsvDialect dialect;
    dialect.byteOrderMark = true;
    if (locale.decimalPoint() == QLatin1String(",")) {
        dialect.decimal = QLatin1Char(',');
        dialect.separator = QLatin1Char(';');
    }
    return dialect;
}

bool ParseCsvDialect(const QString& name, CsvDialect* dialect)
{
    if (name == QLatin1String("c"))
        *dialect = CsvDialect::C();
    else if (name == QLatin1String("locale"))
        *dialect = CsvDialect::Locale();
    else
        return false;
    return true;
}

QByteArray Utf8ByteOrderMark()
{
    return QByteArrayLiteral("\xEF\xBB\xBF");
}

QString CsvField(const ExportCell& cell, const CsvDialect& dialect)
{
    QString text = cell.text;
    if (cell.kind == ExportCell::Empty)
        return QString();
    if (cell.kind == ExportCell::Number)
        text.replace(QLatin1Char('.'), dialect.decimal);
    const bool quote = text.contains(dialect.separator) || text.contains(QLatin1Char('"'))
        || text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
    if (!quote)
        return text;
    text.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QByteArray CsvLine(const std::vector<ExportCell>& cells, const CsvDialect& dialect)
{
    QString line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0)
            line += dialect.separator;
        line += CsvField(cells[i], dialect);
    }
    line += QLatin1String("\r\n");
    return line.toUtf8();
}

QByteArray CsvHeaderLine(const std::vector<ExportColumn>& columns, const CsvDialect& dialect)
{
    std::vector<ExportCell> names;
    names.reserve(columns.size());
    for (const ExportColumn& column : columns)
        names.push_back(ExportCell::Of(QLatin1String(column.name)));
    return CsvLine(names, dialect);
}
