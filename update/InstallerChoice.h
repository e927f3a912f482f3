#pragma once
// Which installer on the update server is worth offering: the newest one whose name carries a
// version above the running program's. Of two with the same version the first listed wins.

#include "update/UpdateSession.h"
#include "update/Version.h"

#include <QList>

struct SInstallerChoice {
    QString name;      // empty: nothing newer
    quint64 size = 0;
    CVersion version;  // 0 when nothing newer
};

SInstallerChoice ChooseInstaller(const QList<SRemoteEntry>& listing, const CVersion& own);
