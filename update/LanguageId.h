#pragma once
// Language ids (16-bit: primary language in the low 10 bits, the country variant above) as version
// blocks number their translations, and the user's default one taken from the locale.

#include "update/VersionBlock.h"

#include <QList>
#include <QString>

#include <cstdint>

// "de_DE.UTF-8" -> 0x0407; unknown languages, "C" and "POSIX" -> 0x0409 (English).
std::uint16_t LanguageIdFromLocaleName(const QString& localeName);
// From LC_ALL, else LC_MESSAGES, else LANG (the first one set and not empty).
std::uint16_t UserDefaultLanguageId();

// The translation whose strings are read: the user's language exactly, else the same low byte,
// else language 0, else low byte 0, else language 9, else low byte 9, else the first one.
// Null when the table is empty.
const STranslation* ChooseTranslation(const QList<STranslation>& table, std::uint16_t userLanguage);
