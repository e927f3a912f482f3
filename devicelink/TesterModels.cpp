#include "devicelink/TesterModels.h"

namespace TesterModels {

namespace {
struct TypeCode {
    const char* code;
    const char* product;
};
const TypeCode kTypeCodes[] = {
    {"KESTREL", kKestrel1},
    {"Kestr2 ", kKestrel2},
    {"TAMARIN", kTamarin1},
    {"Tamar2 ", kTamarin2},
};
} // namespace

QString ProductName(const QString& typeCode)
{
    for (const TypeCode& t : kTypeCodes)
        if (typeCode == QLatin1String(t.code))
            return QString::fromLatin1(t.product);
    return typeCode;
}

bool IsSearchedTypeCode(const QString& typeCode)
{
    return typeCode == QLatin1String("KESTREL") || typeCode == QLatin1String("Kestr2 ");
}

int RecordSize(const QString& productName)
{
    if (productName == QLatin1String(kKestrel1))
        return 11;
    if (productName == QLatin1String(kKestrel2))
        return 13;
    return 0;
}

int CustomCurveSlots(const QString& productName)
{
    return productName == QLatin1String(kKestrel2) ? 6 : 3;
}

int MemoryCapacity(const QString& productName)
{
    return productName == QLatin1String(kKestrel1) ? 2900 : 2448;
}

QString FoundDeviceLine(const QString& productName, const QString& serialNumber, int port)
{
    return QStringLiteral("%1 %2  @ COM%3").arg(productName, serialNumber).arg(port);
}

} // namespace TesterModels
