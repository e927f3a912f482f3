#include "resources/StringTable.h"

#include <QCoreApplication>
#include <QHash>

namespace {
struct IdText {
    int id;
    const char* text;
};
struct KeyText {
    const char* key;
    const char* text;
};

// Built-in English string table; each subsystem keeps its texts in its own file.
const IdText kStrings[] = {
#include "resources/strings/app.inc"
#include "resources/strings/data.inc"
#include "resources/strings/conversion.inc"
#include "resources/strings/table.inc"
#include "resources/strings/quality.inc"
#include "resources/strings/report.inc"
#include "resources/strings/devicelink.inc"
#include "resources/strings/settings.inc"
#include "resources/strings/device.inc"
#include "resources/strings/update.inc"
#include "resources/strings/export.inc"
#include "resources/strings/archive.inc"
};

const IdText kMenuTexts[] = {
#include "resources/strings/menu.inc"
};

const KeyText kPopupTexts[] = {
#include "resources/strings/popup.inc"
};

const QHash<int, QString>& BuiltIn(const IdText* begin, const IdText* end)
{
    // Only ever called with the two tables above; one hash per table.
    static QHash<const IdText*, QHash<int, QString>> cache;
    auto it = cache.find(begin);
    if (it == cache.end()) {
        QHash<int, QString> table;
        for (const IdText* entry = begin; entry != end; ++entry)
            table.insert(entry->id, QString::fromUtf8(entry->text));
        it = cache.insert(begin, table);
    }
    return *it;
}

QString Translated(const QByteArray& key)
{
    const QString text = qtTrId(key.constData());
    return text == QLatin1String(key) ? QString() : text;
}
} // namespace

QString ResString(int id)
{
    const QString translated = Translated("ids." + QByteArray::number(id));
    if (!translated.isEmpty())
        return translated;
    static const auto& table = BuiltIn(std::begin(kStrings), std::end(kStrings));
    return table.value(id);
}

QString ResPrompt(int id)
{
    const QString text = ResString(id);
    const int lf = text.indexOf(QLatin1Char('\n'));
    return lf < 0 ? text : text.left(lf);
}

QString ResTooltip(int id)
{
    const QString text = ResString(id);
    const int lf = text.indexOf(QLatin1Char('\n'));
    return lf < 0 ? QString() : text.mid(lf + 1);
}

QString ResMenuText(int commandId)
{
    const QString translated = Translated("menu." + QByteArray::number(commandId));
    if (!translated.isEmpty())
        return translated;
    static const auto& table = BuiltIn(std::begin(kMenuTexts), std::end(kMenuTexts));
    return table.value(commandId);
}

QString ResPopupText(const char* key)
{
    const QString translated = Translated(QByteArray("popup.") + key);
    if (!translated.isEmpty())
        return translated;
    for (const KeyText& entry : kPopupTexts)
        if (qstrcmp(entry.key, key) == 0)
            return QString::fromUtf8(entry.text);
    return {};
}

void ForEachBuiltInText(const std::function<void(const QByteArray& key, const QString& english)>& visit)
{
    for (const IdText& entry : kStrings)
        visit("ids." + QByteArray::number(entry.id), QString::fromUtf8(entry.text));
    for (const IdText& entry : kMenuTexts)
        visit("menu." + QByteArray::number(entry.id), QString::fromUtf8(entry.text));
    for (const KeyText& entry : kPopupTexts)
        visit(QByteArray("popup.") + entry.key, QString::fromUtf8(entry.text));
}
