// export_quoted_names FILE.hkp c|locale: writes the measurements CSV of a measurement file whose
// material names hold the characters CSV must quote (separators, decimal separators, quotes), for
// the export test to read back with a real CSV parser. The names go in where a translation would
// put them: the string table's texts in the store's material list.
#include "conversion/ConversionTables.h"
#include "data/MeasurementFile.h"
#include "data/MeasurementStore.h"
#include "export/CsvExport.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    CsvDialect dialect;
    CMeasurementStore store;
    if (args.size() != 3 || !ParseCsvDialect(args[2], &dialect)
        || MeasurementFile::Load(store, args[1]) != MeasurementFile::ReadResult::Read) {
        std::fprintf(stderr, "usage: export_quoted_names FILE.hkp c|locale\n");
        return 2;
    }
    BuildConversionTables(store);
    store.materialNames[1] = QStringLiteral("Steel \"C45\"; 1,5 mm");
    store.materialNames[6] = QStringLiteral("Alu, cast; \"AlSi\" 0.5");
    const QByteArray bytes = MeasurementsCsv(store, dialect);
    return std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout) == static_cast<size_t>(bytes.size())
        ? 0
        : 1;
}
