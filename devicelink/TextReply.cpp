#include "devicelink/TextReply.h"

QString NormalizeTextReply(const QByteArray& raw)
{
    const int nul = raw.indexOf('\0');
    QString text = QString::fromLatin1(nul < 0 ? raw : raw.left(nul));
    text.replace(QLatin1String(";;"), QLatin1String(";-;"));
    return text;
}

bool CReplyFields::Take(QChar separator, QString& field)
{
    field.clear();
    while (pos < text.size() && text[pos] == separator)
        ++pos;
    if (pos >= text.size())
        return false;
    const int start = pos;
    while (pos < text.size() && text[pos] != separator)
        ++pos;
    field = text.mid(start, pos - start);
    if (pos < text.size())
        ++pos; // the separator that ended the field
    return true;
}
