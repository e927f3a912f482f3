#include "app/Language.h"

#include "app/CommandIds.h"
#include "resources/Registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace Language {

const std::vector<Entry>& Table()
{
    static const std::vector<Entry> table = {
        {0, Cmd::LanguageEnglish, nullptr, "ENG", "DoDovavez.exe", "en"},
        {1, Cmd::LanguageGerman, "SCLERON_DEU", "DEU", "DoDovavez_DEU.dll", "de"},
        {2, Cmd::LanguageFrench, "SCLERON_FRA", "FRA", "DoDovavez_FRA.dll", "fr"},
        {3, Cmd::LanguageItalian, "SCLERON_ITA", "ITA", "DoDovavez_ITA.dll", "it"},
        {4, Cmd::LanguageSpanish, "SCLERON_ESP", "ESP", "DoDovavez_ESP.dll", "es"},
        {5, Cmd::LanguagePortuguese, "SCLERON_PTB", "PTB", "DoDovavez_PTB.dll", "pt_BR"},
        {6, Cmd::LanguageRussian, "SCLERON_RUS", "RUS", "DoDovavez_RUS.dll", "ru"},
        {7, Cmd::LanguageChinese, "SCLERON_CHS", "CHS", "DoDovavez_CHS.dll", "zh_CN"},
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

QString HelpDocumentName(std::uint32_t language)
{
    const std::uint32_t shown = language < Table().size() ? language : 0;
    return QStringLiteral("kestrel2tamarin2_OI_%1.pdf").arg(QLatin1String(Table()[shown].code));
}

QStringList SearchFolders()
{
    // The data folder is found from the program's own folder (<prefix>/bin/../share/scleron), so
    // the same build serves an installation below any prefix, a package's /usr included.
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {programFolder, QDir::cleanPath(programFolder + QStringLiteral("/" SCLERON_DATA_DIR_FROM_PROGRAM))};
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

std::unique_ptr<QTranslator> LoadQtTexts(std::uint32_t language)
{
    if (language == 0 || language >= Table().size())
        return nullptr;
    auto translator = std::make_unique<QTranslator>();
    const QString name = QStringLiteral("qtbase_") + QLatin1String(Table()[language].qtLocale);
    if (!translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    return translator;
}

void Choose(std::uint32_t language)
{
    CRegistryKey key;
    if (key.Open(RegistryRoot::CurrentUser, QString::fromLatin1(kSettingsKey), RegistryAccess::Write))
        key.WriteNumber(QString::fromLatin1(kLanguageValue), language);
    key.Close();
    QString path;
    if (key.Open(RegistryRoot::CurrentUser, QString::fromLatin1(kSettingsKey), RegistryAccess::Read))
        path = key.ReadText(QString::fromLatin1(kPathValue), QString());
    key.Close();
    // The tool's own file names are kept as it knows them; only the separator is this system's.
    const QString file = path + QLatin1Char('/') + QLatin1String(Table().at(language).toolLanguageFile);
    if (key.Open(RegistryRoot::CurrentUser, QString::fromLatin1(kUpgradeToolKey), RegistryAccess::Write))
        key.WriteText(QString::fromLatin1(kLanguageFileValue), file);
}

void EnsureProgramKey(const QString& programFolder)
{
    // Only a fresh account gets the keys; later the program never creates them again.
    const QString path = QString::fromLatin1(kSettingsKey);
    if (Registry::KeyExists(RegistryRoot::CurrentUser, path) || !Registry::CreateKey(RegistryRoot::CurrentUser, path))
        return;
    Registry::CreateKey(RegistryRoot::CurrentUser, QString::fromLatin1(kUpgradeToolKey));
    CRegistryKey key;
    if (key.Open(RegistryRoot::CurrentUser, path, RegistryAccess::Write))
        key.WriteText(QString::fromLatin1(kPathValue), QDir::cleanPath(programFolder));
}

} // namespace Language
