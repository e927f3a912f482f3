#include "update/InstallerChoice.h"

SInstallerChoice ChooseInstaller(const QList<SRemoteEntry>& listing, const CVersion& own)
{
    SInstallerChoice choice;
    CVersion best = own;
    for (const SRemoteEntry& entry : listing) {
        const CVersion v = CVersion::FromInstallerName(entry.name);
        if (v > best) {
            best = v;
            choice.name = entry.name;
            choice.size = entry.size;
        }
    }
    if (!choice.name.isEmpty())
        choice.version = best;
    return choice;
}
