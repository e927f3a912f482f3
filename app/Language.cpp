#include "app/Language.h"

#include "app/CommandIds.h"
#include "resources/Registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTranslator>

namespace Language {

const std::vector<Entry>& Table()
{
    static const std::vector<Entry> table = {
        {0, Cmd::LanguageEnglish, nullptr},
        {1, Cmd::LanguageGerman, "SCLERON_DEU"},
        {2, Cmd::LanguageFrench, "SCLERON_FRA"},
        {3, Cmd::LanguageItalian, "SCLERON_ITA"},
        {4, Cmd::LanguageSpanish, "SCLERON_ESP"},
        {5, Cmd::LanguagePortuguese, "SCLERON_PTB"},
        {6, Cmd::LanguageRussian, "SCLERON_RUS"},
        {7, Cmd::LanguageChinese, "SCLERON_CHS"},
    };
    return table;
}

std::uint32_t Stored()
{
    CRegistryKey key;
    if (!key.Open(RegistryRoot::CurrentUser, QString::fromLatin1(kSettingsKey), RegistryAccess::Read))
        return 0;
    return key.ReadNumber(QString::fromLatin1(kLanguageValue), 0);
}

QString FileName(std::uint32_t language)
{
    for (const Entry& entry : Table())
        if (entry.number == language && entry.resourceName)
            return QString::fromLatin1(entry.resourceName) + QStringLiteral(".qm");
    return {};
}

QStringList SearchFolders()
{
    return {QCoreApplication::applicationDirPath(), QStringLiteral(SCLERON_DATA_DIR)};
}

std::unique_ptr<QTranslator> Load(std::uint32_t language, const QStringList& folders)
{
    const QString name = FileName(language);
    if (name.isEmpty())
        return nullptr;
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(name);
        if (!QFileInfo::exists(path))
            continue;
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(path))
            return translator;
    }
    return nullptr;
}

void EnsureProgramKey(const QString& programFolder)
{
    const QString path = QString::fromLatin1(kSettingsKey);
    if (Registry::KeyExists(RegistryRoot::CurrentUser, path) || !Registry::CreateKey(RegistryRoot::CurrentUser, path))
        return;
    CRegistryKey key;
    if (key.Open(RegistryRoot::CurrentUser, path, RegistryAccess::Write))
        key.WriteText(QString::fromLatin1(kPathValue), QDir::cleanPath(programFolder));
}

} // namespace Language
