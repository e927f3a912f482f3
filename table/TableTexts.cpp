#include "table/TableTexts.h"

#include "conversion/NumberText.h"
#include "data/MeasurementStore.h"
#include "resources/StringTable.h"
#include "table/TableStrings.h"

#include <cstdio>

QString SeriesRowKey(int series)
{
    return QString::number(series);
}

QString SubRowKey(int series, int sub)
{
    return QString::number(series) + QLatin1Char('.') + QString::number(sub);
}

RowKey ParseRowKey(const QString& text)
{
    // Read exactly as "%d.%d": a leading number, and a second one only after a full stop.
    const QByteArray bytes = text.toLatin1();
    RowKey key;
    const int read = std::sscanf(bytes.constData(), "%d.%d", &key.series, &key.sub);
    key.numbers = read < 0 ? 0 : read;
    if (key.numbers < 2)
        key.sub = -1;
    if (key.numbers < 1)
        key.series = -1;
    return key;
}

QString ImpactBodyText(int probe)
{
    if (probe == 0)
        return QStringLiteral("D");
    if (probe == 1)
        return QStringLiteral("DL");
    return {};
}

int LeadingInteger(const QString& text)
{
    int number = 0;
    const QByteArray bytes = text.toLatin1();
    if (std::sscanf(bytes.constData(), "%d", &number) != 1)
        return 0;
    return number;
}

QString CustomCurveOptionText(const CMeasurementStore& store, const QString& customName, const CPARA& entry)
{
    // A curve read from a tester may name a scale or material we do not know: no unit, number 0.
    const QString unit = entry.scale >= 0 && entry.scale < store.scalesD.GetSize() ? store.scalesD[entry.scale]->unit
                                                                                    : QString();
    const int materialNumber = entry.material >= 0 && entry.material < store.materialNames.size()
                                   ? LeadingInteger(store.materialNames[entry.material])
                                   : 0;
    QString offset = FixedText(entry.offset, 1);
    if (!offset.startsWith(QLatin1Char('-')))
        offset.prepend(QLatin1Char('+'));
    return customName + QLatin1Char(' ') + unit + QLatin1Char('/') + QString::number(materialNumber)
        + QStringLiteral("  ") + offset;
}

namespace {
QString WithConversionStandard(QString text, const CMeasurementStore& store)
{
    if (store.conversionStandard == 1)
        text += QLatin1Char(' ') + ResString(TableStrings::CustomJ);
    return text;
}
} // namespace

QString ExportHeaderText(const CMeasurementStore& store)
{
    const DEVICE& d = store.device;
    return WithConversionStandard(d.name + QLatin1Char(' ') + d.serialNumber + QStringLiteral(" V: ") + d.firmwareVersion,
                                  store);
}

QString PrintTitleText(const CMeasurementStore& store)
{
    const DEVICE& d = store.device;
    return WithConversionStandard(d.name + QLatin1Char(' ') + d.serialNumber, store);
}
