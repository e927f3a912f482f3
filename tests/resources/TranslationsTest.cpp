// Every translation file covers every built-in English text, and each translation keeps the
// English text's placeholders (in order for the printf-style ones, as a set for %1..%9, whose
// order a language may change) and its line structure (a command's prompt and tooltip are split at
// the first line feed).

#include "resources/StringTable.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct Translation {
    QString text;
    bool unfinished = false;
};

QHash<QByteArray, Translation> ReadTs(const QString& path)
{
    QHash<QByteArray, Translation> result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    QXmlStreamReader xml(&file);
    QByteArray id;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("message")) {
            id = xml.attributes().value(QLatin1String("id")).toLatin1();
        } else if (xml.name() == QLatin1String("translation")) {
            Translation t;
            t.unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            t.text = xml.readElementText();
            result.insert(id, t);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return result;
}

// printf-style conversions ("%s", "%+0.1f", "%d") in order; "%%" is no placeholder.
QStringList PrintfPlaceholders(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("%(?:%|[-+#0]*\\d*(?:\\.\\d+)?(?:l|ll|h)?[diouxXeEfgGcsS])"));
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();) {
        const QString match = it.next().captured();
        if (match != QLatin1String("%%"))
            found << match;
    }
    return found;
}

QStringList NumberedPlaceholders(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("%[1-9]"));
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    std::sort(found.begin(), found.end());
    return found;
}

class TranslationsTest : public ::testing::TestWithParam<const char*> {};

TEST_P(TranslationsTest, CoversEveryTextWithTheSamePlaceholders)
{
    const QString path = qEnvironmentVariable("SCLERON_SOURCE_DIR") + QStringLiteral("/resources/translations/SCLERON_")
        + QLatin1String(GetParam()) + QStringLiteral(".ts");
    ASSERT_TRUE(QFile::exists(path)) << path.toStdString();
    const auto translations = ReadTs(path);
    QStringList missing;
    ForEachBuiltInText([&](const QByteArray& key, const QString& english) {
        const auto it = translations.constFind(key);
        if (it == translations.constEnd() || it->unfinished || it->text.isEmpty()) {
            missing << QString::fromLatin1(key);
            return;
        }
        const std::string where = key.toStdString() + " \"" + it->text.toStdString() + "\"";
        EXPECT_EQ(PrintfPlaceholders(english), PrintfPlaceholders(it->text)) << where;
        EXPECT_EQ(NumberedPlaceholders(english), NumberedPlaceholders(it->text)) << where;
        EXPECT_EQ(english.count(QLatin1Char('\n')), it->text.count(QLatin1Char('\n'))) << where;
    });
    EXPECT_TRUE(missing.isEmpty()) << missing.size() << " untranslated (scripts/translations.py missing "
                                   << GetParam() << "): " << missing.join(QLatin1Char(' ')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationsTest,
    ::testing::Values("DEU", "FRA", "ITA", "ESP", "PTB", "RUS", "CHS"));

} // namespace
