#pragma once
// CVersion: one version number as a 64-bit value, 0 meaning "no version". Texts of three or four
// parts pack four 16-bit parts (part 1 in the top bits), so comparing values compares versions.
// Installer names on the update server ("..._V_3_1_0.exe") and firmware package names
// ("...-V1.0.3_FW.lod") carry versions too.

#include <QString>

#include <compare>
#include <cstdint>

class CVersion {
public:
    // Firmware package kinds.
    static constexpr int kApplicationFirmware = 1;
    static constexpr int kOperatingSystem = 2;

    CVersion() = default;
    // Parses "a", "a.b", "a.b.c" or "a.b.c.d" (spaces ignored, ',' read as '.'); 0 when the text
    // is not a version.
    explicit CVersion(const QString& text);
    virtual ~CVersion() = default;
    CVersion(const CVersion&) = default;
    CVersion& operator=(const CVersion&) = default;

    static CVersion FromValue(std::uint64_t value);
    // "<word>_V_a_b_c.exe" -> a.b.c; anything else 0.
    static CVersion FromInstallerName(const QString& fileName);
    // "<name>-Va.b.c[_KIND].lod" -> a.b.c when KIND fits kind (FW or APP for application firmware,
    // OS for the operating system, none for either); anything else 0.
    static CVersion FromFirmwareName(const QString& fileName, int kind);

    std::uint64_t Value() const { return m_value; }
    bool IsNull() const { return m_value == 0; }
    // Style 2: upper and lower 32 bits; 3: parts 1..3; 4: parts 1..4; other styles: the value.
    QString Format(int style) const;
    // Part k+1 (k = 0 is the most significant part); 0 for any other k.
    std::uint16_t GetPart(int k) const;

    friend bool operator==(const CVersion& a, const CVersion& b) { return a.m_value == b.m_value; }
    friend std::strong_ordering operator<=>(const CVersion& a, const CVersion& b) { return a.m_value <=> b.m_value; }

private:
    std::uint64_t m_value = 0;
};
