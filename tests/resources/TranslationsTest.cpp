// Every translation file covers every built-in English text, and each translation keeps the
// English text's placeholders (in order for the printf-style ones, as a set for %1..%9, whose
// order a language may change) and its line structure (a command's prompt and tooltip are split at
// the first line feed). The controls of one dialog have different access keys in every language,
// and the operating instructions of every language have the same sections and pictures.

#include "archive/ArchiveStrings.h"
#include "quality/QualityStrings.h"
#include "resources/StringTable.h"

#include <QSet>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

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

QString SourcePath(const QString& relative)
{
    return qEnvironmentVariable("SCLERON_SOURCE_DIR") + QLatin1Char('/') + relative;
}

QString TsPath(const char* language)
{
    return SourcePath(QStringLiteral("resources/translations/SCLERON_") + QLatin1String(language) + QStringLiteral(".ts"));
}

// The access key of a control's text: the character after the first single "&" ("&&" is a
// literal ampersand), in lower case; empty when the text has none.
QString AccessKey(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text.mid(i + 1, 1).toLower();
        ++i;
    }
    return {};
}

QByteArray IdsKey(int id)
{
    return "ids." + QByteArray::number(id);
}

// The texts with access keys that one dialog shows at the same time. Menus are checked elsewhere;
// every other text with an access key must belong to a dialog here.
struct DialogTexts {
    const char* name;
    std::vector<QByteArray> keys;
};

const std::vector<DialogTexts>& Dialogs()
{
    static const std::vector<DialogTexts> dialogs = {
        {"tolerance limits",
            {IdsKey(LimitsDialogIds::Scale), IdsKey(LimitsDialogIds::Material), IdsKey(LimitsDialogIds::Lower),
                IdsKey(LimitsDialogIds::Upper), IdsKey(LimitsDialogIds::Remove)}},
        {"archive",
            {IdsKey(ArchiveWindowStrings::Tester), IdsKey(ArchiveWindowStrings::Serial), IdsKey(ArchiveWindowStrings::From),
                IdsKey(ArchiveWindowStrings::Until), IdsKey(ArchiveWindowStrings::Scale),
                IdsKey(ArchiveWindowStrings::Material), IdsKey(ArchiveWindowStrings::Verdict),
                IdsKey(ArchiveWindowStrings::Text), IdsKey(ArchiveWindowStrings::Search), IdsKey(ArchiveWindowStrings::Open)}},
        {"archive settings",
            {IdsKey(ArchiveWindowStrings::DefaultFile), IdsKey(ArchiveWindowStrings::Off),
                IdsKey(ArchiveWindowStrings::Other)}},
    };
    return dialogs;
}

// The texts of every dialog whose access keys clash in one language ("dialog: a b" lines), given
// how that language spells a text.
QStringList DialogClashes(const std::function<QString(const QByteArray&)>& textOf)
{
    QStringList clashes;
    for (const DialogTexts& dialog : Dialogs()) {
        std::map<QString, QStringList> byKey;
        for (const QByteArray& key : dialog.keys) {
            const QString text = textOf(key);
            if (!AccessKey(text).isEmpty())
                byKey[AccessKey(text)] << text;
        }
        for (const auto& [accessKey, texts] : byKey)
            if (texts.size() > 1)
                clashes << QLatin1String(dialog.name) + QStringLiteral(": ") + texts.join(QStringLiteral(" / "));
    }
    return clashes;
}

TEST(DialogAccessKeys, EveryEnglishTextWithAnAccessKeyBelongsToAMenuOrAListedDialog)
{
    QSet<QByteArray> listed;
    for (const DialogTexts& dialog : Dialogs())
        for (const QByteArray& key : dialog.keys)
            listed.insert(key);
    QStringList unlisted;
    QHash<QByteArray, QString> english;
    ForEachBuiltInText([&](const QByteArray& key, const QString& text) {
        english.insert(key, text);
        const bool menu = key.startsWith("menu.") || key.startsWith("popup.");
        if (!menu && !AccessKey(text).isEmpty() && !listed.contains(key))
            unlisted << QString::fromLatin1(key);
    });
    EXPECT_TRUE(unlisted.isEmpty()) << "add to Dialogs(): " << unlisted.join(QLatin1Char(' ')).toStdString();
    for (const DialogTexts& dialog : Dialogs())
        for (const QByteArray& key : dialog.keys)
            EXPECT_FALSE(AccessKey(english.value(key)).isEmpty()) << dialog.name << ": " << key.constData();
    const QStringList clashes = DialogClashes([&](const QByteArray& key) { return english.value(key); });
    EXPECT_TRUE(clashes.isEmpty()) << clashes.join(QStringLiteral("; ")).toStdString();
}

