#include "update/FileVersionInfo.h"

#include "update/LanguageId.h"
#include "update/VersionBlock.h"

#include <QFileInfo>

namespace {
constexpr const char* kFieldNames[] = {
    "CompanyName", "FileDescription", "FileVersion", "InternalName", "LegalCopyright", "OriginalFileName",
    "ProductName", "ProductVersion", "Comments", "LegalTrademarks", "PrivateBuild", "SpecialBuild",
    "RequiredOSVersion",
};
static_assert(std::size(kFieldNames) == CFileVersionInfo::FieldCount);
} // namespace

void CFileVersionInfo::Reset()
{
    m_fixed = QByteArray(CVersionBlock::kFixedSize, '\0');
    for (QString& s : m_strings)
        s.clear();
}

const char* CFileVersionInfo::FieldName(Field field)
{
    return (field >= 0 && field < FieldCount) ? kFieldNames[field] : "";
}

QString CFileVersionInfo::OwnExecutablePath()
{
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
}

bool CFileVersionInfo::LoadModule(const QString& modulePath)
{
    return LoadFile(modulePath.isEmpty() ? OwnExecutablePath() : modulePath);
}

bool CFileVersionInfo::LoadFile(const QString& path, std::uint16_t userLanguage)
{
    Reset();
    const std::optional<QByteArray> raw = ReadVersionSection(path);
    return raw && LoadBlock(*raw, userLanguage);
}

bool CFileVersionInfo::LoadBlock(const QByteArray& raw, std::uint16_t userLanguage)
{
    Reset();
    CVersionBlock block;
    if (raw.isEmpty() || !block.Parse(raw))
        return false;
    if (block.Fixed().size() == CVersionBlock::kFixedSize)
        m_fixed = block.Fixed();
    const STranslation* chosen = ChooseTranslation(block.Translations(), userLanguage ? userLanguage : UserDefaultLanguageId());
    if (!chosen)
        return true;
    const QString key = QStringLiteral("%1%2")
                            .arg(chosen->language, 4, 16, QLatin1Char('0'))
                            .arg(chosen->codePage, 4, 16, QLatin1Char('0'))
                            .toUpper();
    const QString prefix = QStringLiteral("\\StringFileInfo\\") + key + QLatin1Char('\\');
    for (int f = 0; f < FieldCount; ++f)
        if (const auto value = block.QueryValue(prefix + QLatin1String(kFieldNames[f])))
            m_strings[f] = *value;
    return true;
}
