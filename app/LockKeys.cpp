#include "app/LockKeys.h"

#include <QDir>
#include <QFile>

bool LockKeyOn(LockKey key, const QString& ledsFolder)
{
    const QString suffix = key == LockKey::Caps ? QStringLiteral("::capslock") : QStringLiteral("::numlock");
    const QStringList leds = QDir(ledsFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System);
    for (const QString& led : leds) {
        if (!led.endsWith(suffix))
            continue;
        QFile brightness(ledsFolder + QLatin1Char('/') + led + QStringLiteral("/brightness"));
        if (!brightness.open(QIODevice::ReadOnly))
            continue;
        bool ok = false;
        const int level = brightness.read(16).trimmed().toInt(&ok);
        if (ok && level > 0)
            return true;
    }
    return false;
}