TEST(DialogAccessKeys, AClashIsFound)
{
    const QHash<QByteArray, QString> texts = {
        {IdsKey(LimitsDialogIds::Upper), QStringLiteral("Limite &supérieure :")},
        {IdsKey(LimitsDialogIds::Remove), QStringLiteral("&Supprimer ces limites")},
        {IdsKey(LimitsDialogIds::Lower), QStringLiteral("R&&D &inférieure")},
    };
    EXPECT_EQ(DialogClashes([&](const QByteArray& key) { return texts.value(key); }).join(QStringLiteral("; ")).toStdString(),
        "tolerance limits: Limite &supérieure : / &Supprimer ces limites");
    EXPECT_EQ(AccessKey(QStringLiteral("R&&D &inférieure")).toStdString(), "i");
    EXPECT_EQ(AccessKey(QStringLiteral("标尺(&S)：")).toStdString(), "s");
    EXPECT_EQ(AccessKey(QStringLiteral("&Шкала:")).toStdString(), "ш");
}

class TranslationsTest : public ::testing::TestWithParam<const char*> {};

TEST_P(TranslationsTest, DialogAccessKeysDiffer)
{
    const auto translations = ReadTs(TsPath(GetParam()));
    ASSERT_FALSE(translations.isEmpty());
    for (const DialogTexts& dialog : Dialogs())
        for (const QByteArray& key : dialog.keys)
            EXPECT_FALSE(AccessKey(translations.value(key).text).isEmpty()) << dialog.name << ": " << key.constData();
    const QStringList clashes = DialogClashes([&](const QByteArray& key) { return translations.value(key).text; });
    EXPECT_TRUE(clashes.isEmpty()) << GetParam() << ": " << clashes.join(QStringLiteral("; ")).toStdString();
}

TEST_P(TranslationsTest, CoversEveryTextWithTheSamePlaceholders)
{
    const QString path = TsPath(GetParam());
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

// The numbered headings ("## 4 The table" gives "4", "### 4.2 ..." gives "4.2") and the pictures of
// an operating instructions document, in order.
struct ManualOutline {
    QStringList sections;
    QStringList pictures;
};

ManualOutline ReadManual(const QString& path)
{
    ManualOutline outline;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return outline;
    static const QRegularExpression heading(QStringLiteral("^#{2,4} +(\\d+(?:\\.\\d+)*)\\s"));
    static const QRegularExpression picture(QStringLiteral("!\\[[^\\]]*\\]\\(([^)\\s]+)"));
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (const auto m = heading.match(line); m.hasMatch())
            outline.sections << m.captured(1);
        for (auto it = picture.globalMatch(line); it.hasNext();)
            outline.pictures << it.next().captured(1);
    }
    return outline;
}

class ManualTest : public ::testing::TestWithParam<const char*> {};

// Every language's operating instructions have the English sections, numbered alike, and show
// the same pictures in the same order (each language's own screenshots of them).
TEST_P(ManualTest, HasEverySectionAndPictureOfTheEnglishManual)
{
    const ManualOutline english = ReadManual(SourcePath(QStringLiteral("docs/manual/ENG.md")));
    ASSERT_GE(english.sections.size(), 10);
    ASSERT_FALSE(english.pictures.isEmpty());
    const ManualOutline manual = ReadManual(SourcePath(QStringLiteral("docs/manual/%1.md").arg(QLatin1String(GetParam()))));
    const auto text = [](const QStringList& list) { return list.join(QStringLiteral(" ")).toStdString(); };
    EXPECT_EQ(text(manual.sections), text(english.sections)) << GetParam() << ": numbered sections differ";
    EXPECT_EQ(text(manual.pictures), text(english.pictures)) << GetParam() << ": pictures differ";
}

INSTANTIATE_TEST_SUITE_P(Languages, ManualTest, ::testing::Values("DEU", "FRA", "ITA", "ESP", "PTB", "RUS", "CHS"));

} // namespace
