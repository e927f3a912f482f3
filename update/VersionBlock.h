#pragma once
// The version block our executables carry in their ELF section ".scleron_version" (written at
// build time by cmake/ScleronVersionBlock.cmake). It is a short text:
//   ScleronVersionBlock 1
//   Fixed <13 words>                     the fixed version record, 52 bytes
//   Translation <language> <code page>   one line per translation
//   String <LLLLCCCC> <name> <value>     value to the end of the line
// Reading never trusts sizes from the file beyond its real length and a small upper bound.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

struct STranslation {
    std::uint16_t language = 0;
    std::uint16_t codePage = 0;
    friend bool operator==(const STranslation&, const STranslation&) = default;
};

// The raw block of an executable; nothing when the file is no 64-bit little-endian ELF file or
// has no such section.
std::optional<QByteArray> ReadVersionSection(const QString& path);

class CVersionBlock {
public:
    static constexpr int kFixedSize = 52;
    // Largest block read from a file.
    static constexpr qint64 kMaxBlockSize = 64 * 1024;

    // False when the text is not a version block.
    bool Parse(const QByteArray& block);
    // The fixed record as stored; empty when the block has none or it is malformed.
    QByteArray Fixed() const { return m_fixed; }
    const QList<STranslation>& Translations() const { return m_translations; }
    // Answers "\StringFileInfo\LLLLCCCC\Name" (hexadecimal language and code page).
    std::optional<QString> QueryValue(const QString& subBlock) const;

private:
    QByteArray m_fixed;
    QList<STranslation> m_translations;
    QHash<QString, QString> m_strings; // "LLLLCCCC\Name" -> value
};
