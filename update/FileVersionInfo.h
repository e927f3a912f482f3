#pragma once
// CFileVersionInfo: the version block of one of our executables (see VersionBlock.h): the fixed
// version record and thirteen version strings in the translation chosen for the user's language.
// A file without a block reads as all empty.

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

class CFileVersionInfo {
public:
    enum Field {
        CompanyName, FileDescription, FileVersion, InternalName, LegalCopyright, OriginalFileName,
        ProductName, ProductVersion, Comments, LegalTrademarks, PrivateBuild, SpecialBuild,
        RequiredOSVersion, FieldCount
    };

    CFileVersionInfo() { Reset(); }
    virtual ~CFileVersionInfo() = default;
    virtual void Reset();

    // Reads the block of the executable at modulePath, or of the running program when empty.
    bool LoadModule(const QString& modulePath = {});
    // Reads the block of the file at path, choosing the translation for userLanguage (the
    // locale's language when 0).
    bool LoadFile(const QString& path, std::uint16_t userLanguage = 0);
    // The same for a block's text already read.
    bool LoadBlock(const QByteArray& block, std::uint16_t userLanguage = 0);

    // The fixed record as stored (52 bytes, all zero when absent).
    const QByteArray& FixedInfo() const { return m_fixed; }
    QString Get(Field field) const { return m_strings[field]; }
    static const char* FieldName(Field field);

    QString GetCompanyName() const { return m_strings[CompanyName]; }
    QString GetFileDescription() const { return m_strings[FileDescription]; }
    QString GetFileVersion() const { return m_strings[FileVersion]; }
    QString GetInternalName() const { return m_strings[InternalName]; }
    QString GetLegalCopyright() const { return m_strings[LegalCopyright]; }
    QString GetOriginalFileName() const { return m_strings[OriginalFileName]; }
    QString GetProductName() const { return m_strings[ProductName]; }
    QString GetProductVersion() const { return m_strings[ProductVersion]; }
    QString GetComments() const { return m_strings[Comments]; }
    QString GetLegalTrademarks() const { return m_strings[LegalTrademarks]; }
    QString GetPrivateBuild() const { return m_strings[PrivateBuild]; }
    QString GetSpecialBuild() const { return m_strings[SpecialBuild]; }
    QString GetRequiredOSVersion() const { return m_strings[RequiredOSVersion]; }

    // The running program's executable file.
    static QString OwnExecutablePath();

private:
    QByteArray m_fixed;
    std::array<QString, FieldCount> m_strings;
};
