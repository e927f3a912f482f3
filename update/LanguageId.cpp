#include "update/LanguageId.h"

#include <QByteArray>

#include <array>

namespace {

constexpr std::uint16_t kEnglishUs = 0x0409;

struct LocaleLanguage {
    const char* name; // "ll" or "ll_CC"
    std::uint16_t id;
};

// Country variants first: a name is looked up as "ll_CC", then as "ll".
constexpr std::array kLanguages = {
    LocaleLanguage{"en_GB", 0x0809}, LocaleLanguage{"en_AU", 0x0C09}, LocaleLanguage{"en_CA", 0x1009},
    LocaleLanguage{"en_IE", 0x1809}, LocaleLanguage{"de_CH", 0x0807}, LocaleLanguage{"de_AT", 0x0C07},
    LocaleLanguage{"de_LU", 0x1007}, LocaleLanguage{"fr_BE", 0x080C}, LocaleLanguage{"fr_CA", 0x0C0C},
    LocaleLanguage{"fr_CH", 0x100C}, LocaleLanguage{"it_CH", 0x0810}, LocaleLanguage{"es_MX", 0x080A},
    LocaleLanguage{"pt_BR", 0x0416}, LocaleLanguage{"nl_BE", 0x0813}, LocaleLanguage{"zh_TW", 0x0404},
    LocaleLanguage{"zh_HK", 0x0C04}, LocaleLanguage{"sv_FI", 0x081D},
    LocaleLanguage{"en", 0x0409}, LocaleLanguage{"de", 0x0407}, LocaleLanguage{"fr", 0x040C},
    LocaleLanguage{"it", 0x0410}, LocaleLanguage{"es", 0x0C0A}, LocaleLanguage{"pt", 0x0816},
    LocaleLanguage{"ru", 0x0419}, LocaleLanguage{"zh", 0x0804}, LocaleLanguage{"ja", 0x0411},
    LocaleLanguage{"ko", 0x0412}, LocaleLanguage{"nl", 0x0413}, LocaleLanguage{"pl", 0x0415},
    LocaleLanguage{"cs", 0x0405}, LocaleLanguage{"sk", 0x041B}, LocaleLanguage{"hu", 0x040E},
    LocaleLanguage{"ro", 0x0418}, LocaleLanguage{"bg", 0x0402}, LocaleLanguage{"hr", 0x041A},
    LocaleLanguage{"sl", 0x0424}, LocaleLanguage{"sv", 0x041D}, LocaleLanguage{"da", 0x0406},
    LocaleLanguage{"nb", 0x0414}, LocaleLanguage{"no", 0x0414}, LocaleLanguage{"fi", 0x040B},
    LocaleLanguage{"el", 0x0408}, LocaleLanguage{"tr", 0x041F}, LocaleLanguage{"uk", 0x0422},
};

std::uint16_t Lookup(const QString& name)
{
    for (const LocaleLanguage& entry : kLanguages)
        if (name == QLatin1String(entry.name))
            return entry.id;
    return 0;
}

const STranslation* FindIf(const QList<STranslation>& table, auto predicate)
{
    for (const STranslation& t : table)
        if (predicate(t.language))
            return &t;
    return nullptr;
}

} // namespace

std::uint16_t LanguageIdFromLocaleName(const QString& localeName)
{
    // "ll_CC.codeset@modifier": the codeset and modifier do not change the language.
    QString name = localeName;
    name = name.left(name.indexOf(QLatin1Char('.')) < 0 ? name.size() : name.indexOf(QLatin1Char('.')));
    name = name.left(name.indexOf(QLatin1Char('@')) < 0 ? name.size() : name.indexOf(QLatin1Char('@')));
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    const qsizetype underscore = name.indexOf(QLatin1Char('_'));
    const QString language = (underscore < 0 ? name : name.left(underscore)).toLower();
    const QString country = underscore < 0 ? QString() : name.mid(underscore + 1).toUpper();
    if (!country.isEmpty())
        if (const std::uint16_t id = Lookup(language + QLatin1Char('_') + country))
            return id;
    const std::uint16_t id = Lookup(language);
    return id ? id : kEnglishUs;
}

std::uint16_t UserDefaultLanguageId()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty())
            return LanguageIdFromLocaleName(QString::fromLocal8Bit(value));
    }
    return kEnglishUs;
}

const STranslation* ChooseTranslation(const QList<STranslation>& table, std::uint16_t userLanguage)
{
    if (table.isEmpty())
        return nullptr;
    const auto exactly = [](std::uint16_t id) { return [id](std::uint16_t l) { return l == id; }; };
    const auto lowByte = [](std::uint16_t id) { return [id](std::uint16_t l) { return (l & 0xFF) == (id & 0xFF); }; };
    if (const STranslation* t = FindIf(table, exactly(userLanguage)))
        return t;
    if (const STranslation* t = FindIf(table, lowByte(userLanguage)))
        return t;
    for (std::uint16_t fallback : {std::uint16_t(0), std::uint16_t(9)}) {
        if (const STranslation* t = FindIf(table, exactly(fallback)))
            return t;
        if (const STranslation* t = FindIf(table, lowByte(fallback)))
            return t;
    }
    return &table.first();
}
