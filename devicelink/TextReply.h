#pragma once
// The text identification replies of a tester: "field;field;...;last\r". Bytes are taken as the
// characters of the same code (0..255). An empty field between two separators reads "-".

#include <QByteArray>
#include <QString>

// The reply text cut at its first NUL, with every ";;" turned into ";-;" (left to right,
// non-overlapping).
QString NormalizeTextReply(const QByteArray& raw);

// Splits a normalised reply from the left. Every field but the last skips the ';' in front of it
// and ends at the next ';'; the last field skips carriage returns in front of it and ends at the
// next carriage return. A field that finds only separators before the end of the text is missing.
class CReplyFields {
public:
    explicit CReplyFields(const QString& text) : text(text) {}
    // False when the field is missing; field is then empty.
    bool Next(QString& field) { return Take(QLatin1Char(';'), field); }
    bool Last(QString& field) { return Take(QLatin1Char('\r'), field); }

private:
    bool Take(QChar separator, QString& field);

    QString text;
    int pos = 0;
};
