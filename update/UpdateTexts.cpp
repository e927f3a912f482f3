#include "update/UpdateTexts.h"

#include "resources/StringTable.h"

QString FillPattern(const QString& pattern, const QStringList& args)
{
    QString out;
    qsizetype next = 0;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != QLatin1Char('%') || i + 1 >= pattern.size()) {
            out += pattern[i];
            continue;
        }
        const QStringView rest = QStringView(pattern).mid(i + 1);
        if (rest.startsWith(QLatin1Char('%'))) {
            out += QLatin1Char('%');
            ++i;
        } else if ((rest.startsWith(QLatin1Char('s')) || rest.startsWith(QLatin1Char('d'))) && next < args.size()) {
            out += args[next++];
            ++i;
        } else if (rest.startsWith(QLatin1String("ld")) && next < args.size()) {
            out += args[next++];
            i += 2;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

QString FillResString(int id, const QStringList& args)
{
    return FillPattern(ResString(id), args);
}
