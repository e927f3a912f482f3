// The firmware check's failure counters and their registry values.
#include "update/FirmwareCounters.h"

#include "resources/Registry.h"

#include <climits>

namespace {

const QString kFailCountValue = QStringLiteral("FwUpdateFailCount");
const QString kFailCountMaxValue = QStringLiteral("FwUpdateFailCountMax");

// The leading decimal number of a text (optional spaces and sign), 0 when there is none; clamped to
// the range of int.
int LeadingNumber(const QString& text)
{
    qsizetype at = 0;
    while (at < text.size() && text[at].isSpace())
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == QLatin1Char('-') || text[at] == QLatin1Char('+')))
        negative = text[at++] == QLatin1Char('-');
    long long value = 0;
    for (; at < text.size() && text[at] >= QLatin1Char('0') && text[at] <= QLatin1Char('9'); ++at) {
        value = value * 10 + (text[at].unicode() - '0');
        if (value > INT_MAX)
            return negative ? INT_MIN : INT_MAX;
    }
    return static_cast<int>(negative ? -value : value);
}

} // namespace

QString FirmwareCheckRegistryKey(const QString& productName)
{
    return QStringLiteral("Software\\Halvex\\%1\\Settings").arg(productName);
}

void ReadFirmwareCounters(const QString& registryKey, SFirmwareCounters& counters)
{
    CRegistryKey key;
    if (!key.Open(RegistryRoot::CurrentUser, registryKey, RegistryAccess::Read))
        return;
    if (const auto count = key.FindText(kFailCountValue))
        counters.failCount = LeadingNumber(*count);
    const auto max = key.FindText(kFailCountMaxValue);
    counters.failCountMax = max ? LeadingNumber(*max) : kFirmwareFailCountMaxAfterSuccess;
}

void WriteFirmwareCounters(const QString& registryKey, const SFirmwareCounters& counters)
{
    if (!Registry::CreateKey(RegistryRoot::CurrentUser, registryKey))
        return;
    CRegistryKey key;
    if (!key.Open(RegistryRoot::CurrentUser, registryKey, RegistryAccess::Write))
        return;
    key.WriteText(kFailCountValue, QString::number(counters.failCount));
    key.WriteText(kFailCountMaxValue, QString::number(counters.failCountMax));
}

bool CountFirmwareCheckFailure(SFirmwareCounters& counters)
{
    // A count that reached the end of the range stays there instead of turning negative.
    if (counters.failCount < INT_MAX)
        ++counters.failCount;
    if (counters.failCount <= counters.failCountMax)
        return false;
    counters.failCountMax =
        counters.failCount <= kFirmwareFailCountMaxSmall ? kFirmwareFailCountMaxSmall : counters.failCountMax / 2;
    counters.failCount = 0;
    return true;
}

void CountFirmwareCheckSuccess(SFirmwareCounters& counters)
{
    counters.failCount = 0;
    counters.failCountMax = kFirmwareFailCountMaxAfterSuccess;
}
