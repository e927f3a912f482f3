#include "quality/LimitsSettings.h"

#include "resources/Registry.h"

namespace LimitsSettings {

CToleranceTable Load()
{
    CRegistryKey key;
    if (!key.Open(RegistryRoot::CurrentUser, QLatin1String(kKey), RegistryAccess::Read))
        return {};
    return CToleranceTable::FromText(key.ReadText(QLatin1String(kValue), QString()));
}

bool Save(const CToleranceTable& table)
{
    if (!Registry::CreateKey(RegistryRoot::CurrentUser, QLatin1String(kKey)))
        return false;
    CRegistryKey key;
    return key.Open(RegistryRoot::CurrentUser, QLatin1String(kKey), RegistryAccess::Write)
        && key.WriteText(QLatin1String(kValue), table.ToText());
}

} // namespace LimitsSettings
