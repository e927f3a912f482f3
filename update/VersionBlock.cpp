#include "update/VersionBlock.h"

#include <QFile>
#include <QtEndian>

namespace {

constexpr char kSectionName[] = ".scleron_version";
constexpr char kHeaderLine[] = "ScleronVersionBlock 1";
constexpr int kElfHeaderSize = 64;
constexpr int kSectionHeaderSize = 64;
constexpr int kFixedWords = 13;

template <typename T>
T Le(const QByteArray& bytes, int offset)
{
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

std::optional<QByteArray> ReadAt(QFile& file, quint64 offset, quint64 size)
{
    const quint64 length = static_cast<quint64>(file.size());
    if (offset > length || size > length - offset)
        return std::nullopt;
    if (!file.seek(static_cast<qint64>(offset)))
        return std::nullopt;
    QByteArray bytes = file.read(static_cast<qint64>(size));
    if (static_cast<quint64>(bytes.size()) != size)
        return std::nullopt;
    return bytes;
}

struct SectionHeader {
    quint32 name = 0;
    quint64 offset = 0;
    quint64 size = 0;
};

SectionHeader DecodeSectionHeader(const QByteArray& h)
{
    return {Le<quint32>(h, 0), Le<quint64>(h, 24), Le<quint64>(h, 32)};
}

QString NameInTable(const QByteArray& table, quint32 offset)
{
    if (offset >= static_cast<quint32>(table.size()))
        return {};
    const qsizetype end = table.indexOf('\0', offset);
    return QString::fromLatin1(table.mid(offset, (end < 0 ? table.size() : end) - offset));
}

bool ParseFixed(const QList<QByteArray>& fields, QByteArray& fixed)
{
    if (fields.size() != kFixedWords + 1)
        return false;
    QByteArray bytes(CVersionBlock::kFixedSize, '\0');
    for (int i = 0; i < kFixedWords; ++i) {
        bool ok = false;
        const quint32 word = fields[i + 1].toUInt(&ok, 0);
        if (!ok)
            return false;
        qToLittleEndian(word, bytes.data() + 4 * i);
    }
    fixed = bytes;
    return true;
}

} // namespace

std::optional<QByteArray> ReadVersionSection(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const auto header = ReadAt(file, 0, kElfHeaderSize);
    if (!header || !header->startsWith("\x7f" "ELF") || header->at(4) != 2 || header->at(5) != 1)
        return std::nullopt;
    const quint64 tableOffset = Le<quint64>(*header, 0x28);
    const quint16 entrySize = Le<quint16>(*header, 0x3A);
    const quint16 count = Le<quint16>(*header, 0x3C);
    const quint16 namesIndex = Le<quint16>(*header, 0x3E);
    if (entrySize != kSectionHeaderSize || namesIndex >= count)
        return std::nullopt;
    const auto table = ReadAt(file, tableOffset, quint64(count) * kSectionHeaderSize);
    if (!table)
        return std::nullopt;
    const auto sectionAt = [&](int i) { return DecodeSectionHeader(table->mid(i * kSectionHeaderSize, kSectionHeaderSize)); };
    const SectionHeader names = sectionAt(namesIndex);
    if (names.size > 16 * 1024 * 1024)
        return std::nullopt;
    const auto nameTable = ReadAt(file, names.offset, names.size);
    if (!nameTable)
        return std::nullopt;
    for (int i = 0; i < count; ++i) {
        const SectionHeader section = sectionAt(i);
        if (NameInTable(*nameTable, section.name) != QLatin1String(kSectionName))
            continue;
        if (section.size > CVersionBlock::kMaxBlockSize)
            return std::nullopt;
        return ReadAt(file, section.offset, section.size);
    }
    return std::nullopt;
}

bool CVersionBlock::Parse(const QByteArray& block)
{
    *this = CVersionBlock();
    QByteArray text = block;
    const qsizetype nul = text.indexOf('\0');
    if (nul >= 0)
        text.truncate(nul);
    const QList<QByteArray> lines = text.split('\n');
    if (lines.isEmpty() || lines.first() != kHeaderLine)
        return false;
    for (const QByteArray& line : lines.mid(1)) {
        const QList<QByteArray> fields = line.split(' ');
        const QByteArray& kind = fields.first();
        if (kind == "Fixed") {
            ParseFixed(fields, m_fixed);
        } else if (kind == "Translation" && fields.size() == 3) {
            bool okLanguage = false, okCodePage = false;
            const uint language = fields[1].toUInt(&okLanguage, 0);
            const uint codePage = fields[2].toUInt(&okCodePage, 0);
            if (okLanguage && okCodePage && language <= 0xFFFF && codePage <= 0xFFFF)
                m_translations.append({static_cast<std::uint16_t>(language), static_cast<std::uint16_t>(codePage)});
        } else if (kind == "String" && fields.size() >= 3) {
            const qsizetype valueStart = fields[0].size() + fields[1].size() + fields[2].size() + 3;
            const QString key = QString::fromLatin1(fields[1]).toUpper() + QLatin1Char('\\') + QString::fromUtf8(fields[2]);
            m_strings.insert(key, QString::fromUtf8(line.mid(valueStart)));
        }
    }
    return true;
}

std::optional<QString> CVersionBlock::QueryValue(const QString& subBlock) const
{
    static const QString prefix = QStringLiteral("\\StringFileInfo\\");
    if (!subBlock.startsWith(prefix))
        return std::nullopt;
    const QString rest = subBlock.mid(prefix.size());
    const qsizetype slash = rest.indexOf(QLatin1Char('\\'));
    if (slash < 0)
        return std::nullopt;
    const auto it = m_strings.find(rest.left(slash).toUpper() + rest.mid(slash));
    if (it == m_strings.end())
        return std::nullopt;
    return *it;
}
