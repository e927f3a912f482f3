#pragma once
// The user-interface languages and the program's registry key. The language is a number kept
// as "Language" below the program's key; a translation file per language replaces the built-in
// English texts (string resources keep their numbers as translation ids). The choice takes
// effect when the program starts.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

class QTranslator;

namespace Language {

// The program's settings key and its values.
inline constexpr const char* kSettingsKey = "Software\\Halvex\\Kestrel\\Settings";
inline constexpr const char* kLanguageValue = "Language";
inline constexpr const char* kPathValue = "Path";
// The upgrade tool's settings key and the value that names its language file.
inline constexpr const char* kUpgradeToolKey = "Software\\Halvex\\DoDovavez\\Settings";
inline constexpr const char* kLanguageFileValue = "LanguageFile";

struct Entry {
    std::uint32_t number;
    int command;              // the language's item in the Settings menu
    const char* resourceName; // translation file without ".qm"; nullptr for the built-in English
    const char* code;         // the language's three-letter code in file names ("DEU")
    const char* toolLanguageFile; // the upgrade tool's language file, as it names it
    const char* qtLocale;     // the locale of Qt's own texts (standard buttons, file dialogs)
};

// Languages 0..7 in menu order.
const std::vector<Entry>& Table();

// "Language" from the program's key; 0 when the key or the value is missing or not a number.
std::uint32_t Stored();
// The translation file of a language ("SCLERON_DEU.qm"); empty for 0 and numbers above 7.
QString FileName(std::uint32_t language);
// The operating instructions of a language ("kestrel2tamarin2_OI_DEU.pdf"); English for 0 and
// numbers above 7.
QString HelpDocumentName(std::uint32_t language);
// Where translation files and the operating instructions are looked for, in order: the program's folder, then the installed
// data folder.
QStringList SearchFolders();
// Loads the language's translation from the first folder that has its file. Nothing for English
// and when no folder has a loadable file.
std::unique_ptr<QTranslator> Load(std::uint32_t language, const QStringList& folders);
// Qt's own texts in the language (the buttons of message boxes, the file dialogs), from the
// system's Qt translations; nullptr for English and when the system has none.
std::unique_ptr<QTranslator> LoadQtTexts(std::uint32_t language);

// The language command of a language number: stores the number as "Language", then tells the
// upgrade tool its language file ("Path" + the separator + the tool's file name; a bare name when
// "Path" is missing). Keys that do not exist are not created: the writes then do nothing. The
// running program keeps its language until it is started again.
void Choose(std::uint32_t language);

// What an installation provides on a fresh account: the program's key with "Path", the folder
// of the upgrade tool (which lives beside the program), and the upgrade tool's key. Does nothing
// once the program's key exists.
void EnsureProgramKey(const QString& programFolder);

} // namespace Language
